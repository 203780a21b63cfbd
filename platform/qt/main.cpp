// The Linux build's Tidemark: the Qt window over the core.

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include "app/form1.h"
#include "app/run_records.h"
#include "chromium/page_inspector.h"
#include "common/app_identity.h"
#include "common/version.h"
#include "qt/app_icon.h"
#include "qt/command_line.h"
#include "qt/form1_window.h"
#include "qt/linux_record_files.h"
#include "qt/qt_platform.h"
#include "qt/qt_report_viewer.h"
#include "qt/report_main.h"
#include "qt/run_once_main.h"

int main(int argc, char* argv[]) {
    tidemark::qt::CommandLine line;
    {
        // Read before any window system is asked for, so that --help, --version, --inspect and --report need no display.
        QCoreApplication reader(argc, argv);
        QCoreApplication::setApplicationName(QString::fromUtf8(tidemark::kAppTitle));
        QCoreApplication::setApplicationVersion(QString::fromUtf8(tidemark::kVersion));
        line = tidemark::qt::ParseCommandLine(QCoreApplication::arguments());
    }
    if (line.exitStatus) {
        std::fputs(line.answer.c_str(), *line.exitStatus == 0 ? stdout : stderr);
        return *line.exitStatus;
    }
    if (line.inspect) return tidemark::chromium::InspectPage(*line.inspect, std::cout, std::cerr);
    if (line.report) return tidemark::qt::RunReport(*line.report);
    if (line.unattended.mode == tidemark::StartMode::RunOnce)
        return tidemark::qt::RunOnceMain(argc, argv, line.browser, line.unattended);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tidemark::kAppTitle));
    QApplication::setDesktopFileName(QStringLiteral("tidemark"));
    QApplication::setWindowIcon(tidemark::qt::ApplicationIcon());

    tidemark::qt::QtPlatform services(line.browser);
    tidemark::Context context(services.platform);
    tidemark::qt::LinuxRecordFiles recordFiles;
    tidemark::qt::QtReportViewer reportViewer;
    tidemark::RunRecords records(recordFiles, reportViewer, line.unattended, services.environment);
    records.ServeTo(context);
    services.browser.LogDialogsTo(&records.services());
    tidemark::Form1 form(context);

    // Closing ends the process at once, also from inside a wait of a run,
    // where returning to the event loop would let the run go on.
    auto endProcess = [&services] {
        if (services.pump.depth() == 0) {
            QApplication::quit();
            return;
        }
        services.instanceLock.Release();
        std::fflush(nullptr);
        std::_Exit(EXIT_SUCCESS);
    };
    tidemark::qt::Form1Window window(form, endProcess);
    services.SetMainWindow(&window);
    services.pump.SetBeforeEvents([&window] { window.SyncFromForm(); });

    if (form.Form_Load() == tidemark::ProcessFate::EndAtOnce) return EXIT_SUCCESS;
    window.SyncFromForm();
    window.show();
    if (line.unattended.mode == tidemark::StartMode::PressStart) {
        // Pressed as the user would, once the window is up; a disabled Start takes no press.
        QTimer::singleShot(0, &window, [&window] {
            if (auto* start = qobject_cast<QAbstractButton*>(window.Control("cmdStart"))) start->click();
        });
    }
    return QApplication::exec();
}
