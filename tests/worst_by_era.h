// The largest error in each 500-year span of CE years, for tests that compare moments with the
// reference over six millennia and print how the agreement changes with age.
#pragma once

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace vemla::test {

struct WorstByEra {
    struct Worst {
        double error = 0.0;
        std::string where;
        int count = 0;
    };
    std::map<int, Worst> spans;  // first year of the span (-3000, -2500, ..., 2500)

    void Take(double year, double error, const std::string& where) {
        const int span = std::min(2500, 500 * static_cast<int>(std::floor(year / 500.0)));
        Worst& w = spans[span];
        ++w.count;
        if (std::fabs(error) > std::fabs(w.error)) w = {error, where, w.count};
    }
    void Print(const char* what) const {
        for (const auto& [span, w] : spans)
            std::printf("%s %5d..%5d: worst %+7.1f s (%s) of %d\n", what, span,
                        span == 2500 ? 3000 : span + 499, w.error, w.where.c_str(), w.count);
    }
};

}  // namespace vemla::test
