#pragma once

#include <cstdint>

namespace sumwright {

// The shared random sequence every generator draws from. Generators take it by reference so
// tests can script the values r and reproduce any question exactly.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // The next value r of the sequence, 0 <= r < 1, exactly representable as a float.
    [[nodiscard]] virtual float NextRandom() = 0;
    // Called at the start of every arithmetic question and nowhere else.
    virtual void ReseedRandom() = 0;
};

// The process generator: SplitMix64, whose output is fully defined by its algorithm (the same
// questions on every standard library), with O(1) re-seeding so an arithmetic question stays
// well under a microsecond. Yields multiples of 2^-24, so every value is exact in a float.
class ProcessRandom final : public RandomSource
{
public:
    // The fixed state every process starts from: series questions asked before the first
    // arithmetic question are the same in every run.
    static constexpr std::uint64_t InitialState = 0x5EED5EED0F0F1234ULL;

    explicit ProcessRandom(std::uint64_t state = InitialState)
        : m_state(state)
    {
    }

    [[nodiscard]] float NextRandom() override;
    // Mixes the wall clock at its finest resolution into the current state. Because the state
    // takes part, two re-seeds within the same clock tick still lead to different questions.
    void ReseedRandom() override;
    // The same mixing with a given clock reading in nanoseconds; ReseedRandom() uses the clock.
    void reseedWith(std::int64_t clockNanoseconds);

    [[nodiscard]] std::uint64_t state() const { return m_state; }

private:
    std::uint64_t next();
    std::uint64_t m_state;
};

// The one process-wide sequence.
[[nodiscard]] ProcessRandom &processSequence();

// Nearest integer, exact halves to the even neighbour: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
[[nodiscard]] long RoundHalfEven(double x);

// RoundHalfEven of k * r + m, where k * r + m is first rounded to single precision: yields m to
// m + k, the two end values each about half as likely as every inner value.
[[nodiscard]] std::int16_t DrawInteger(RandomSource &random, int k, int m);

} // namespace sumwright
