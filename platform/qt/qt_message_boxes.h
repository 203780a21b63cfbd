#pragma once

#include <QPointer>
#include <QWidget>

#include "common/platform.h"

namespace tidemark::qt {

class QtMessageBoxes : public MessageBoxes {
public:
    // Boxes open centred over this window once it is set.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace tidemark::qt
