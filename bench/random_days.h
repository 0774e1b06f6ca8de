// The random days the conversion benchmarks share.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace vemla::bench {

// Random day numbers of 1901..2100, the same sequence in every benchmark.
inline std::vector<int32_t> RandomDays1901To2100(size_t count) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int32_t> day(2415386, 2488434);
    std::vector<int32_t> days(count);
    for (auto& d : days) d = day(rng);
    return days;
}

}  // namespace vemla::bench
