// Named parameter values of a statement: each name is one value, bound wherever the name occurs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Parametres {
public:
    enum class Type { Nul, Texte, Entier, Reel };
    struct Valeur {
        std::string nom;     // upper case
        Type type = Type::Nul;
        std::string texte;   // Windows-1252 bytes
        std::int32_t entier = 0;
        double reel = 0;
    };

    void setTexte(std::string_view nom, std::string_view utf8);
    void setEntier(std::string_view nom, std::int32_t valeur);
    void setReel(std::string_view nom, double valeur);
    void setNul(std::string_view nom);

    // The value of a name never set is NULL.
    const Valeur& valeur(std::string_view nomMajuscule) const;
    const std::vector<Valeur>& valeurs() const { return valeurs_; }

private:
    Valeur& entree(std::string_view nom);
    std::vector<Valeur> valeurs_;
};
