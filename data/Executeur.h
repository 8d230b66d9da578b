// A statement runner: a script split at its ";" into statements run in order with shared named parameters.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Parametres.h"

class Connexion;
class Instruction;

class Executeur {
public:
    Executeur(Connexion& connexion, std::string_view script);
    ~Executeur();
    Executeur(const Executeur&) = delete;
    Executeur& operator=(const Executeur&) = delete;

    void setTexte(std::string_view nom, std::string_view valeur) { parametres_.setTexte(nom, valeur); }
    void setEntier(std::string_view nom, std::int32_t valeur) { parametres_.setEntier(nom, valeur); }
    void setReel(std::string_view nom, double valeur) { parametres_.setReel(nom, valeur); }
    void setNul(std::string_view nom) { parametres_.setNul(nom); }

    // Runs every statement in order; the first failure stops the script with its error, the
    // statements before it staying committed.
    void execute();

    std::size_t nombreInstructions() const { return instructions_.size(); }

private:
    Parametres parametres_;
    std::vector<std::unique_ptr<Instruction>> instructions_;
};
