// Time of one evaluation: a short expression, a long flat one and the deepest accepted nesting.
#include "calculator/expressionevaluator.h"

#include <benchmark/benchmark.h>

namespace {

using dosarium::ExpressionEvaluator;

void evaluate(benchmark::State& state, const std::string& expression, std::int16_t angleUnit)
{
    std::int16_t code = -1;
    for (auto _ : state) {
        std::string text = expression;
        ExpressionEvaluator::evaluateExpression(text, code, angleUnit);
        benchmark::DoNotOptimize(text);
    }
    if (code != 0)
        state.SkipWithError("the expression did not evaluate");
}

std::string flatExpression(int terms)
{
    static const char* const operators[] = {" + ", " * ", " - ", " / "};
    std::string text = "1";
    for (int i = 1; i < terms; ++i) {
        text += operators[i % 4];
        text += std::to_string(i % 9 + 1);
    }
    return text;
}

std::string nestedFunctions(int depth)
{
    static const char* const names[] = {"sin ", "cos ", "tan ", "invTAN "};
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += std::string(names[i % 4]) + "(";
    text += "30";
    text.append(std::size_t(depth), ')');
    return text;
}

void BM_Short(benchmark::State& state)
{
    evaluate(state, "2 * (3 + sin 30)", dosarium::Degrees);
}
void BM_Flat200(benchmark::State& state)
{
    evaluate(state, flatExpression(200), dosarium::Degrees);
}
void BM_Nested100(benchmark::State& state)
{
    evaluate(state, nestedFunctions(100), dosarium::Radians);
}

} // namespace

BENCHMARK(BM_Short);
BENCHMARK(BM_Flat200);
BENCHMARK(BM_Nested100);
