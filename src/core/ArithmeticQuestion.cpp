#include "core/ArithmeticQuestion.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace sumwright {

namespace {

// Spans of the first and second operand of Addition and Subtraction, by level.
constexpr std::array<std::array<std::int16_t, 3>, 2> iRange1 = {{{20, 80, 900}, {20, 90, 900}}};
constexpr std::array<std::array<std::int16_t, 3>, 2> iRange2 = iRange1;

struct Operands
{
    std::int16_t a = 0;
    std::int16_t b = 0;
};

Operands drawSumOperands(RandomSource &random, int qIndex, int level)
{
    const auto row = static_cast<std::size_t>(qIndex);
    const auto column = static_cast<std::size_t>(level);
    const std::int16_t r1 = iRange1.at(row).at(column);
    const std::int16_t r2 = iRange2.at(row).at(column);
    Operands operands;
    // Every pass draws both values even where it only adds the span, so the sequence advances
    // by 2 * (level + 1) whatever is kept.
    for (int pass = level; pass >= 0; --pass) {
        const std::int16_t da = DrawInteger(random, r1, 0);
        operands.a = add16(operands.a, pass == level ? da : r1);
        const std::int16_t db = DrawInteger(random, r2, 0);
        operands.b = add16(operands.b, pass == level ? db : r2);
    }
    return operands;
}

Operands drawProductOperands(RandomSource &random, int level)
{
    Operands operands;
    operands.a = DrawInteger(random, level == 2 ? 20 : 10, 0);
    operands.b = DrawInteger(random, level == 0 ? 10 : 20, 0);
    return operands;
}

struct Shown
{
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::int16_t answer = 0;
};

Shown arrange(int qIndex, Operands operands)
{
    auto [a, b] = operands;
    switch (qIndex) {
    case Addition:
        return {a, b, add16(a, b)};
    case Subtraction:
        if (a > b)
            std::swap(a, b);
        return {b, a, sub16(b, a)};
    case Multiplication:
        return {b, a, mul16(b, a)};
    default:
        return {mul16(a, b), a, b};
    }
}

const char *operatorText(int qIndex, bool vertical)
{
    constexpr std::array<const char *, 4> Operators = {" + ", " - ", " x ", " / "};
    if (vertical && qIndex == Division)
        return " \u00F7 ";
    return Operators.at(static_cast<std::size_t>(qIndex));
}

} // namespace

Question arithmeticQuestion(RandomSource &random, int qIndex, int level, bool vertical)
{
    if (qIndex < Addition || qIndex > Division || level < 0 || level > 2)
        throw std::out_of_range("no arithmetic question of this kind or level");
    random.ReseedRandom();
    Operands operands = qIndex <= Subtraction ? drawSumOperands(random, qIndex, level)
                                              : drawProductOperands(random, level);
    if (operands.a == 0)
        operands.a = 1;
    if (operands.b == 0)
        operands.b = 1;
    const Shown shown = arrange(qIndex, operands);

    Question question;
    question.alignment = vertical ? Alignment::Centre : Alignment::Left;
    question.vAnswer = shown.answer;
    std::string &text = question.text;
    text.reserve(24);
    if (vertical)
        text += "   ";
    text += std::to_string(shown.first);
    if (vertical)
        text += "\r\n";
    text += operatorText(qIndex, vertical);
    text += std::to_string(shown.second);
    if (!vertical)
        text += " =";
    return question;
}

} // namespace sumwright
