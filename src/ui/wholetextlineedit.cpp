#include "ui/wholetextlineedit.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <utility>

namespace dosarium {

WholeTextLineEdit::WholeTextLineEdit(QWidget* parent) : QLineEdit(parent) {}

void WholeTextLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    m_selectOnRelease = event->reason() == Qt::MouseFocusReason;
}

void WholeTextLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    // A drag that chose part of the text keeps its choice.
    if (std::exchange(m_selectOnRelease, false) && !hasSelectedText())
        selectAll();
}

} // namespace dosarium
