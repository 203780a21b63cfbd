#include "qt/run_once_main.h"

#include <iostream>

#include <QApplication>

#include "app/form1.h"
#include "app/run_once.h"
#include "app/run_records.h"
#include "common/app_identity.h"
#include "qt/linux_record_files.h"
#include "qt/qt_platform.h"
#include "qt/qt_report_viewer.h"

namespace tidemark::qt {

int RunOnceMain(int& argc, char** argv, BrowserChoice browser, const UnattendedOptions& options) {
    // The window is never shown; the browser decides for itself whether to show its own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kAppTitle));

    QtPlatform services(browser);
    ConsoleMessageBoxes boxes(std::cerr);
    Platform platform = WithMessageBoxes(services.platform, boxes);
    Context context(platform);
    LinuxRecordFiles recordFiles;
    QtReportViewer reportViewer;
    RunRecords records(recordFiles, reportViewer, options, services.environment);
    records.ServeTo(context);
    services.browser.LogDialogsTo(&records.services());
    Form1 form(context);
    return RunOnce(form, options, std::cout, std::cerr);
}

}  // namespace tidemark::qt
