// What the calculator's keys do, without any widget: the window forwards clicks and typed keys here
// and shows displayText().
#pragma once

#include "calculator/calculatorkeys.h"
#include "calculator/calculatorsession.h"

#include <QString>
#include <functional>

namespace dosarium {

class CalculatorLogic {
  public:
    // `showDisplay` is called with every new display text, the waiting text of EXE included, so
    // that the window can paint it at once.
    CalculatorLogic(CalculatorSession& session, std::function<void()> beep,
                    std::function<void(const QString&)> showDisplay = {});

    // The window's start-up: empty expression, "Degrés" and "Standard".
    void load();

    void press(CalculatorKey key);
    // A key typed while the display has the focus; false when the key means nothing here.
    bool typeKey(int qtKey, const QString& text);

    bool radians() const { return m_radians; }
    void setRadians(bool radians) { m_radians = radians; }
    bool scientific() const { return m_scientific; }
    // The display-mode switch.
    void setScientific(bool scientific);

    const QString& displayText() const { return m_display; }
    const QString& expression() const { return m_session.expression; }

  private:
    void append(const QString& text);
    void appendWithImplicitProduct(const QString& text);
    void applyImplicitProduct();
    void answer();
    void appendOperator(const QString& text, bool needsDisplay);
    void minus();
    void erase();
    void execute();
    void addToMemory(double sign);
    void recallMemory();
    // The display text of a number: Standard or "#.#######E+00"; false on overflow.
    bool formatForDisplay(const QString& number, QString& text) const;
    void show(const QString& text);
    void showExpression() { show(m_session.expression); }

    CalculatorSession& m_session;
    std::function<void()> m_beep;
    std::function<void(const QString&)> m_showDisplay;
    QString m_display;
    bool m_radians = false;
    bool m_scientific = false;
};

} // namespace dosarium
