#include "core/QuestionDispatch.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <set>

using namespace sumwright;
using namespace sumwright::testing;

namespace {

QuestionSelection selectionOf(int qType, int qIndex, int level)
{
    QuestionSelection selection;
    selection.QType = static_cast<std::int16_t>(qType);
    selection.QIndex = static_cast<std::int16_t>(qIndex);
    selection.Level = static_cast<std::int16_t>(level);
    return selection;
}

} // namespace

namespace {

// Step 3, first letter E, on Easy.
std::vector<float> letterDrawsForE()
{
    return {forDraw(2, 3, 0), forDraw(4, 13, 0)};
}

// The process generator with a clock that never moves: every re-seed reads the same tick.
class FrozenClockRandom final : public RandomSource
{
public:
    float NextRandom() override { return inner.NextRandom(); }
    void ReseedRandom() override { inner.reseedWith(42); }
    ProcessRandom inner;
};

} // namespace

TEST(DispatchQuestion, setsTheFontByTypeAndKeepsTheLastArithmeticAlignment)
{
    QuestionLabel label;
    Answer answer = std::int16_t {0};

    ScriptedRandom vertical({forDraw(12, 20), forDraw(7, 20)});
    dispatchQuestion(selectionOf(0, 0, 0), true, vertical, label, answer);
    EXPECT_EQ(label.caption, "   12\r\n + 7");
    EXPECT_EQ(label.fontSize, 48);
    EXPECT_EQ(label.alignment, Alignment::Centre);
    EXPECT_EQ(answer, Answer {std::int16_t {19}});

    // A series question after a vertical test: 14 points, still centred, bVertical ignored.
    ScriptedRandom series(letterDrawsForE());
    dispatchQuestion(selectionOf(1, 1, 0), false, series, label, answer);
    EXPECT_EQ(label.caption, "E,  H,  K,  N,  ?");
    EXPECT_EQ(label.fontSize, 14);
    EXPECT_EQ(label.alignment, Alignment::Centre);
    EXPECT_EQ(answer, Answer {std::string("Q")});

    ScriptedRandom horizontal({forDraw(3, 10), forDraw(7, 10)});
    dispatchQuestion(selectionOf(0, 3, 0), false, horizontal, label, answer);
    EXPECT_EQ(label.caption, "21 / 3 =");
    EXPECT_EQ(label.fontSize, 48);
    EXPECT_EQ(label.alignment, Alignment::Left);
}

TEST(DispatchQuestion, aTypeOrKindWithoutGeneratorChangesNeitherCaptionNorAnswer)
{
    const QuestionSelection selections[] = {selectionOf(2, 0, 0), selectionOf(1, 3, 0),
                                            selectionOf(0, 4, 1), selectionOf(-1, 0, 0)};
    for (const QuestionSelection &selection : selections) {
        QuestionLabel label;
        label.caption = "before";
        label.alignment = Alignment::Centre;
        Answer answer = std::string("X");
        ScriptedRandom random({});
        dispatchQuestion(selection, true, random, label, answer);
        EXPECT_EQ(label.caption, "before");
        EXPECT_EQ(label.alignment, Alignment::Centre);
        EXPECT_EQ(answer, Answer {std::string("X")});
        EXPECT_EQ(random.draws + random.reseeds, 0);
    }
}

TEST(DispatchQuestion, seriesBeforeAnyArithmeticRepeatInEveryProcess)
{
    const auto firstTen = [] {
        ProcessRandom random;
        QuestionLabel label;
        Answer answer;
        std::vector<std::string> texts;
        for (int i = 0; i < 10; ++i) {
            dispatchQuestion(selectionOf(1, static_cast<std::int16_t>(i % 3), 2), false, random,
                             label, answer);
            texts.push_back(label.caption);
        }
        return texts;
    };
    EXPECT_EQ(firstTen(), firstTen());
}

TEST(DispatchQuestion, arithmeticQuestionsInOneClockTickDiffer)
{
    // Re-seeding with the same clock reading must not repeat the question.
    FrozenClockRandom random;
    std::set<std::string> texts;
    for (int i = 0; i < 20; ++i) {
        QuestionLabel label;
        Answer answer;
        dispatchQuestion(selectionOf(0, 2, 2), false, random, label, answer);
        texts.insert(label.caption);
    }
    EXPECT_GT(texts.size(), 10U);
}
