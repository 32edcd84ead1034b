#pragma once

#include "core/Question.h"
#include "core/Random.h"

#include <cstdint>

namespace sumwright {

inline constexpr int Addition = 0;
inline constexpr int Subtraction = 1;
inline constexpr int Multiplication = 2;
inline constexpr int Division = 3;

// One arithmetic question: re-seeds the sequence, then draws 2 * (level + 1) values for
// Addition and Subtraction, 2 for Multiplication and Division. The vertical layout puts the
// first number on its own line, three blanks ahead, and the operator and second number under it.
[[nodiscard]] Question arithmeticQuestion(RandomSource &random, int qIndex, int level,
                                          bool vertical);

} // namespace sumwright
