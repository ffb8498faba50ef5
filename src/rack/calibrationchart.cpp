#include "rack/calibrationchart.h"

#include "protocol/benchnumbers.h"
#include "rack/racktexts.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace dosarium {

QChart* calibrationChart(const Calibration& calibration,
                         const std::optional<UnknownReading>& reading)
{
    QChart* chart = new QChart;
    chart->setLocale(benchnumbers::frenchNumbers());
    chart->setLocalizeNumbers(true);
    chart->setTitle(RackTexts::chartTitle.arg(qRound(calibration.wavelength)));
    chart->legend()->setAlignment(Qt::AlignBottom);

    double highestC = 0.0;
    double highestA = 0.0;
    QScatterSeries* standards = new QScatterSeries;
    standards->setName(RackTexts::seriesStandards);
    standards->setMarkerSize(9.0);
    for (const CalibrationPoint& p : calibration.points) {
        standards->append(p.concentration, p.absorbance);
        highestC = std::max(highestC, p.concentration);
        highestA = std::max(highestA, p.absorbance);
    }
    if (reading) {
        highestC = std::max(highestC, reading->concentration);
        highestA = std::max(highestA, reading->absorbance);
    }
    highestC = highestC > 0.0 ? highestC * 1.1 : 1.0;
    highestA = highestA > 0.0 ? highestA * 1.1 : 1.0;

    QList<QAbstractSeries*> series{standards};
    if (calibration.fault == CalibrationFault::None) {
        QLineSeries* line = new QLineSeries;
        line->setName(RackTexts::seriesLine);
        line->append(0.0, 0.0);
        line->append(highestC, calibration.slope * highestC);
        highestA = std::max(highestA, calibration.slope * highestC);
        series.prepend(line);
    }
    if (reading) {
        QScatterSeries* unknown = new QScatterSeries;
        unknown->setName(RackTexts::seriesUnknown);
        unknown->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        unknown->setMarkerSize(11.0);
        unknown->append(reading->concentration, reading->absorbance);
        series.append(unknown);
    }

    QValueAxis* concentrationAxis = new QValueAxis;
    concentrationAxis->setTitleText(RackTexts::axisConcentration);
    concentrationAxis->setRange(0.0, highestC);
    concentrationAxis->setLabelFormat(highestC < 0.01 ? QStringLiteral("%.1e")
                                                      : QStringLiteral("%.3f"));
    concentrationAxis->applyNiceNumbers();
    QValueAxis* absorbanceAxis = new QValueAxis;
    absorbanceAxis->setTitleText(RackTexts::axisAbsorbance);
    absorbanceAxis->setRange(0.0, highestA);
    absorbanceAxis->setLabelFormat(QStringLiteral("%.2f"));
    absorbanceAxis->applyNiceNumbers();
    chart->addAxis(concentrationAxis, Qt::AlignBottom);
    chart->addAxis(absorbanceAxis, Qt::AlignLeft);
    for (QAbstractSeries* s : series) {
        chart->addSeries(s);
        s->attachAxis(concentrationAxis);
        s->attachAxis(absorbanceAxis);
    }
    return chart;
}

} // namespace dosarium
