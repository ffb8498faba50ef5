#include "rack/rackpainting.h"

#include "rack/racklabels.h"
#include "rack/racktexts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace dosarium {
namespace {

const QColor ground(255, 255, 255);
const QColor glass(110, 110, 110);
const QColor text(0, 0, 0);
const QColor focus(0, 90, 200);
// The solution fills the tube up to this share of its height.
constexpr double fillShare = 0.75;

QColor colourOf(Chromophore chromophore, double concentration)
{
    const std::optional<TubeColour> c = racklabels::colourOf(chromophore, concentration);
    return c ? QColor(c->srgb.red, c->srgb.green, c->srgb.blue) : QColor(200, 200, 200);
}

QPainterPath tubeOutline(const QRectF& tube)
{
    const double radius = tube.width() / 2.0;
    QPainterPath path;
    path.moveTo(tube.topLeft());
    path.lineTo(tube.left(), tube.bottom() - radius);
    path.arcTo(QRectF(tube.left(), tube.bottom() - 2.0 * radius, tube.width(), 2.0 * radius), 180.0,
               180.0);
    path.lineTo(tube.topRight());
    return path;
}

void paintTube(QPainter& painter, const QRectF& tube, const QColor& colour)
{
    const QPainterPath outline = tubeOutline(tube);
    QPainterPath closed = outline;
    closed.closeSubpath();
    painter.save();
    painter.setClipPath(closed);
    const double level = tube.top() + (1.0 - fillShare) * tube.height();
    painter.fillRect(QRectF(tube.left(), level, tube.width(), tube.bottom() - level), colour);
    painter.restore();
    painter.setPen(QPen(glass, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.drawLine(QLineF(tube.left() - 3.0, tube.top(), tube.right() + 3.0, tube.top()));
}

// Lines of text centred under a tube, shrunk to the slot's width.
void paintLabels(QPainter& painter, const QRectF& slot, double top, const QStringList& lines)
{
    QFont font = painter.font();
    const QFontMetricsF metrics(font);
    double widest = 0.0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    // A gap between the labels of neighbouring tubes.
    const double room = slot.width() * 0.9;
    if (widest > room)
        font.setPointSizeF(std::max(5.0, font.pointSizeF() * room / widest));
    painter.save();
    painter.setFont(font);
    painter.setPen(text);
    const double height = QFontMetricsF(font).lineSpacing();
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRectF(slot.left(), top + i * height, slot.width(), height),
                         Qt::AlignHCenter | Qt::AlignTop, lines[i]);
    painter.restore();
}

} // namespace

void paintRack(QPainter& painter, const QRectF& area, const RackContent& rack, int current)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, ground);
    const int tubes = int(rack.tubes.size());
    // The unknown stands one slot and a half apart from the standards.
    const double slotCount = tubes + (rack.unknown ? 1.5 : 0.0);
    const double slotWidth =
        std::min(area.width() / std::max(1.0, slotCount), area.height() * 0.45);
    const double lineHeight = QFontMetricsF(painter.font()).lineSpacing();
    const double labelsHeight = 2.5 * lineHeight;
    const double bracketHeight = 1.2 * lineHeight;
    const double tubeWidth = std::max(8.0, slotWidth * 0.32);
    const double tubeTop = area.top() + bracketHeight + 4.0;
    const double tubeBottom = area.bottom() - labelsHeight;
    const auto slotAt = [&](double position) {
        return QRectF(area.left() + position * slotWidth, area.top(), slotWidth, area.height());
    };
    const auto tubeIn = [&](const QRectF& slot) {
        return QRectF(slot.center().x() - tubeWidth / 2.0, tubeTop, tubeWidth,
                      tubeBottom - tubeTop);
    };

    for (int i = 0; i < tubes; ++i) {
        const Tube& tube = rack.tubes[std::size_t(i)];
        const QRectF slot = slotAt(i);
        paintTube(painter, tubeIn(slot), colourOf(tube.chromophore(), tube.concentration));
        paintLabels(
            painter, slot, tubeBottom + 3.0,
            {RackTexts::shortMassLabel.arg(
                 racklabels::shortNumber(racklabels::massConcentration(tube))),
             RackTexts::shortConcentrationLabel.arg(racklabels::shortNumber(tube.concentration))});
        if (i == current) {
            painter.setPen(QPen(focus, 2.0, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(slot.adjusted(2.0, bracketHeight, -2.0, -2.0), 4.0, 4.0);
        }
    }
    if (rack.unknown) {
        const QRectF slot = slotAt(tubes + 0.5);
        paintTube(painter, tubeIn(slot),
                  colourOf(rack.unknown->chromophore(), rack.unknown->concentration));
        paintLabels(painter, slot, tubeBottom + 3.0, {RackTexts::unknownLabel});
    }
    if (rack.bracket && rack.bracket->upper < tubes) {
        const double left = slotAt(rack.bracket->lower).center().x();
        const double right = slotAt(rack.bracket->upper).center().x();
        const double y = area.top() + bracketHeight / 2.0 + 2.0;
        painter.setPen(QPen(focus, 2.0));
        painter.drawPolyline(QPolygonF({QPointF(left, tubeTop - 2.0), QPointF(left, y),
                                        QPointF(right, y), QPointF(right, tubeTop - 2.0)}));
    }
    if (tubes == 0 && !rack.unknown)
        paintLabels(painter, area, area.center().y(), {RackTexts::emptyRack});
    painter.restore();
}

} // namespace dosarium
