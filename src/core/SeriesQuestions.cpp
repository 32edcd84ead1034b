#include "core/SeriesQuestions.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace sumwright {

namespace {

constexpr const char *Separator = ",  ";
constexpr const char *Ending = ",  ?";

void checkLevel(int level)
{
    if (level < 0 || level > 2)
        throw std::out_of_range("no such level");
}

// A direction draw: 1 (r above one half) reverses the list.
bool drawDescending(RandomSource &random)
{
    return DrawInteger(random, 1, 0) == 1;
}

std::string letterText(std::int16_t code)
{
    return {static_cast<char>(code)};
}

} // namespace

std::array<std::int16_t, 5> NumberSeriesTerms(RandomSource &random, int level)
{
    checkLevel(level);
    struct Draws
    {
        int stepSpan;
        int factorSpan;
        int offsetSpan;
    };
    constexpr std::array<Draws, 3> ByLevel = {{{4, 5, 5}, {9, 10, 10}, {19, 20, 20}}};
    const Draws draws = ByLevel.at(static_cast<std::size_t>(level));
    const std::int16_t step = DrawInteger(random, draws.stepSpan, 1);
    const std::int16_t factor = DrawInteger(random, draws.factorSpan, 1);
    const std::int16_t offset = DrawInteger(random, draws.offsetSpan, 0);
    const std::int16_t first = add16(mul16(factor, step), offset);

    std::array<std::int16_t, 5> terms {};
    for (std::size_t k = 0; k < terms.size(); ++k)
        terms[k] = add16(first, mul16(static_cast<std::int16_t>(k), step));
    if (level > 0 && drawDescending(random))
        std::reverse(terms.begin(), terms.end());
    return terms;
}

LetterList LetterSeriesTerms(RandomSource &random, int level)
{
    checkLevel(level);
    const std::int16_t step = add16(DrawInteger(random, level == 2 ? 4 : 3, 0), 1);
    const int span = 25 - 4 * step;
    const std::int16_t first = level == 0 ? add16(65, DrawInteger(random, span, 0))
                                          : add16(64, DrawInteger(random, span, 1));
    LetterList list;
    list.size = level == 2 ? 4 : 5;
    for (int k = 0; k < list.size; ++k)
        list.codes.at(static_cast<std::size_t>(k))
                = add16(first, mul16(static_cast<std::int16_t>(k), step));
    if (level == 2 && drawDescending(random))
        std::reverse(list.codes.begin(), list.codes.begin() + list.size);
    return list;
}

Question numberSeriesQuestion(RandomSource &random, int level)
{
    const auto terms = NumberSeriesTerms(random, level);
    Question question;
    question.text.reserve(32);
    for (std::size_t k = 0; k < 4; ++k) {
        if (k > 0)
            question.text += Separator;
        question.text += std::to_string(terms[k]);
    }
    question.text += Ending;
    question.vAnswer = terms[4];
    return question;
}

Question alphabetSeriesQuestion(RandomSource &random, int level)
{
    const LetterList list = LetterSeriesTerms(random, level);
    const auto last = static_cast<std::size_t>(list.size - 1);
    Question question;
    question.text.reserve(24);
    for (std::size_t k = 0; k < last; ++k) {
        if (k > 0)
            question.text += Separator;
        question.text += static_cast<char>(list.codes[k]);
    }
    question.text += Ending;
    question.vAnswer = letterText(list.codes[last]);
    return question;
}

Question alphaNumericSeriesQuestion(RandomSource &random, int level)
{
    const auto numbers = NumberSeriesTerms(random, level);
    const LetterList letters = LetterSeriesTerms(random, level);
    const bool lettersLead = DrawInteger(random, 1, 0) == 1;

    const auto number = [&](std::size_t k) { return std::to_string(numbers[k]); };
    const auto letter = [&](std::size_t k) { return letterText(letters.codes[k]); };
    Question question;
    question.text.reserve(40);
    for (std::size_t k = 0; k < 3; ++k) {
        question.text += lettersLead ? letter(k) : number(k);
        question.text += Separator;
        question.text += lettersLead ? number(k) : letter(k);
        question.text += Separator;
    }
    question.text += "?";
    if (lettersLead)
        question.vAnswer = letter(3);
    else
        question.vAnswer = number(3);
    return question;
}

} // namespace sumwright
