#include "ui/picturebutton.h"

#include <QMouseEvent>

namespace dosarium {

PictureButton::PictureButton(QWidget* parent) : QLabel(parent) {}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace dosarium
