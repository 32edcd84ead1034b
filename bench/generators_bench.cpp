// Cost of every question generator and of the answer check, on the process generator the
// program uses. Every allocation made while a case runs is counted: a generator may allocate the
// question text and nothing else, so a case that allocates more is reported as an error.

#include "core/Answer.h"
#include "core/AnswerCheck.h"
#include "core/ArithmeticQuestion.h"
#include "core/Question.h"
#include "core/Random.h"
#include "core/SeriesQuestions.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <new>
#include <string>

namespace {
std::atomic<long> allocations {0};
} // namespace

void *operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}

namespace {

using namespace sumwright;

// Whether a text lives outside its string object, that is, cost an allocation of its own.
bool onHeap(const std::string &text)
{
    const auto *object = reinterpret_cast<const char *>(&text);
    return text.data() < object || text.data() >= object + sizeof text;
}

// Times the generator, then counts what a fixed number of further questions allocate beyond
// their own texts.
template<typename Generate>
void measure(benchmark::State &state, Generate generate)
{
    ProcessRandom random;
    for (auto _ : state) {
        Question question = generate(random);
        benchmark::DoNotOptimize(question);
    }
    state.SetItemsProcessed(state.iterations());

    constexpr long Checked = 1000;
    long texts = 0;
    const long before = allocations.load();
    for (long i = 0; i < Checked; ++i) {
        Question question = generate(random);
        texts += onHeap(question.text) ? 1 : 0;
        if (const auto *answer = std::get_if<std::string>(&question.vAnswer))
            texts += onHeap(*answer) ? 1 : 0;
        benchmark::DoNotOptimize(question);
    }
    const long made = allocations.load() - before;
    state.counters["allocs/q"] = static_cast<double>(made) / Checked;
    state.counters["text_allocs/q"] = static_cast<double>(texts) / Checked;
    if (made > texts)
        state.SkipWithError("allocates beyond the question text");
}

void BM_Arithmetic(benchmark::State &state)
{
    const auto qIndex = static_cast<int>(state.range(0));
    const auto level = static_cast<int>(state.range(1));
    const bool vertical = state.range(2) != 0;
    measure(state, [&](RandomSource &random) {
        return arithmeticQuestion(random, qIndex, level, vertical);
    });
}
BENCHMARK(BM_Arithmetic)
        ->ArgNames({"op", "level", "vertical"})
        ->ArgsProduct({{Addition, Subtraction, Multiplication, Division}, {0, 1, 2}, {0, 1}});

void BM_NumberSeries(benchmark::State &state)
{
    const auto level = static_cast<int>(state.range(0));
    measure(state, [&](RandomSource &random) { return numberSeriesQuestion(random, level); });
}
BENCHMARK(BM_NumberSeries)->ArgName("level")->DenseRange(0, 2);

void BM_AlphabetSeries(benchmark::State &state)
{
    const auto level = static_cast<int>(state.range(0));
    measure(state, [&](RandomSource &random) { return alphabetSeriesQuestion(random, level); });
}
BENCHMARK(BM_AlphabetSeries)->ArgName("level")->DenseRange(0, 2);

void BM_AlphaNumericSeries(benchmark::State &state)
{
    const auto level = static_cast<int>(state.range(0));
    measure(state, [&](RandomSource &random) { return alphaNumericSeriesQuestion(random, level); });
}
BENCHMARK(BM_AlphaNumericSeries)->ArgName("level")->DenseRange(0, 2);

// The check of one typed answer against a number and against a letter, right and wrong; the
// typed text is what the answer box would hold, in the case the user typed it.
void BM_AnswerCheck(benchmark::State &state)
{
    struct Case
    {
        const char *typed;
        Answer expected;
    };
    const Case cases[] = {
            {"1234", std::int16_t {1234}}, {"1243", std::int16_t {1234}},
            {"-17", std::int16_t {-17}},   {"k", std::string("K")},
            {"j", std::string("K")},
    };
    const Case &c = cases[state.range(0)];
    const std::string typed = c.typed;
    const long before = allocations.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(isRightAnswer(typed, c.expected));
    // The same columns as the generators, so the results make one table.
    state.counters["allocs/q"] = static_cast<double>(allocations.load() - before)
            / static_cast<double>(state.iterations());
    state.counters["text_allocs/q"] = 0;
}
BENCHMARK(BM_AnswerCheck)->ArgName("case")->DenseRange(0, 4);

} // namespace

BENCHMARK_MAIN();
