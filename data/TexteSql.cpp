#include "TexteSql.h"

#include <cctype>

namespace {

bool estDebutNom(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool estSuiteNom(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

// Length of the literal, quoted identifier or comment starting at i; 0 when none starts there.
std::size_t longueurNonCode(std::string_view sql, std::size_t i) {
    char c = sql[i];
    if (c == '\'' || c == '"') {
        std::size_t j = i + 1;
        while (j < sql.size()) {
            if (sql[j] == c) {
                if (j + 1 < sql.size() && sql[j + 1] == c) { j += 2; continue; }  // doubled quote
                return j + 1 - i;
            }
            ++j;
        }
        return sql.size() - i;
    }
    if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
        std::size_t fin = sql.find('\n', i);
        return (fin == std::string_view::npos ? sql.size() : fin) - i;
    }
    if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
        std::size_t fin = sql.find("*/", i + 2);
        return (fin == std::string_view::npos ? sql.size() : fin + 2) - i;
    }
    return 0;
}

bool estBlanc(std::string_view texte) {
    for (char c : texte)
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

SqlPositionnel versPositionnel(std::string_view sql) {
    SqlPositionnel resultat;
    resultat.texte.reserve(sql.size());
    std::size_t i = 0;
    while (i < sql.size()) {
        if (std::size_t n = longueurNonCode(sql, i)) {
            resultat.texte.append(sql.substr(i, n));
            i += n;
        } else if (sql[i] == ':' && i + 1 < sql.size() && estDebutNom(sql[i + 1])) {
            std::size_t j = i + 1;
            std::string nom;
            while (j < sql.size() && estSuiteNom(sql[j]))
                nom += static_cast<char>(std::toupper(static_cast<unsigned char>(sql[j++])));
            resultat.noms.push_back(std::move(nom));
            resultat.texte += '?';
            i = j;
        } else {
            resultat.texte += sql[i++];
        }
    }
    return resultat;
}

std::vector<std::string> decouperScript(std::string_view script) {
    std::vector<std::string> instructions;
    std::size_t debut = 0, i = 0;
    auto garder = [&](std::size_t fin) {
        std::string_view piece = script.substr(debut, fin - debut);
        if (!estBlanc(piece)) instructions.emplace_back(piece);
    };
    while (i < script.size()) {
        if (std::size_t n = longueurNonCode(script, i)) {
            i += n;
        } else if (script[i] == ';') {
            garder(i);
            debut = ++i;
        } else {
            ++i;
        }
    }
    garder(script.size());
    return instructions;
}
