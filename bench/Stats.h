#pragma once

// The few statistics every benchmark here reports, written once so that all of them round and
// rank their samples the same way.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace sumwright::bench {

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Percentiles
{
    double p50, p99, max;
};

// Nearest-rank percentiles: each is a sample that was really measured.
inline Percentiles percentiles(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        const auto rank
                = static_cast<std::size_t>(std::ceil(q * static_cast<double>(samples.size())));
        return samples[std::max<std::size_t>(rank, 1) - 1];
    };
    return {at(0.50), at(0.99), samples.back()};
}

inline const char *verdict(bool holds)
{
    return holds ? "holds" : "MISSED";
}

} // namespace sumwright::bench
