#include "calculator/expressionevaluator.h"

#include "calculator/calculatornumbers.h"
#include "numbers/numberreading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace dosarium {

namespace {

using Failure = ExpressionEvaluator::Failure;

constexpr std::array<std::string_view, 10> functionNames = {"SQR", "EXP", "LOG", "LON", "SIN",
                                                            "COS", "TAN", "ISI", "ICO", "ITA"};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

void requireLength(const std::string& text)
{
    if (text.size() > ExpressionEvaluator::maxTextLength)
        throw Failure{};
}

std::string_view withoutOuterSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void toUpperAscii(std::string& text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
}

void removeSpaces(std::string& text)
{
    std::erase(text, ' ');
}

bool startsAt(const std::string& text, std::size_t position, std::string_view piece)
{
    return position <= text.size() && std::string_view(text).substr(position).starts_with(piece);
}

bool replaceAt(std::string& text, std::size_t position, std::string_view from, std::string_view to)
{
    if (!startsAt(text, position, from))
        return false;
    text.replace(position, from.size(), to);
    return true;
}

bool isFunctionAt(const std::string& text, std::size_t position)
{
    if (position + 3 > text.size())
        return false;
    const char* p = text.data() + position;
    for (const std::string_view name : functionNames) {
        if (p[0] == name[0] && p[1] == name[1] && p[2] == name[2])
            return true;
    }
    return false;
}

// Removes "(" and ")" around a plain number: digits and points, a sign only first.
bool unwrapBracketedNumbers(std::string& text)
{
    bool changed = false;
    std::size_t open = 0;
    while ((open = text.find('(', open)) != std::string::npos) {
        bool accepted = false;
        bool removed = false;
        for (std::size_t q = open + 1; q < text.size(); ++q) {
            const char c = text[q];
            if (isDigit(c) || c == '.' || ((c == '-' || c == '+') && q == open + 1)) {
                accepted = true;
                continue;
            }
            if (c == ')' && accepted) {
                text.erase(q, 1);
                text.erase(open, 1);
                removed = changed = true;
            }
            break;
        }
        if (!removed)
            ++open;
    }
    return changed;
}

double checked(double value)
{
    if (!std::isfinite(value))
        throw Failure{};
    return value;
}

double readOperand(std::string_view text)
{
    const std::optional<double> value = readNumber(text);
    if (!value)
        throw Failure{};
    return *value;
}

double quarterTurns()
{
    return 4 * std::atan(1.0);
}

double arcSineRadians(double x)
{
    if (x == 1)
        return 2 * std::atan(1.0);
    if (x == -1)
        return -2 * std::atan(1.0);
    if (std::abs(x) > 1)
        throw Failure{};
    return std::atan(x / std::sqrt(1 - x * x));
}

double toDegrees(double radians)
{
    return radians * 180 / quarterTurns();
}

double applyFunction(std::string_view name, double x, std::int16_t angleUnit)
{
    const bool degrees = angleUnit != Radians;
    const double angle = degrees ? x * 4 * std::atan(1.0) / 180 : x;
    if (name == "SQR") {
        if (x < 0)
            throw Failure{};
        return std::sqrt(x);
    }
    if (name == "EXP")
        return checked(std::exp(x));
    if (name == "LOG" || name == "LON") {
        if (x <= 0)
            throw Failure{};
        return name == "LON" ? std::log(x) : std::log(x) / std::log(10.0);
    }
    if (name == "SIN")
        return std::sin(angle);
    if (name == "COS")
        return std::cos(angle);
    if (name == "TAN")
        return checked(std::tan(angle));
    if (name == "ISI") {
        const double r = arcSineRadians(x);
        return degrees ? toDegrees(r) : r;
    }
    if (name == "ICO") {
        const double r = 2 * std::atan(1.0) - arcSineRadians(x);
        return degrees ? toDegrees(r) : r;
    }
    const double r = std::atan(x);
    return degrees ? toDegrees(r) : r;
}

double applyOperator(char op, double left, double right)
{
    switch (op) {
    case '^':
        return checked(std::pow(left, right));
    case '/':
        if (right == 0)
            throw Failure{};
        return checked(left / right);
    case '*':
        return checked(left * right);
    case '-':
        return checked(left - right);
    default:
        return checked(left + right);
    }
}

} // namespace

void ExpressionEvaluator::normaliseExpression(std::string& text)
{
    toUpperAscii(text);
    removeSpaces(text);
    requireLength(text);
    for (;;) {
        const std::string before = text;
        const std::size_t length = text.size();
        for (std::size_t p = 0; p < length; ++p) {
            replaceAt(text, p, "--", "+");
            replaceAt(text, p, "+-", "-");
            replaceAt(text, p, "-+", "-");
            replaceAt(text, p, "++", "+");
        }
        if (!text.empty() && text.front() == '+')
            text.erase(0, 1);
        unwrapBracketedNumbers(text);
        if (text == before)
            break;
    }
    spaceTokens(text);
}

void ExpressionEvaluator::spaceTokens(std::string& text)
{
    toUpperAscii(text);
    removeSpaces(text);
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    text.insert(text.begin(), ' ');
    text.push_back(' ');
    requireLength(text);
    // The walk rewrites only at and after its position and never grows a character to more than
    // three, so it ends before three times the length. The text ahead is kept reversed, so that
    // the rewrites just ahead of the walk cost nothing whatever the length.
    std::string ahead(text.rbegin(), text.rend());
    std::string done;
    done.reserve(3 * text.size());
    const auto at = [&ahead](std::size_t k) {
        return k < ahead.size() ? ahead[ahead.size() - 1 - k] : '\0';
    };
    const auto startsWith = [&at](std::string_view piece) {
        for (std::size_t k = 0; k < piece.size(); ++k) {
            if (at(k) != piece[k])
                return false;
        }
        return true;
    };
    const auto insertSpaceAfterName = [&ahead]() { ahead.insert(ahead.size() - 3, 1, ' '); };
    while (!ahead.empty()) {
        if (startsWith("SQR"))
            insertSpaceAfterName();
        if (startsWith("LN"))
            ahead.insert(ahead.size() - 1, 1, 'O');
        if (startsWith("LON"))
            insertSpaceAfterName();
        if (startsWith("SIN") || startsWith("COS"))
            insertSpaceAfterName();
        if (startsWith("LOG") || startsWith("TAN"))
            insertSpaceAfterName();
        if (startsWith("ISI") || startsWith("EXP"))
            insertSpaceAfterName();
        if (startsWith("ITA") || startsWith("ICO"))
            insertSpaceAfterName();
        if (startsWith("INV") && isUpperLetter(at(3)) && isUpperLetter(at(4)) &&
            isUpperLetter(at(5))) {
            const char first = at(3);
            const char second = at(4);
            ahead.resize(ahead.size() - 6);
            ahead.push_back(' ');
            ahead.push_back(second);
            ahead.push_back(first);
            ahead.push_back('I');
        }
        const char c = ahead.back();
        ahead.pop_back();
        const char before = done.empty() ? '\0' : done.back();
        const bool exponentSign = before == 'E' || before == 'D';
        if (c == '^' || c == '*' || c == '/' || (c == '+' && !exponentSign) ||
            (c == '-' && !exponentSign && before != '(' && before != ' ')) {
            done.push_back(' ');
            done.push_back(c);
            done.push_back(' ');
        } else {
            done.push_back(c);
        }
    }
    text = std::move(done);
    requireLength(text);
}

std::int16_t ExpressionEvaluator::checkSyntax(const std::string& text)
{
    std::int16_t code = EvaluationOk;
    int opening = 0;
    int closing = 0;
    for (std::size_t p = 0; p < text.size(); ++p) {
        const char c = text[p];
        if (c == '(')
            ++opening;
        else if (c == ')')
            ++closing;
        if ((c == '*' || c == '/' || c == '^') && p + 2 < text.size() && text[p + 2] == ' ')
            code = MisplacedOperator;
    }
    if (opening != closing)
        code = UnbalancedBrackets;
    return code;
}

void ExpressionEvaluator::countTokens(const std::string& text, EvaluationCounters& counters)
{
    counters = {};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            ++counters.openParenCount;
        if (text[i] == ' ' && i + 2 < text.size() && text[i + 2] == ' ') {
            const char op = text[i + 1];
            if (op == '+' || op == '-' || op == '*' || op == '/' || op == '^')
                ++counters.operatorCount;
        }
        if (isFunctionAt(text, i))
            ++counters.functionCount;
    }
}

void ExpressionEvaluator::applyFunctions(std::string& text, EvaluationCounters& counters,
                                         std::int16_t angleUnit)
{
    // b starts after the leading space; the argument follows the name and its space.
    std::size_t b = 1;
    while (b + 1 < text.size() && counters.functionCount > 0) {
        const std::size_t argument = b + 4;
        if (!isFunctionAt(text, b) || argument >= text.size() ||
            !(isDigit(text[argument]) || text[argument] == '-' || text[argument] == '.')) {
            ++b;
            continue;
        }
        const std::size_t end = text.find_first_of(") ", argument + 1);
        if (end == std::string::npos)
            throw Failure{};
        const double x = readOperand(std::string_view(text).substr(argument, end - argument));
        const double value =
            checked(applyFunction(std::string_view(text).substr(b, 3), x, angleUnit));
        text.replace(b, end - b, formatNumber(value));
        requireLength(text);
        --counters.functionCount;
        b = 1;
    }
}

void ExpressionEvaluator::reduceParentheses(std::string& text, EvaluationCounters& counters)
{
    for (;;) {
        const std::size_t open = text.rfind('(');
        if (open == std::string::npos)
            return;
        const std::size_t close = text.find(')', open + 1);
        if (close == std::string::npos)
            throw Failure{};
        std::string inner = text.substr(open + 1, close - open - 1);
        // Every function name holds a letter from F to Y; the exponent letters D and E do not.
        for (const char c : inner) {
            if (c >= 'F' && c <= 'Y')
                return;
        }
        normaliseExpression(inner);
        applyOperators(inner, counters);
        // With operators still counted, every group of the inner text was reduced: two tokens
        // left side by side would be glued into one number when the spaces go. A count that ran
        // out leaves the group's operators to the recount of a later pass.
        if (counters.operatorCount > 0 && withoutOuterSpaces(inner).find(' ') != std::string::npos)
            throw Failure{};
        text.replace(open, close - open + 1, inner);
        requireLength(text);
        --counters.openParenCount;
        normaliseExpression(text);
        if (counters.openParenCount <= 0)
            return;
    }
}

void ExpressionEvaluator::applyOperators(std::string& text, EvaluationCounters& counters)
{
    static constexpr std::array<char, 5> order = {'^', '/', '*', '-', '+'};
    normaliseExpression(text);
    // A reduction puts a number between two spaces, which never makes a new operator group: an
    // operator not found stays absent, and the next group of the current one lies after the value
    // just written. Resuming there gives the same reductions as searching again from the start.
    std::size_t current = 0;
    std::size_t from = 2;
    while (current < order.size() && counters.operatorCount > 0) {
        const std::string group = {' ', order[current], ' '};
        const std::size_t k = text.find(group, from);
        if (k == std::string::npos) {
            ++current;
            from = 2;
            continue;
        }
        // Each operand holds at least one character: the searches for the spaces that end them
        // start one character away from the operator group.
        const std::size_t leftSpace = text.rfind(' ', k - 2);
        const std::size_t leftStart = leftSpace == std::string::npos ? 0 : leftSpace + 1;
        std::string_view left = std::string_view(text).substr(leftStart, k - leftStart);
        if (!left.empty() && left.front() == '(')
            left.remove_prefix(1);
        const std::size_t rightStart = k + 3;
        const std::size_t rightEnd = text.find(' ', rightStart + 1);
        if (rightStart >= text.size() || rightEnd == std::string::npos)
            throw Failure{};
        const double value = applyOperator(
            order[current], readOperand(left),
            readOperand(std::string_view(text).substr(rightStart, rightEnd - rightStart)));
        text.replace(leftStart, rightEnd - leftStart, formatNumber(value));
        requireLength(text);
        --counters.operatorCount;
        from = std::max<std::size_t>(leftStart, 2);
    }
}

void ExpressionEvaluator::evaluateExpression(std::string& text, std::int16_t& errorCode,
                                             std::int16_t angleUnit) noexcept
{
    errorCode = EvaluationOk;
    try {
        normaliseExpression(text);
        errorCode = checkSyntax(text);
        if (errorCode != EvaluationOk)
            return;
        EvaluationCounters counters;
        countTokens(text, counters);
        std::string saved;
        for (int pass = 1;; ++pass) {
            if (text == saved)
                normaliseExpression(text);
            saved = text;
            if (pass > maxPasses) {
                errorCode = EvaluationImpossible;
                return;
            }
            if (counters.functionCount > 0) {
                applyFunctions(text, counters, angleUnit);
                normaliseExpression(text);
            }
            if (counters.openParenCount > 0)
                reduceParentheses(text, counters);
            countTokens(text, counters);
            if (counters.functionCount > 0 || counters.openParenCount > 0)
                continue;
            if (counters.operatorCount > 0)
                applyOperators(text, counters);
            countTokens(text, counters);
            if (counters.operatorCount > 0)
                continue;
            text = std::string(withoutOuterSpaces(text));
            if (text.find(' ') != std::string::npos)
                errorCode = EvaluationImpossible;
            return;
        }
    } catch (...) {
        errorCode = EvaluationImpossible;
    }
}

} // namespace dosarium
