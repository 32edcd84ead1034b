#pragma once

#include "core/Question.h"
#include "core/Random.h"

#include <array>
#include <cstdint>

namespace sumwright {

inline constexpr int NumberSeries = 0;
inline constexpr int AlphabetSeries = 1;
inline constexpr int AlphaNumericSeries = 2;

// Five terms of an arithmetic progression in display order. Draws step, factor, offset and, on
// Medium and Hard, the direction: 3 or 4 values of the sequence, never a re-seed.
[[nodiscard]] std::array<std::int16_t, 5> NumberSeriesTerms(RandomSource &random, int level);

// Evenly spaced letter codes (65 'A' to 90 'Z') in display order.
struct LetterList
{
    std::array<std::int16_t, 5> codes {};
    int size = 0; // five on Easy and Medium, four on Hard
};
// Draws step, first code and, on Hard, the direction: 2 or 3 values, never a re-seed.
[[nodiscard]] LetterList LetterSeriesTerms(RandomSource &random, int level);

[[nodiscard]] Question numberSeriesQuestion(RandomSource &random, int level);
[[nodiscard]] Question alphabetSeriesQuestion(RandomSource &random, int level);
// Number terms, then letter terms, then the lead: 6, 7 or 8 values.
[[nodiscard]] Question alphaNumericSeriesQuestion(RandomSource &random, int level);

} // namespace sumwright
