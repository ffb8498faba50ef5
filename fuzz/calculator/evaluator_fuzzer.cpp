// Any text: the evaluator returns a code from 0 to 3, a single token on success, the same answer
// twice, and number texts that read back to themselves.
#include "calculator/calculatornumbers.h"
#include "calculator/expressionevaluator.h"
#include "numbers/numberreading.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::int16_t angleUnit = data[0] & 1;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::string text = input;
    std::int16_t code = -1;
    dosarium::ExpressionEvaluator::evaluateExpression(text, code, angleUnit);
    require(code >= 0 && code <= 3);
    if (code == 0)
        require(text.find(' ') == std::string::npos);

    std::string again = input;
    std::int16_t secondCode = -1;
    dosarium::ExpressionEvaluator::evaluateExpression(again, secondCode, angleUnit);
    require(secondCode == code && again == text);

    if (size >= 9) {
        double value;
        std::memcpy(&value, data + 1, sizeof value);
        if (std::isfinite(value)) {
            const std::string written = dosarium::formatNumber(value);
            if (const std::optional<double> read = dosarium::readNumber(written))
                require(dosarium::formatNumber(*read) == written);
            require(!dosarium::formatScientific(value).empty());
        }
    }
    return 0;
}
