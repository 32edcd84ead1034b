#include "core/Random.h"

#include "core/Answer.h"

#include <chrono>
#include <cmath>

namespace sumwright {

namespace {

constexpr std::uint64_t GoldenGamma = 0x9E3779B97F4A7C15ULL;

constexpr std::uint64_t mix64(std::uint64_t z)
{
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

} // namespace

std::uint64_t ProcessRandom::next()
{
    m_state += GoldenGamma;
    return mix64(m_state);
}

float ProcessRandom::NextRandom()
{
    constexpr float Scale = 1.0F / 16777216.0F; // 2^-24
    return static_cast<float>(next() >> 40U) * Scale;
}

void ProcessRandom::ReseedRandom()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    reseedWith(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void ProcessRandom::reseedWith(std::int64_t clockNanoseconds)
{
    m_state = mix64(m_state ^ mix64(static_cast<std::uint64_t>(clockNanoseconds)));
}

ProcessRandom &processSequence()
{
    static ProcessRandom sequence;
    return sequence;
}

long RoundHalfEven(double x)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::lrint(x);
}

std::int16_t DrawInteger(RandomSource &random, int k, int m)
{
    const double r = random.NextRandom();
    const auto single = static_cast<float>(static_cast<double>(k) * r + static_cast<double>(m));
    return checkedInt16(RoundHalfEven(single));
}

} // namespace sumwright
