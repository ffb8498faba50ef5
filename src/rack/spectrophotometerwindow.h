// The "Spectrophotomètre" view of the rack: a wavelength to choose, each tube's absorbance, the
// calibration line and the unknown read on it.
#pragma once

#include <QDialog>

class QChartView;
class QLabel;
class QListWidget;
class QSpinBox;

namespace dosarium {

class RackModel;

class SpectrophotometerWindow : public QDialog {
    Q_OBJECT

  public:
    explicit SpectrophotometerWindow(const RackModel& rack, QWidget* parent = nullptr);

    QChartView* chartView() const { return m_chart; }

  private:
    void measure();

    const RackModel& m_rack;
    QSpinBox* m_wavelength;
    QChartView* m_chart;
    QListWidget* m_readings;
    QLabel* m_line;
    QLabel* m_unknown;
};

} // namespace dosarium
