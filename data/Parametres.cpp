#include "Parametres.h"

#include <cctype>

#include "Texte1252.h"

namespace {

bool memeNom(std::string_view majuscule, std::string_view nom) {
    if (majuscule.size() != nom.size()) return false;
    for (std::size_t i = 0; i < nom.size(); ++i)
        if (majuscule[i] != std::toupper(static_cast<unsigned char>(nom[i]))) return false;
    return true;
}

}  // namespace

Parametres::Valeur& Parametres::entree(std::string_view nom) {
    for (Valeur& v : valeurs_)
        if (memeNom(v.nom, nom)) return v;
    Valeur& nouvelle = valeurs_.emplace_back();
    for (char c : nom) nouvelle.nom += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return nouvelle;
}

void Parametres::setTexte(std::string_view nom, std::string_view utf8) {
    Valeur& v = entree(nom);
    v.type = Type::Texte;
    v.texte = versWindows1252(utf8);
}

void Parametres::setEntier(std::string_view nom, std::int32_t valeur) {
    Valeur& v = entree(nom);
    v.type = Type::Entier;
    v.entier = valeur;
}

void Parametres::setReel(std::string_view nom, double valeur) {
    Valeur& v = entree(nom);
    v.type = Type::Reel;
    v.reel = valeur;
}

void Parametres::setNul(std::string_view nom) { entree(nom).type = Type::Nul; }

const Parametres::Valeur& Parametres::valeur(std::string_view nomMajuscule) const {
    static const Valeur nul;
    for (const Valeur& v : valeurs_)
        if (v.nom == nomMajuscule) return v;
    return nul;
}
