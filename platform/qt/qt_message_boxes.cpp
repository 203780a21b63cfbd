#include "qt/qt_message_boxes.h"

#include <QMessageBox>

namespace tidemark::qt {

MessageAnswer QtMessageBoxes::Show(const std::string& text, const std::string& title, MessageButtons buttons,
                                   MessageIcon icon) {
    const QMessageBox::StandardButtons standard =
        buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    QString::fromStdString(title), QString::fromStdString(text), standard, owner_.data());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace tidemark::qt
