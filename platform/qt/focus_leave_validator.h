#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tidemark::qt {

// Runs a field's Validate handler when the focus is about to leave it for
// another control of the same window: by a click, Tab, Shift+Tab or an
// access key. When the handler cancels, the focus stays in the field and
// the control that was to get it gets neither the focus nor its click.
class FocusLeaveValidator : public QObject {
    Q_OBJECT
public:
    // Answers true to keep the focus in the field.
    using Validate = std::function<bool()>;

    explicit FocusLeaveValidator(QWidget* window);

    void Guard(QWidget* field, Validate validate);
    // A control whose clicks and access key must wait for the fields' validation.
    void Watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct GuardedField {
        QPointer<QWidget> field;
        Validate validate;
    };

    const GuardedField* GuardedFocus() const;
    const GuardedField* Guarded(QObject* object) const;
    bool FocusLeaving(const GuardedField& guarded, QEvent* event);
    bool ShortcutPressed(QWidget* control);
    bool SwallowedMouse(QObject* watched, QEvent* event);

    QPointer<QWidget> window_;
    std::vector<GuardedField> fields_;
    QPointer<QWidget> swallowClicksOf_;  // the control whose press and release are dropped
    bool validating_ = false;
    QPointer<QWidget> shortcutPassedTo_;  // validated already for the access key's own focus move
};

}  // namespace tidemark::qt
