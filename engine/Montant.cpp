#include "Montant.h"

#include <cmath>

namespace {

long double puissanceDix(int n) {
    long double p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

}  // namespace

ErreurArithmetique::ErreurArithmetique()
    : std::runtime_error("Opération en virgule flottante incorrecte : valeur hors des limites d'un montant") {}

double RoundTo(double x, int d) {
    const double facteur = static_cast<double>(1.0L / puissanceDix(-d));
    const long double n = std::nearbyint(static_cast<long double>(x) / facteur);
    return static_cast<double>(n * facteur);
}

Montant Montant::depuisReel(long double y) {
    const long double dixMilliemes = std::nearbyint(y * kDixMille);
    // 2^63 is exact in extended precision; NaN fails both comparisons.
    constexpr long double limite = 9223372036854775808.0L;
    if (!(dixMilliemes >= -limite && dixMilliemes < limite)) throw ErreurArithmetique();
    return Montant{static_cast<std::int64_t>(dixMilliemes)};
}
