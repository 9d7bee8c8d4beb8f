#pragma once
// The arithmetic rules of the table construction, in one place.
//
// - "32-bit integer" sums, differences and products wrap around as the machine's registers do,
//   so a wild value from a settings file gives a defined (if useless) number, never undefined
//   behaviour.
// - A floating quotient with a zero denominator is what IEEE division gives (plus or minus
//   infinity, NaN for 0 / 0), worked out without dividing by zero.
// - A floating value converted to a 32-bit integer truncates toward zero; NaN becomes 0 and a
//   value beyond the 32-bit range (infinities included) becomes INT32_MIN or INT32_MAX.
//
// So parallel lattice lines, a cell that has collapsed to a line and the all-zero lattice of a
// fresh install all give defined integers, and a build never fails on them.
#include <cmath>
#include <cstdint>
#include <limits>

namespace halvertone {

constexpr int32_t Add32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<int64_t>(a) + b);
}
constexpr int32_t Sub32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<int64_t>(a) - b);
}
constexpr int32_t Mul32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<int64_t>(a) * b);
}

constexpr int32_t ClampToInt32(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

inline double Quotient(double num, double den) {
    if (den != 0.0) return num / den;
    if (num == 0.0 || std::isnan(num)) return std::numeric_limits<double>::quiet_NaN();
    const bool negative = std::signbit(num) != std::signbit(den);
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
}

inline int32_t TruncToInt32(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483649.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);  // in range: truncates toward zero
}

}  // namespace halvertone
