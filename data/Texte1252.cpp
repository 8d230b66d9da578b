#include "Texte1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined.
constexpr std::array<char32_t, 32> kPlage80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0};

void ajouterUtf8(std::string& sortie, char32_t c) {
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char octetPour(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kPlage80.size(); ++i)
        if (kPlage80[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string depuisWindows1252(std::string_view octets) {
    std::string sortie;
    sortie.reserve(octets.size());
    for (unsigned char b : octets) {
        if (b < 0x80) {
            sortie += static_cast<char>(b);
        } else if (b < 0xA0) {
            char32_t c = kPlage80[b - 0x80];
            ajouterUtf8(sortie, c ? c : b);
        } else {
            ajouterUtf8(sortie, b);
        }
    }
    return sortie;
}

std::string versWindows1252(std::string_view utf8) {
    std::string sortie;
    sortie.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<unsigned char>(utf8[i]);
        std::size_t suite = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : 4;
        if (suite == 4 || i + suite >= utf8.size()) {  // bad lead byte or cut sequence
            sortie += '?';
            ++i;
            continue;
        }
        char32_t c = suite == 0 ? b : (b & (0x3F >> suite));
        bool valide = true;
        for (std::size_t k = 1; k <= suite; ++k) {
            auto s = static_cast<unsigned char>(utf8[i + k]);
            valide = valide && (s & 0xC0) == 0x80;
            c = (c << 6) | (s & 0x3F);
        }
        sortie += valide ? octetPour(c) : '?';
        i += valide ? suite + 1 : 1;
    }
    return sortie;
}
