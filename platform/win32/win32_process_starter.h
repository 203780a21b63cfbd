#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

class Win32ProcessStarter final : public ProcessStarter {
public:
    void Start(const std::string& commandLine) override;
};

}  // namespace tidemark::win32
