#include "qt/report_main.h"

#include <exception>
#include <iostream>

#include "qt/linux_record_files.h"
#include "qt/qt_locale.h"
#include "qt/qt_system_services.h"
#include "report/report_command.h"

namespace tidemark::qt {

int RunReport(const report::ReportRequest& request) {
    try {
        LinuxRecordFiles files;
        QtClock clock;
        QtLocale locale;
        return report::WriteReport(files, request, clock.Now(), std::cout, std::cerr, locale.Dates());
    } catch (const std::exception& error) {
        std::cerr << "The report could not be made: " << error.what() << "\n";
        return 1;
    }
}

}  // namespace tidemark::qt
