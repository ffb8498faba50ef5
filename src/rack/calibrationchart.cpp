#include "rack/calibrationchart.h"

#include "protocol/benchnumbers.h"
#include "rack/racktexts.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

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
    for (const CalibrationPoint& p : calibration.points) {
        highestC = std::max(highestC, p.concentration);
        highestA = std::max(highestA, p.absorbance);
    }
    if (reading) {
        highestC = std::max(highestC, reading->concentration);
        highestA = std::max(highestA, reading->absorbance);
    }
    // Small concentrations are counted in a power of ten that the axis title names, as a
    // student's graph does.
    const int exponent =
        highestC > 0.0 && highestC < 0.01 ? int(std::floor(std::log10(highestC))) : 0;
    const double unit = std::pow(10.0, exponent);
    QValueAxis* concentrationAxis = new QValueAxis;
    concentrationAxis->setTitleText(
        exponent == 0 ? RackTexts::axisConcentration
                      : RackTexts::axisConcentrationPower.arg(benchnumbers::superscript(exponent)));
    concentrationAxis->setRange(0.0, highestC > 0.0 ? highestC * 1.1 / unit : 1.0);
    concentrationAxis->setLabelFormat(QStringLiteral("%.2f"));
    concentrationAxis->applyNiceNumbers();
    const double lineEnd = concentrationAxis->max() * unit;
    if (calibration.fault == CalibrationFault::None)
        highestA = std::max(highestA, calibration.slope * lineEnd);
    QValueAxis* absorbanceAxis = new QValueAxis;
    absorbanceAxis->setTitleText(RackTexts::axisAbsorbance);
    absorbanceAxis->setRange(0.0, highestA > 0.0 ? highestA : 1.0);
    absorbanceAxis->setLabelFormat(QStringLiteral("%.2f"));
    absorbanceAxis->applyNiceNumbers();

    QList<QAbstractSeries*> series;
    if (calibration.fault == CalibrationFault::None) {
        QLineSeries* line = new QLineSeries;
        line->setName(RackTexts::seriesLine);
        line->append(0.0, 0.0);
        line->append(lineEnd / unit, calibration.slope * lineEnd);
        series.append(line);
    }
    QScatterSeries* standards = new QScatterSeries;
    standards->setName(RackTexts::seriesStandards);
    standards->setMarkerSize(9.0);
    for (const CalibrationPoint& p : calibration.points)
        standards->append(p.concentration / unit, p.absorbance);
    series.append(standards);
    if (reading) {
        QScatterSeries* unknown = new QScatterSeries;
        unknown->setName(RackTexts::seriesUnknown);
        unknown->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        unknown->setMarkerSize(11.0);
        unknown->append(reading->concentration / unit, reading->absorbance);
        series.append(unknown);
    }

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
