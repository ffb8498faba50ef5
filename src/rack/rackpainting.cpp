#include "rack/rackpainting.h"

#include "colour/tubecolour.h"
#include "rack/racklabels.h"
#include "rack/racktexts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

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
    const std::optional<TubeColour> c = standardTubeColour(chromophore, concentration);
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

// How the labels under the tubes are set: their font, and the rows they alternate on so that a
// label may be wider than its tube's slot without touching its neighbours'.
struct LabelRows {
    QFont font;
    int rows = 1;
};

// The fewest rows (up to maxRows) at which the widest label keeps the picture's font; when even
// maxRows are too few, maxRows at the font that fits, never below 5 pt.
LabelRows labelRows(const QFont& base, double slotWidth, double widest, int maxRows)
{
    // A gap between the labels of neighbours on the same row.
    const auto room = [slotWidth](int rows) { return rows * slotWidth * 0.9; };
    LabelRows layout{base, 1};
    while (layout.rows < maxRows && widest > room(layout.rows))
        ++layout.rows;
    if (widest > room(layout.rows))
        layout.font.setPointSizeF(std::max(5.0, base.pointSizeF() * room(layout.rows) / widest));
    return layout;
}

// Lines of text centred under a tube's slot, on the given row of labels; a thin line leads from the
// tube down to a label set below the first row.
void paintLabels(QPainter& painter, const QRectF& area, const QRectF& slot, double top,
                 const LabelRows& layout, int row, const QStringList& lines)
{
    painter.save();
    painter.setFont(layout.font);
    const double height = QFontMetricsF(layout.font).lineSpacing();
    // Every row of labels is two lines high, the unknown's one line included.
    const double rowTop = top + row * 2.0 * height;
    if (row > 0) {
        painter.setPen(QPen(glass, 0.75));
        painter.drawLine(QLineF(slot.center().x(), top, slot.center().x(), rowTop));
    }
    painter.setPen(text);
    const QFontMetricsF metrics(layout.font);
    double width = 0.0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    // The first and last tubes' labels stay inside the picture.
    const double left =
        std::max(area.left(), std::min(slot.center().x() - width / 2.0, area.right() - width));
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRectF(left, rowTop + i * height, width, height),
                         Qt::AlignHCenter | Qt::AlignTop, lines[i]);
    painter.restore();
}

QStringList tubeLabels(const Tube& tube)
{
    return {
        RackTexts::shortMassLabel.arg(racklabels::shortNumber(racklabels::massConcentration(tube))),
        RackTexts::shortConcentrationLabel.arg(racklabels::shortNumber(tube.concentration))};
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
    const QFontMetricsF metrics(painter.font());
    const double lineHeight = metrics.lineSpacing();
    std::vector<QStringList> labels;
    double widest = 0.0;
    for (const Tube& tube : rack.tubes) {
        labels.push_back(tubeLabels(tube));
        for (const QString& line : labels.back())
            widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    // Each row of labels takes two lines; the tubes keep at least half the picture's height.
    const int maxRows = std::clamp(int((area.height() * 0.5 / lineHeight - 0.5) / 2.0), 1, 3);
    const LabelRows layout = labelRows(painter.font(), slotWidth, widest, maxRows);
    const double labelsHeight =
        (2.0 * layout.rows + 0.5) * QFontMetricsF(layout.font).lineSpacing();
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
        paintLabels(painter, area, slot, tubeBottom + 3.0, layout, i % layout.rows,
                    labels[std::size_t(i)]);
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
        paintLabels(painter, area, slot, tubeBottom + 3.0, layout, tubes % layout.rows,
                    {RackTexts::unknownLabel});
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
        paintLabels(painter, area, area, area.center().y(), LabelRows{painter.font(), 1}, 0,
                    {RackTexts::emptyRack});
    painter.restore();
}

} // namespace dosarium
