#include "rack/rackprinting.h"

#include "rack/calibration.h"
#include "rack/calibrationchart.h"
#include "rack/rackcommands.h"
#include "rack/racklabels.h"
#include "rack/rackpainting.h"
#include "rack/racktexts.h"

#include <QChart>
#include <QGraphicsScene>
#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>
#include <optional>

namespace dosarium {

void printRack(QPagedPaintDevice& device, const RackContent& rack)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    const QRectF page(0, 0, device.width(), device.height());
    QFont font = painter.font();
    font.setPointSizeF(10.0);
    painter.setFont(font);
    const double line = painter.fontMetrics().lineSpacing();

    QFont titleFont = font;
    titleFont.setPointSizeF(16.0);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const double titleHeight = painter.fontMetrics().lineSpacing() * 1.5;
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignTop, RackTexts::printedTitle);
    painter.setFont(font);

    double y = page.top() + titleHeight;
    const QRectF tubes(page.left(), y, page.width(), page.height() * 0.3);
    paintRack(painter, tubes, rack);
    y = tubes.bottom() + line;

    std::optional<Calibration> calibration;
    std::optional<UnknownReading> reading;
    if (rack.tubes.size() >= 2) {
        calibration = calibrate(rack.tubes, bandMaximum(rack.tubes.front().chromophore()));
        if (rack.unknown && rack.unknown->reagentIndex == rack.tubes.front().reagentIndex)
            reading = readUnknown(*calibration, *rack.unknown);
    }

    QStringList lines;
    for (std::size_t i = 0; i < rack.tubes.size(); ++i)
        lines.append(racklabels::tubeName(int(i) + 1, rack.tubes[i]));
    if (rack.unknown)
        lines.append(racklabels::unknownName(*rack.unknown));
    if (rack.bracket && rack.unknown)
        lines.append(verdictText(
            judgeBracket(rack.tubes, rack.bracket->lower, rack.bracket->upper, *rack.unknown),
            rack));
    if (reading)
        lines.append(
            RackTexts::printedReading.arg(racklabels::unknownReadingText(*reading),
                                          QString::number(qRound(calibration->wavelength))));
    for (const QString& text : lines) {
        const QRectF box = painter.boundingRect(QRectF(page.left(), y, page.width(), page.height()),
                                                Qt::TextWordWrap, text);
        painter.drawText(box, Qt::TextWordWrap, text);
        y = box.bottom() + line * 0.3;
    }

    if (!calibration)
        return;
    y += line;
    const QRectF chartArea(page.left(), y, page.width(), std::max(0.0, page.bottom() - y));
    // The chart is laid out at screen size and scaled onto the page, so its fonts keep their
    // proportions whatever the printer's resolution.
    QGraphicsScene scene;
    QChart* chart = calibrationChart(*calibration, reading);
    scene.addItem(chart);
    const QSizeF layout(800.0, 800.0 * chartArea.height() / std::max(1.0, chartArea.width()));
    chart->resize(layout);
    scene.setSceneRect(QRectF(QPointF(0, 0), layout));
    scene.render(&painter, chartArea, scene.sceneRect());
}

} // namespace dosarium
