#include "Tableau.h"

#include <algorithm>
#include <cstdio>

namespace {

std::size_t largeur(const std::string& texte) {
    return static_cast<std::size_t>(std::count_if(texte.begin(), texte.end(),
                                                   [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

void imprimerTableau(std::ostream& sortie, const std::vector<ColonneTableau>& colonnes,
                     const std::vector<std::vector<std::string>>& lignes) {
    std::vector<std::string> titres, traits;
    std::vector<std::size_t> largeurs;
    for (const ColonneTableau& c : colonnes) {
        titres.push_back(c.titre);
        largeurs.push_back(largeur(c.titre));
    }
    for (const auto& ligne : lignes)
        for (std::size_t i = 0; i < ligne.size(); ++i) largeurs[i] = std::max(largeurs[i], largeur(ligne[i]));
    for (std::size_t l : largeurs) traits.push_back(std::string(l, '-'));

    auto imprimer = [&](const std::vector<std::string>& cellules) {
        std::string texte;
        for (std::size_t i = 0; i < cellules.size(); ++i) {
            const std::string marge(largeurs[i] - largeur(cellules[i]), ' ');
            texte += (i ? "  " : "") + (colonnes[i].aDroite ? marge + cellules[i] : cellules[i] + marge);
        }
        texte.erase(texte.find_last_not_of(' ') + 1);
        sortie << texte << '\n';
    };
    imprimer(titres);
    imprimer(traits);
    for (const auto& ligne : lignes) imprimer(ligne);
}

std::string nombreFrancais(double x, int decimales, bool signe) {
    char texte[48];
    std::snprintf(texte, sizeof texte, signe ? "%+.*f" : "%.*f", decimales, x);
    std::string s = texte;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}
