// The calculator's evaluator: it rewrites the expression text step by step, computing one piece at
// a time and splicing the value's text back, until one number is left. No parse tree is built.
#pragma once

#include <cstdint>
#include <string>

namespace dosarium {

enum EvaluationError : std::int16_t {
    EvaluationOk = 0,
    EvaluationImpossible = 1,
    UnbalancedBrackets = 2,
    MisplacedOperator = 3,
};

enum AngleUnit : std::int16_t { Degrees = 0, Radians = 1 };

// Counts of the working text; reductions lower them by one, so between two recounts they may lag
// behind the text, and the steps stop on them.
struct EvaluationCounters {
    std::int16_t openParenCount = 0;
    std::int16_t functionCount = 0;
    std::int16_t operatorCount = 0;
};

class ExpressionEvaluator {
  public:
    // Working texts are limited to positions a 16-bit count can reach.
    static constexpr std::size_t maxTextLength = 32767;
    static constexpr int maxPasses = 100;

    // Thrown by the steps below when a computation or a text operation fails; evaluateExpression
    // turns it into code 1 and never lets anything escape.
    struct Failure {};

    // `text` in and out: on code 0 the single number left, without surrounding spaces; on other
    // codes a partly rewritten text to discard.
    static void evaluateExpression(std::string& text, std::int16_t& errorCode,
                                   std::int16_t angleUnit) noexcept;

    // The steps, each in place on the working text.
    static void normaliseExpression(std::string& text);
    static void spaceTokens(std::string& text);
    static std::int16_t checkSyntax(const std::string& text);
    static void countTokens(const std::string& text, EvaluationCounters& counters);
    static void applyFunctions(std::string& text, EvaluationCounters& counters,
                               std::int16_t angleUnit);
    static void reduceParentheses(std::string& text, EvaluationCounters& counters);
    static void applyOperators(std::string& text, EvaluationCounters& counters);
};

} // namespace dosarium
