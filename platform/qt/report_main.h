#pragma once

#include "report/report_command.h"

namespace tidemark::qt {

// `Tidemark --report FILE.csv [--output FILE.html] [--below MBPS]`: writes
// the report without Qt's window system. Answers the exit status.
int RunReport(const report::ReportRequest& request);

}  // namespace tidemark::qt
