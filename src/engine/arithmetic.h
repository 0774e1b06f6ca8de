// Small pieces of arithmetic the calendar and the astronomy share.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vemla {

// Floor modulo and division for a positive divisor: the remainder lies in
// [0, b) also for negative numerators, so day and year counts before the
// epoch fall into the right cycle (-1 div 60 is -1, remainder 59).
constexpr int64_t FloorMod(int64_t a, int64_t b) {
    const int64_t r = a % b;
    return r < 0 ? r + b : r;
}
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
    return (a - FloorMod(a, b)) / b;
}

// c[0] + c[1] x + ... + c[Terms-1] x^(Terms-1) by Horner's rule: the polynomial of the first
// Terms coefficients, so that one table of a series serves its shorter truncations too; the loop
// unrolls.
template <size_t Terms, size_t N>
constexpr double HornerFirst(const double (&c)[N], double x) {
    static_assert(Terms >= 1 && Terms <= N, "a truncation of the table");
    double r = c[Terms - 1];
    for (size_t i = Terms - 1; i-- > 0;) r = r * x + c[i];
    return r;
}

// c[0] + c[1] x + ... + c[N-1] x^(N-1), every coefficient of the table.
template <size_t N>
constexpr double Horner(const double (&c)[N], double x) {
    return HornerFirst<N>(c, x);
}

}  // namespace vemla
