#include "core/QuestionDispatch.h"

#include "core/ArithmeticQuestion.h"
#include "core/SeriesQuestions.h"

#include <optional>

namespace sumwright {

namespace {

std::optional<Question> generate(const QuestionSelection &selection, bool vertical,
                                 RandomSource &random)
{
    const int level = selection.Level;
    if (selection.QType == ArithmeticType) {
        if (selection.QIndex < Addition || selection.QIndex > Division)
            return std::nullopt;
        return arithmeticQuestion(random, selection.QIndex, level, vertical);
    }
    switch (selection.QIndex) {
    case NumberSeries:
        return numberSeriesQuestion(random, level);
    case AlphabetSeries:
        return alphabetSeriesQuestion(random, level);
    case AlphaNumericSeries:
        return alphaNumericSeriesQuestion(random, level);
    default:
        return std::nullopt;
    }
}

} // namespace

void dispatchQuestion(const QuestionSelection &selection, bool vertical, RandomSource &random,
                      QuestionLabel &label, Answer &vAnswer)
{
    if (selection.QType == ArithmeticType)
        label.fontSize = ArithmeticFontSize;
    else if (selection.QType == SeriesType)
        label.fontSize = SeriesFontSize;
    else
        return;
    std::optional<Question> question = generate(selection, vertical, random);
    if (!question)
        return;
    label.caption = std::move(question->text);
    if (question->alignment)
        label.alignment = *question->alignment;
    vAnswer = std::move(question->vAnswer);
}

} // namespace sumwright
