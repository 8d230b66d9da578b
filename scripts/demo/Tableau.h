// Aligned text tables for the terminal, with French number formatting.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct ColonneTableau {
    std::string titre;
    bool aDroite;
};

// Titles, a rule, then the rows; widths count characters, not UTF-8 bytes.
void imprimerTableau(std::ostream& sortie, const std::vector<ColonneTableau>& colonnes,
                     const std::vector<std::vector<std::string>>& lignes);

// A decimal comma, a fixed number of decimals, and the sign when asked.
std::string nombreFrancais(double x, int decimales, bool signe = false);
