#pragma once

#include <string>
#include <vector>

namespace tidemark::qt {

// `Tidemark --report FILE.csv [--output FILE.html] [--below MBPS]`: writes
// the report without Qt's window system. Answers the exit status.
int RunReport(const std::vector<std::string>& arguments);

}  // namespace tidemark::qt
