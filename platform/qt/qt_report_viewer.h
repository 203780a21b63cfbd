#pragma once

#include "common/record_files.h"

namespace tidemark::qt {

// The desktop's default browser, through QDesktopServices (xdg-open on most desktops).
class QtReportViewer : public ReportViewer {
public:
    void Show(const std::string& path) override;
};

}  // namespace tidemark::qt
