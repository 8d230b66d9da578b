// The demo's random draws: one seeded generator, with its own arithmetic on the raw output so that a
// seed gives the same databases whatever the standard library.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

class Hasard {
public:
    explicit Hasard(std::uint64_t graine) : moteur_(graine) {}

    // A whole number from min to max, both included.
    int entier(int min, int max) {
        return min + static_cast<int>(moteur_() % static_cast<std::uint64_t>(max - min + 1));
    }
    // A number in [min, max).
    double reel(double min, double max) { return min + (max - min) * static_cast<double>(moteur_() >> 11) * 0x1.0p-53; }
    bool chance(double probabilite) { return reel(0, 1) < probabilite; }
    template <class T>
    const T& parmi(const std::vector<T>& valeurs) {
        return valeurs[static_cast<std::size_t>(entier(0, static_cast<int>(valeurs.size()) - 1))];
    }

private:
    std::mt19937_64 moteur_;
};
