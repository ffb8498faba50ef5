// The calculator window, shown modally from the workbench. The key logic lives in CalculatorLogic;
// this window lays out the keys, forwards clicks and typed keys, and paints.
#pragma once

#include "calculator/calculatorlogic.h"
#include "calculator/calculatorsession.h"

#include <QDialog>
#include <functional>

class QPlainTextEdit;
class QRadioButton;

namespace dosarium {

class Machine : public QDialog {
    Q_OBJECT

  public:
    // The window is loaded anew each time it is shown; `session` outlives it and keeps the last
    // answer and the memory for the run.
    explicit Machine(CalculatorSession& session, QWidget* parent = nullptr);

    // Replaces the computer's beep (tests count beeps with it).
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    const CalculatorLogic& logic() const { return m_logic; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildOptions();
    void buildKeys();
    void showDisplay(const QString& text);
    void focusDisplay();

    std::function<void()> m_beep;
    CalculatorLogic m_logic;
    QPlainTextEdit* m_z1 = nullptr;
    QRadioButton* m_angle[2] = {};
    QRadioButton* m_c[2] = {};
};

// Shows the calculator modally over `parent` and returns when the student closes it.
void showCalculator(QWidget* parent, CalculatorSession& session);

} // namespace dosarium
