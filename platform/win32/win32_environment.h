#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

class Win32Environment final : public Environment {
public:
    std::string Variable(const std::string& name) override;
    std::string WindowsDirectoryBuffer() override;
};

}  // namespace tidemark::win32
