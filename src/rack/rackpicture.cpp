#include "rack/rackpicture.h"

#include "rack/rackpainting.h"
#include "rack/racktexts.h"

#include <QPainter>

namespace dosarium {

RackPicture::RackPicture(const RackModel& rack, QWidget* parent) : QWidget(parent), m_rack(rack)
{
    setAccessibleName(RackTexts::picture);
    setMinimumSize(480, 230);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void RackPicture::setCurrent(int index)
{
    m_current = index;
    update();
}

void RackPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintRack(painter, QRectF(rect()), m_rack.content(), m_current);
}

} // namespace dosarium
