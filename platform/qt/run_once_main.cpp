#include "qt/run_once_main.h"

#include <iostream>
#include <optional>

#include <QApplication>

#include "app/form1.h"
#include "app/run_once.h"
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
    RecordServices records{recordFiles, reportViewer};
    context.records = &records;
    SystemEpochClock epoch;
    std::optional<MetricsTarget> metrics;
    if (const auto folder = MetricsFolder(options, services.environment)) {
        metrics.emplace(MetricsTarget{*folder, epoch});
        context.metrics = &*metrics;
    }
    services.browser.LogDialogsTo(&records);
    Form1 form(context);
    return RunOnce(form, options, std::cout, std::cerr);
}

}  // namespace tidemark::qt
