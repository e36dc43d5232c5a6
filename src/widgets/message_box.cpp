#include "message_box.h"

#include <QMessageBox>

namespace morvaine {

MsgAnswer ShowMessageBox(const QString &title, const QString &text, MsgIcon icon,
                         MsgButtons buttons)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MsgIcon::Error:
        boxIcon = QMessageBox::Critical;
        break;
    case MsgIcon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case MsgIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case MsgIcon::Question:
        boxIcon = QMessageBox::Question;
        break;
    }
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    switch (buttons) {
    case MsgButtons::Ok:
        standard = QMessageBox::Ok;
        break;
    case MsgButtons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case MsgButtons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        break;
    case MsgButtons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }

    QMessageBox box(boxIcon, title, text, standard);
    if (buttons == MsgButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
}

} // namespace morvaine
