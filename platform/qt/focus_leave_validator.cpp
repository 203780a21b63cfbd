#include "qt/focus_leave_validator.h"

#include <QApplication>
#include <QFocusEvent>

namespace tidemark::qt {

namespace {
bool MovesFocusOn(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}
}  // namespace

FocusLeaveValidator::FocusLeaveValidator(QWidget* window) : QObject(window), window_(window) {}

void FocusLeaveValidator::Guard(QWidget* field, Validate validate) {
    fields_.push_back({field, std::move(validate)});
    field->installEventFilter(this);
}

void FocusLeaveValidator::Watch(QWidget* control) { control->installEventFilter(this); }

const FocusLeaveValidator::GuardedField* FocusLeaveValidator::Guarded(QObject* object) const {
    for (const GuardedField& guarded : fields_)
        if (guarded.field == object) return &guarded;
    return nullptr;
}

const FocusLeaveValidator::GuardedField* FocusLeaveValidator::GuardedFocus() const {
    return Guarded(QApplication::focusWidget());
}

bool FocusLeaveValidator::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusOut:
            if (const GuardedField* guarded = Guarded(watched)) return FocusLeaving(*guarded, event);
            return false;
        case QEvent::Shortcut: return ShortcutPressed(qobject_cast<QWidget*>(watched));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease: return SwallowedMouse(watched, event);
        default: return false;
    }
}

// Qt has already made the new control the focus widget when the field hears
// of it, but has not yet told the control; taking the focus back here means
// the control never gets it.
bool FocusLeaveValidator::FocusLeaving(const GuardedField& guarded, QEvent* event) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    QWidget* next = QApplication::focusWidget();
    const bool validatedForShortcut = reason == Qt::ShortcutFocusReason && next == shortcutPassedTo_;
    shortcutPassedTo_ = nullptr;
    if (validatedForShortcut) return false;
    if (validating_ || !MovesFocusOn(reason) || !guarded.field->isEnabled() || next == nullptr ||
        next == guarded.field || next->window() != window_)
        return false;

    validating_ = true;
    const bool cancel = guarded.validate();
    validating_ = false;
    if (!cancel || !guarded.field) return false;
    if (reason == Qt::MouseFocusReason) swallowClicksOf_ = next;
    guarded.field->setFocus(Qt::OtherFocusReason);
    // A message box took the activation; without a window manager nothing gives it back.
    if (window_ && QApplication::activeWindow() != window_) window_->activateWindow();
    return false;
}

// An access key clicks its button in the same event that moves the focus,
// so validation has to come first and can refuse the whole key press.
bool FocusLeaveValidator::ShortcutPressed(QWidget* control) {
    const GuardedField* guarded = GuardedFocus();
    if (guarded == nullptr || control == nullptr || control == guarded->field || validating_) return false;
    validating_ = true;
    const bool cancel = guarded->validate();
    validating_ = false;
    if (cancel) {
        if (window_ && QApplication::activeWindow() != window_) window_->activateWindow();
        return true;
    }
    shortcutPassedTo_ = control;
    return false;
}

bool FocusLeaveValidator::SwallowedMouse(QObject* watched, QEvent* event) {
    if (!swallowClicksOf_) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool target = widget != nullptr && (widget == swallowClicksOf_ || swallowClicksOf_->isAncestorOf(widget));
    if (!target) {
        if (event->type() == QEvent::MouseButtonPress) swallowClicksOf_ = nullptr;
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) swallowClicksOf_ = nullptr;
    return true;
}

}  // namespace tidemark::qt
