#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

class Win32ProcessStarter final : public ProcessStarter {
public:
    // The command line is the program's path in double quotes followed by
    // the arguments as they are.
    void Start(const std::string& program, const std::string& arguments) override;
};

}  // namespace tidemark::win32
