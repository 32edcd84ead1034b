#pragma once

#include "core/Random.h"

#include <stdexcept>
#include <vector>

namespace sumwright::testing {

// Feeds chosen values r to a generator and counts what it consumed.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<float> values)
        : m_values(std::move(values))
    {
    }

    float NextRandom() override
    {
        if (m_next >= m_values.size())
            throw std::logic_error("generator drew more values than scripted");
        ++draws;
        return m_values[m_next++];
    }
    void ReseedRandom() override { ++reseeds; }

    [[nodiscard]] bool allConsumed() const { return m_next == m_values.size(); }

    int draws = 0;
    int reseeds = 0;

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

// The value r that makes DrawInteger(k, m) yield d.
inline float forDraw(int d, int k, int m = 0)
{
    const float r = static_cast<float>(d - m) / static_cast<float>(k);
    return r >= 1.0F ? 1.0F - 1.0F / 16777216.0F : r;
}

// A direction, lead or other DrawInteger(1, 0) draw.
inline float coin(bool one)
{
    return one ? 0.75F : 0.25F;
}

} // namespace sumwright::testing
