#include "rack/spectrophotometerwindow.h"

#include "protocol/benchnumbers.h"
#include "rack/calibrationchart.h"
#include "rack/racklabels.h"
#include "rack/rackmodel.h"
#include "rack/racktexts.h"

#include <QChartView>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace dosarium {
namespace {

QString absorbanceText(double absorbance)
{
    return benchnumbers::fixed(absorbance, 3, benchnumbers::doubleDigits,
                               benchnumbers::frenchNumbers());
}

QLabel* readableLine(QWidget* parent)
{
    QLabel* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

} // namespace

SpectrophotometerWindow::SpectrophotometerWindow(const RackModel& rack, QWidget* parent)
    : QDialog(parent), m_rack(rack), m_wavelength(new QSpinBox(this)),
      m_chart(new QChartView(this)), m_readings(new QListWidget(this)), m_line(readableLine(this)),
      m_unknown(readableLine(this))
{
    setObjectName(QStringLiteral("spectrophotometre"));
    setWindowTitle(RackTexts::spectroTitle);
    setModal(true);
    resize(820, 560);

    const Chromophore species = !rack.tubes().empty() ? rack.tubes().front().chromophore()
                                : rack.unknown()      ? rack.unknown()->chromophore()
                                                      : Chromophore::None;
    m_wavelength->setRange(lowestWavelength, highestWavelength);
    m_wavelength->setSuffix(RackTexts::wavelengthSuffix);
    m_wavelength->setValue(bandMaximum(species));
    m_wavelength->setAccessibleName(RackTexts::wavelength);
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumHeight(300);
    m_readings->setMaximumHeight(110);
    m_readings->setAccessibleName(RackTexts::seriesStandards);

    QFormLayout* choice = new QFormLayout;
    choice->addRow(RackTexts::wavelength, m_wavelength);
    QDialogButtonBox* buttons = new QDialogButtonBox(this);
    buttons->addButton(RackTexts::close, QDialogButtonBox::RejectRole);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_readings);
    layout->addWidget(m_line);
    layout->addWidget(m_unknown);
    layout->addWidget(buttons);

    connect(m_wavelength, &QSpinBox::valueChanged, this, &SpectrophotometerWindow::measure);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The chart lays out its axes and labels at the view's size: giving the view its size first
    // spares a layout at a size it never shows.
    layout->activate();
    measure();
    m_wavelength->setFocus();
}

void SpectrophotometerWindow::measure()
{
    const Calibration calibration = calibrate(m_rack.tubes(), m_wavelength->value());
    std::optional<UnknownReading> reading;
    const std::optional<UnknownSolution>& unknown = m_rack.unknown();
    const bool sameSpecies = unknown && !m_rack.tubes().empty() &&
                             unknown->reagentIndex == m_rack.tubes().front().reagentIndex;
    if (sameSpecies)
        reading = readUnknown(calibration, *unknown);

    QChart* old = m_chart->chart();
    m_chart->setChart(calibrationChart(calibration, reading));
    delete old;

    m_readings->clear();
    for (std::size_t i = 0; i < calibration.points.size(); ++i)
        m_readings->addItem(RackTexts::tubeAbsorbance.arg(i + 1).arg(
            racklabels::concentrationText(calibration.points[i].concentration),
            absorbanceText(calibration.points[i].absorbance)));

    switch (calibration.fault) {
    case CalibrationFault::TooFewStandards:
        m_line->setText(RackTexts::tooFewStandards);
        break;
    case CalibrationFault::NoAbsorption:
        m_line->setText(RackTexts::noAbsorption);
        break;
    case CalibrationFault::None:
        m_line->setText(RackTexts::lineEquation.arg(
            benchnumbers::general(calibration.slope, 4, benchnumbers::frenchNumbers())));
        break;
    }
    if (!reading) {
        m_unknown->setText(calibration.fault == CalibrationFault::None ? RackTexts::noUnknownReading
                                                                       : QString());
        return;
    }
    m_unknown->setText(racklabels::unknownReadingText(*reading));
}

} // namespace dosarium
