#include "qt/qt_window_services.h"

#include <QApplication>
#include <QCoreApplication>

#include "common/nesting_count.h"

namespace tidemark::qt {

namespace {
constexpr std::uint32_t kSwpShowWindow = 0x0040;
}

void QtMessagePump::DoEvents() {
    const NestingCount inside(depth_);
    if (beforeEvents_) beforeEvents_();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtWindowOrder::ActivateByTitle(const std::string& title) {
    const QString wanted = QString::fromStdString(title);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == wanted) {
            widget->raise();
            widget->activateWindow();
            return;
        }
    }
}

void QtWindowOrder::SetWindowPos(std::intptr_t, std::uint32_t flags) {
    if (!window_) return;
    if ((flags & kSwpShowWindow) != 0 && !window_->isVisible()) window_->show();
    window_->raise();
}

void QtBeeper::Beep() { QApplication::beep(); }

}  // namespace tidemark::qt
