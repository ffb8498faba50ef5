// What the calculator keeps from one opening of its window to the next during a run.
#pragma once

#include <QString>
#include <cstdint>

namespace dosarium {

struct CalculatorSession {
    // Emptied each time the window opens.
    QString expression;
    // What the last EXE displayed: a result, an error message or the overflow message.
    QString lastAnswer;
    std::int16_t lastErrorCode = 0;
    // False after an overflow: the message it left is no answer for ANS to reuse.
    bool lastAnswerIsNumber = true;
    double memoryValue = 0.0;
};

} // namespace dosarium
