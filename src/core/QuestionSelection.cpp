#include "core/QuestionSelection.h"

#include <array>
#include <stdexcept>

namespace sumwright {

namespace {

constexpr std::array<std::string_view, LevelCount> LevelTags
        = {"[Easy Mode]", "[Medium Mode]", "[Hard Mode]"};
constexpr std::array<std::string_view, ArithmeticKindCount> ArithmeticTags
        = {"Addition ", "Subtraction ", "Multiplication ", "Division "};
constexpr std::array<std::string_view, SeriesKindCount> SeriesTags
        = {"Number Series ", "Alphabet Series ", "Alpha Numeric Series "};

template<std::size_t N>
std::string_view at(const std::array<std::string_view, N> &tags, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        throw std::out_of_range("no such tag");
    return tags[static_cast<std::size_t>(index)];
}

} // namespace

std::string_view levelTag(int level)
{
    return at(LevelTags, level);
}

std::string_view kindTag(int qType, int qIndex)
{
    if (qType == ArithmeticType)
        return at(ArithmeticTags, qIndex);
    if (qType == SeriesType)
        return at(SeriesTags, qIndex);
    throw std::out_of_range("no such question type");
}

std::string testTitle(int qType, int qIndex, std::string_view tag)
{
    std::string title(kindTag(qType, qIndex));
    title += tag;
    return title;
}

} // namespace sumwright
