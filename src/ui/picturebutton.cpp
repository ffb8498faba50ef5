#include "ui/picturebutton.h"

#include "ui/focusring.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace dosarium {

PictureButton::PictureButton(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawFocusRing(painter, this);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool pressed = modifiers == Qt::NoModifier &&
                         (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                          event->key() == Qt::Key_Enter);
    const bool poppedUp =
        m_popsUpMenu && modifiers == Qt::AltModifier && event->key() == Qt::Key_Down;
    if (!pressed && !poppedUp) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

} // namespace dosarium
