#include "calculator/calculatorlogic.h"

#include "calculator/calculatornumbers.h"
#include "calculator/calculatortexts.h"
#include "calculator/expressionevaluator.h"
#include "numbers/numberreading.h"

#include <cmath>

namespace dosarium {

namespace {

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

QChar lastCharacter(const QString& text)
{
    return text.isEmpty() ? QChar() : text.back();
}

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

QString errorMessage(std::int16_t code)
{
    switch (code) {
    case UnbalancedBrackets:
        return calculatortexts::brackets;
    case MisplacedOperator:
        return calculatortexts::operators;
    default:
        return calculatortexts::impossible;
    }
}

} // namespace

CalculatorLogic::CalculatorLogic(CalculatorSession& session, std::function<void()> beep,
                                 std::function<void(const QString&)> showDisplay)
    : m_session(session), m_beep(std::move(beep)), m_showDisplay(std::move(showDisplay))
{}

void CalculatorLogic::load()
{
    m_session.expression.clear();
    m_radians = false;
    m_scientific = false;
    show(QString());
}

void CalculatorLogic::show(const QString& text)
{
    m_display = text;
    if (m_showDisplay)
        m_showDisplay(m_display);
}

void CalculatorLogic::append(const QString& text)
{
    m_session.expression += text;
    showExpression();
}

void CalculatorLogic::applyImplicitProduct()
{
    const QString& e = m_session.expression;
    if (!e.isEmpty() && e.back() != u'(' && e.back() != u'-' && e.back() != u' ')
        m_session.expression += QStringLiteral(" * ");
}

void CalculatorLogic::appendWithImplicitProduct(const QString& text)
{
    applyImplicitProduct();
    append(text);
}

void CalculatorLogic::answer()
{
    if (m_session.lastErrorCode == EvaluationOk && m_session.lastAnswerIsNumber)
        m_session.expression += m_session.lastAnswer.trimmed();
    showExpression();
}

void CalculatorLogic::appendOperator(const QString& text, bool needsDisplay)
{
    if (needsDisplay && isBlank(m_display))
        return;
    if (isBlank(m_session.expression))
        answer();
    append(text);
}

void CalculatorLogic::minus()
{
    const QString& e = m_session.expression;
    const QChar last = lastCharacter(e);
    if (last == u'(' || last == u' ' || last == u'E')
        append(QStringLiteral("-"));
    else if (last == u'-')
        append(QStringLiteral(" -"));
    else if (!e.isEmpty())
        append(QStringLiteral(" - "));
    else
        append(QStringLiteral("-"));
}

void CalculatorLogic::erase()
{
    QString& e = m_session.expression;
    if (e.isEmpty())
        return;
    if (e.back() != u' ') {
        e.chop(1);
    } else if (e.size() >= 2 && QStringLiteral("*+/-^").contains(e.at(e.size() - 2))) {
        e.chop(3);
    } else {
        // A function word and its space: back to the space or "(" before the word, which stays.
        qsizetype keep = e.size() - 2;
        while (keep >= 0 && e.at(keep) != u' ' && e.at(keep) != u'(')
            --keep;
        e.truncate(keep + 1);
    }
    showExpression();
}

bool CalculatorLogic::formatForDisplay(const QString& number, QString& text) const
{
    const std::optional<double> value = readNumber(number.toStdString());
    if (!value)
        return false;
    if (m_scientific)
        text = qs(formatScientific(*value));
    else
        text = (*value < 0 ? QString() : QStringLiteral(" ")) + qs(formatNumber(*value));
    return true;
}

void CalculatorLogic::execute()
{
    const QString restore = m_session.expression;
    std::string text = m_session.expression.toStdString();
    show(calculatortexts::waiting);
    std::int16_t code = EvaluationOk;
    ExpressionEvaluator::evaluateExpression(text, code, m_radians ? Radians : Degrees);
    m_session.lastErrorCode = code;
    QString result;
    bool isNumber = code == EvaluationOk;
    if (code != EvaluationOk) {
        result = errorMessage(code);
        if (m_beep)
            m_beep();
    } else if (!formatForDisplay(qs(text), result)) {
        result = calculatortexts::overflow;
        isNumber = false;
        if (m_beep)
            m_beep();
    }
    show(result);
    m_session.lastAnswer = result;
    m_session.lastAnswerIsNumber = isNumber;
    m_session.expression = code == EvaluationOk ? QString() : restore;
}

void CalculatorLogic::setScientific(bool scientific)
{
    m_scientific = scientific;
    if (!m_session.expression.isEmpty())
        return;
    // An error or overflow message stays as it is: there is no number to write again.
    if (m_session.lastErrorCode != EvaluationOk || !m_session.lastAnswerIsNumber)
        return;
    QString text;
    if (!formatForDisplay(m_session.lastAnswer, text))
        text = calculatortexts::overflow;
    show(text);
}

void CalculatorLogic::addToMemory(double sign)
{
    const std::optional<double> value = readNumber(m_display.toStdString());
    // Past the range of a double the memory keeps its value.
    if (!value)
        return;
    const double sum = m_session.memoryValue + sign * *value;
    if (std::isfinite(sum))
        m_session.memoryValue = sum;
}

void CalculatorLogic::recallMemory()
{
    const double m = m_session.memoryValue;
    append(qs(m_scientific ? formatScientific(m) : formatNumber(m)));
}

void CalculatorLogic::press(CalculatorKey key)
{
    using K = CalculatorKey;
    switch (key) {
    case K::B0:
    case K::B1:
    case K::B2:
    case K::B3:
    case K::B4:
    case K::B5:
    case K::B6:
    case K::B7:
    case K::B8:
    case K::B9:
        append(QString::number(int(key) - int(K::B0)));
        break;
    case K::Bpoint:
        append(QStringLiteral("."));
        break;
    case K::BtoEXP:
        append(QStringLiteral("E"));
        break;
    case K::pico:
        append(QStringLiteral("E-12"));
        break;
    case K::nano:
        append(QStringLiteral("E-9"));
        break;
    case K::micro:
        append(QStringLiteral("E-6"));
        break;
    case K::mil:
        append(QStringLiteral("E-3"));
        break;
    case K::kilo:
        append(QStringLiteral("E+3"));
        break;
    case K::mega:
        append(QStringLiteral("E+6"));
        break;
    case K::giga:
        append(QStringLiteral("E+9"));
        break;
    case K::tera:
        append(QStringLiteral("E+12"));
        break;
    case K::bpf:
        append(QStringLiteral(")"));
        break;
    case K::Bpo:
        appendWithImplicitProduct(QStringLiteral("("));
        break;
    case K::bsin:
        appendWithImplicitProduct(QStringLiteral("sin "));
        break;
    case K::Bcos:
        appendWithImplicitProduct(QStringLiteral("cos "));
        break;
    case K::Btan:
        appendWithImplicitProduct(QStringLiteral("tan "));
        break;
    case K::invsin:
        appendWithImplicitProduct(QStringLiteral("invSIN "));
        break;
    case K::invcos:
        appendWithImplicitProduct(QStringLiteral("invCOS "));
        break;
    case K::Btoncommande3:
        appendWithImplicitProduct(QStringLiteral("invTAN "));
        break;
    case K::Blog:
        appendWithImplicitProduct(QStringLiteral("log "));
        break;
    case K::Bln:
        appendWithImplicitProduct(QStringLiteral("ln "));
        break;
    case K::Bexp:
        appendWithImplicitProduct(QStringLiteral("exp "));
        break;
    case K::B10x:
        appendWithImplicitProduct(QStringLiteral("10 ^ "));
        break;
    case K::racine:
        appendWithImplicitProduct(QStringLiteral("SQR "));
        break;
    case K::Command5:
        appendWithImplicitProduct(QStringLiteral("1 / "));
        break;
    case K::pi:
        appendWithImplicitProduct(qs(formatNumber(4 * std::atan(1.0))));
        break;
    case K::puissance:
        appendOperator(QStringLiteral(" ^ "), false);
        break;
    case K::btcarre:
        appendOperator(QStringLiteral(" ^ 2"), false);
        break;
    case K::multip:
        appendOperator(QStringLiteral(" * "), true);
        break;
    case K::div:
        appendOperator(QStringLiteral(" / "), true);
        break;
    case K::plus:
        if (isBlank(m_display))
            break;
        if (isBlank(m_session.expression))
            answer();
        append(lastCharacter(m_session.expression) == u'E' ? QStringLiteral("+")
                                                           : QStringLiteral(" + "));
        break;
    case K::moins:
        minus();
        break;
    case K::ANS:
        answer();
        break;
    case K::EFFACE:
        erase();
        break;
    case K::RAZ:
        m_session.expression.clear();
        show(QString());
        break;
    case K::EXE:
        execute();
        break;
    case K::Command1:
        addToMemory(1);
        break;
    case K::Command2:
        addToMemory(-1);
        break;
    case K::Command3:
        recallMemory();
        break;
    case K::Command4:
        m_session.memoryValue = 0;
        break;
    }
}

bool CalculatorLogic::typeKey(int qtKey, const QString& text)
{
    using K = CalculatorKey;
    if (qtKey == Qt::Key_Backspace) {
        press(K::EFFACE);
        return true;
    }
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) {
        press(K::EXE);
        return true;
    }
    if (text.size() != 1)
        return false;
    const QChar c = text.front();
    if (c >= u'0' && c <= u'9') {
        press(CalculatorKey(int(K::B0) + (c.unicode() - u'0')));
        return true;
    }
    switch (c.unicode()) {
    case u'.':
    case u',': // the decimal key of a French numeric pad
        press(K::Bpoint);
        return true;
    case u'E':
    case u'e':
    case u'D':
    case u'd':
        press(K::BtoEXP);
        return true;
    case u'(':
        press(K::Bpo);
        return true;
    case u')':
        press(K::bpf);
        return true;
    case u'*':
        press(K::multip);
        return true;
    case u'/':
        press(K::div);
        return true;
    case u'+':
        press(K::plus);
        return true;
    case u'-':
        press(K::moins);
        return true;
    case u'^':
        press(K::puissance);
        return true;
    default:
        return false;
    }
}

} // namespace dosarium
