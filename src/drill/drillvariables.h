#pragma once
// What a drill window remembers between showings. One set per window lives as long as the
// program; the window's widgets come and go around it, so the controls start afresh on each
// showing while these values stay as the last run or setting left them.

#include <cstdint>
#include <optional>

namespace suite::drill {

struct DrillVariables {
    double questionTotal = 0;
    double timeLimit = 0;
    int questionNo = 0;
    float draw1 = 0;
    float draw2 = 0;
    // Held in double, not single precision, so that every product of two 16-bit operands
    // (up to 32767 x 32767) is formed, shown and judged exactly.
    double operandA = 0;
    double operandB = 0;
    double userAnswer = 0;
    std::int16_t rangeMax = 0;
    std::int16_t penaltyCount = 0;
    double pointsPerQuestion = 0;
    std::int32_t score = 0;

    // The factorial and counting windows fix their answer when they draw the question.
    double expectedAnswer = 0;
    int questionKind = 0;  // counting window: 0 permutations "A", 1 combinations "C"

    // The quadratic-equation window.
    std::int16_t rootLowerBound = 0;
    float draw3 = 0;
    float draw4 = 0;
    double root1 = 0;
    double root2 = 0;
    double coefB = 0;
    double coefC = 0;
    double userAnswer2 = 0;
    int difficultyLevel = 0;
    // Its penalty is kept unrounded, and adds nothing until a level or the custom prompt
    // has set it.
    std::optional<double> quadraticPenalty;
};

}  // namespace suite::drill
