#include "Executeur.h"

#include "Instruction.h"
#include "TexteSql.h"

Executeur::Executeur(Connexion& connexion, std::string_view script) {
    for (const std::string& sql : decouperScript(script))
        instructions_.push_back(std::make_unique<Instruction>(connexion, sql));
}

Executeur::~Executeur() = default;

void Executeur::execute() {
    for (auto& instruction : instructions_) instruction->executer(parametres_);
}
