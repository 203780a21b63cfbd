#include "qt/qt_report_viewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace tidemark::qt {

void QtReportViewer::Show(const std::string& path) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path))))
        throw PlatformError(kEFail, "the desktop has no program to show " + path);
}

}  // namespace tidemark::qt
