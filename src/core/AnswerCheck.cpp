#include "core/AnswerCheck.h"

#include <charconv>
#include <cmath>

namespace sumwright {

std::string upperCase(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool isRightAnswer(std::string_view typed, const Answer &expected)
{
    const std::string wanted = answerText(expected);
    // Lengths first: a pasted page of text is rejected without being copied.
    return typed.size() == wanted.size() && upperCase(typed) == wanted;
}

double countValue(std::string_view countText)
{
    std::size_t start = countText.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return 0.0;
    double sign = 1.0;
    if (countText[start] == '+' || countText[start] == '-') {
        sign = countText[start] == '-' ? -1.0 : 1.0;
        ++start;
    }
    const std::string_view rest = countText.substr(start);
    // from_chars would also take "inf" and "nan"; only digits or a decimal point start a number.
    if (rest.empty() || !((rest[0] >= '0' && rest[0] <= '9') || rest[0] == '.'))
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return sign * HUGE_VAL;
    if (result.ec != std::errc {})
        return 0.0;
    return sign * value;
}

} // namespace sumwright
