// The Linux build's Tidemark: the Qt window over the core.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <QApplication>

#include "app/form1.h"
#include "chromium/page_inspector.h"
#include "common/app_identity.h"
#include "qt/app_icon.h"
#include "qt/command_line.h"
#include "qt/form1_window.h"
#include "qt/linux_record_files.h"
#include "qt/qt_platform.h"
#include "qt/qt_report_viewer.h"
#include "qt/report_main.h"

int main(int argc, char* argv[]) {
    // --version, --help and --inspect answer before Qt starts, so they need no display.
    const tidemark::qt::CommandLine asked = tidemark::qt::ParseCommandLine({argv + 1, argv + argc});
    if (asked.version) {
        std::fputs(tidemark::qt::VersionText().c_str(), stdout);
        return EXIT_SUCCESS;
    }
    if (asked.help) {
        std::fputs(tidemark::qt::UsageText(argv[0]).c_str(), stdout);
        return EXIT_SUCCESS;
    }
    if (asked.inspect) {
        if (!asked.error.empty()) {
            std::fprintf(stderr, "%s\n", asked.error.c_str());
            std::fputs(tidemark::qt::UsageText(argv[0]).c_str(), stderr);
            return 2;
        }
        return tidemark::chromium::InspectPage(*asked.inspect, std::cout, std::cerr);
    }
    if (asked.report) return tidemark::qt::RunReport(*asked.report);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tidemark::kAppTitle));
    QApplication::setDesktopFileName(QStringLiteral("tidemark"));
    QApplication::setWindowIcon(tidemark::qt::ApplicationIcon());

    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1)) arguments.push_back(argument.toStdString());
    const tidemark::qt::CommandLine line = tidemark::qt::ParseCommandLine(arguments);
    if (!line.error.empty()) {
        std::fprintf(stderr, "%s\n", line.error.c_str());
        std::fputs(tidemark::qt::UsageText(argv[0]).c_str(), stderr);
        return 2;
    }

    tidemark::qt::QtPlatform services(line.browser);
    tidemark::Context context(services.platform);
    tidemark::qt::LinuxRecordFiles recordFiles;
    tidemark::qt::QtReportViewer reportViewer;
    tidemark::RecordServices records{recordFiles, reportViewer};
    context.records = &records;
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
    return QApplication::exec();
}
