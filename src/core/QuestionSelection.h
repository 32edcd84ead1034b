#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sumwright {

// What the next test asks. The main window holds one for the whole process; the option
// buttons, menu check marks and LevelTag are kept in step with Level by the window.
struct QuestionSelection
{
    std::int16_t QType = 0;  // 0 arithmetic, 1 series, 2 fraction (reserved, never selected)
    std::int16_t QIndex = 0; // kind within the type
    std::int16_t Level = 0;  // 0 Easy, 1 Medium, 2 Hard
};

inline constexpr std::int16_t ArithmeticType = 0;
inline constexpr std::int16_t SeriesType = 1;
inline constexpr int LevelCount = 3;
inline constexpr int ArithmeticKindCount = 4;
inline constexpr int SeriesKindCount = 3;

// Tag text of a level option button ("[Easy Mode]", ...); the second half of every title.
[[nodiscard]] std::string_view LevelTag(int level);
// Tag text of a kind button ("Addition ", ..., "Alpha Numeric Series "); each ends in a blank.
[[nodiscard]] std::string_view KindTag(int qType, int qIndex);
// The question window's title: the kind button's tag followed directly by the level's tag.
[[nodiscard]] std::string TestTitle(int qType, int qIndex, std::string_view levelTag);

// The question counts offered, in order; the first is the start-up choice.
inline constexpr std::string_view CountChoices[] = {"25", "50", "75", "100", "150", "200"};

} // namespace sumwright
