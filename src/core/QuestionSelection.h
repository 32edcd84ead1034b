#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sumwright {

// What the next test asks. The program holds one for the whole process; the main window's
// controls keep it in step: the level's option buttons, menu check marks and tag move together,
// and the count is the count box's text.
struct QuestionSelection
{
    std::int16_t QType = 0;  // 0 arithmetic, 1 series, 2 fraction (reserved, never selected)
    std::int16_t QIndex = 0; // kind within the type
    std::int16_t Level = 0;  // 0 Easy, 1 Medium, 2 Hard
    std::string LevelTag;    // the second half of every test title
    std::string countText;   // read afresh at every answer
};

inline constexpr std::int16_t ArithmeticType = 0;
inline constexpr std::int16_t SeriesType = 1;
inline constexpr int LevelCount = 3;
inline constexpr int ArithmeticKindCount = 4;
inline constexpr int SeriesKindCount = 3;

// Tag text of a level option button ("[Easy Mode]", ...); the second half of every title.
[[nodiscard]] std::string_view levelTag(int level);
// Tag text of a kind button ("Addition ", ..., "Alpha Numeric Series "); each ends in a blank.
[[nodiscard]] std::string_view kindTag(int qType, int qIndex);
// The question window's title: the kind button's tag followed directly by the level's tag.
[[nodiscard]] std::string testTitle(int qType, int qIndex, std::string_view tag);

// The question counts offered, in order; the first is the start-up choice.
inline constexpr std::string_view CountChoices[] = {"25", "50", "75", "100", "150", "200"};

} // namespace sumwright
