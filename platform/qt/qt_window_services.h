#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "common/platform.h"

namespace tidemark::qt {

// Lets Qt handle pending events. The window is redrawn from Form1's state
// first, so what a handler changed in the middle of a wait shows at once.
class QtMessagePump : public MessagePump {
public:
    void DoEvents() override;

    void SetBeforeEvents(std::function<void()> beforeEvents) { beforeEvents_ = std::move(beforeEvents); }
    // Above 0 while a handler waits inside DoEvents.
    int depth() const { return depth_; }

private:
    std::function<void()> beforeEvents_;
    int depth_ = 0;
};

// Without a window manager's topmost band, bringing the window forward is
// raising and activating it; a message box opened next lies above it.
class QtWindowOrder : public WindowOrder {
public:
    void SetMainWindow(QWidget* window) { window_ = window; }

    void ActivateByTitle(const std::string& title) override;
    void SetWindowPos(std::intptr_t insertAfter, std::uint32_t flags) override;

private:
    QPointer<QWidget> window_;
};

class QtBeeper : public Beeper {
public:
    void Beep() override;
};

}  // namespace tidemark::qt
