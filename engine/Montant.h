// Fixed-point amounts and the rounding the cost replay relies on.
//
// A Montant is a signed 64-bit count of ten-thousandths. Every intermediate result is computed in
// 80-bit extended precision (long double, 64-bit significand, round to nearest, ties to even) with the
// Montant integers entering exactly; a value becomes a double only where a step says so.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>

static_assert(std::numeric_limits<long double>::digits == 64, "the cost replay needs 80-bit extended precision");

// Raised when a value leaves the range of a Montant; it stops the replay like a database error.
class ErreurArithmetique : public std::runtime_error {
public:
    ErreurArithmetique();
};

inline constexpr long double kDixMille = 10000.0L;

// x rounded to 10^d (d <= 0): divided by the double nearest 10^d, rounded to an integer (ties to
// even), multiplied back. Halves are decided on the double values, not on the decimal digits.
double RoundTo(double x, int d);

struct Montant {
    std::int64_t brut = 0;  // value × 10 000

    // y × 10 000 rounded to the nearest integer, ties to even.
    static Montant depuisReel(long double y);
    static Montant aQuatreDecimales(double x) { return depuisReel(RoundTo(x, -4)); }
    static Montant aDeuxDecimales(double x) { return depuisReel(RoundTo(x, -2)); }

    // The integer divided by 10 000, rounded to the nearest double.
    double versReel() const { return static_cast<double>(static_cast<long double>(brut) / kDixMille); }

    friend bool operator==(Montant, Montant) = default;
};

// A double combined with a Montant, in ten-thousandths: f × 10 000 + m.
inline long double enDixMilliemes(double f, Montant m) { return f * kDixMille + static_cast<long double>(m.brut); }
