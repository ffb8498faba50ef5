#include "ui/qtmessageservice.h"

#include "ui/svgpixmap.h"

#include <QApplication>
#include <QMessageBox>

namespace dosarium {

namespace {

// The program's own pictures: Qt's built-in message icons are 32-pixel bitmaps, blurred on a
// scaled screen. The information sign is the one that marks the hint line.
QString pictureOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QStringLiteral(":/pictures/messages/critical.svg");
    case MessageIcon::Question:
        return QStringLiteral(":/pictures/messages/question.svg");
    case MessageIcon::Exclamation:
        return QStringLiteral(":/pictures/messages/warning.svg");
    case MessageIcon::Information:
        return QStringLiteral(":/pictures/workbench/info.svg");
    case MessageIcon::None:
        break;
    }
    return {};
}

QMessageBox::StandardButtons toQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageAnswer QtMessageService::show(const Message& message)
{
    QWidget* parent = m_parent ? m_parent.data() : QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, message.title, message.text, toQtButtons(message.buttons),
                    parent);
    const QString picture = pictureOf(message.icon);
    if (!picture.isEmpty())
        box.setIconPixmap(svgPixmap(picture, QSize(32, 32), box.devicePixelRatioF()));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        break;
    }
    // A box closed without a button (Escape, close box) takes the answer that changes nothing.
    return message.buttons == MessageButtons::YesNo      ? MessageAnswer::No
           : message.buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                         : MessageAnswer::Ok;
}

} // namespace dosarium
