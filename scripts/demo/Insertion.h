// Inserts into one table, written in groups of rows: every statement commits on its own on our
// connections, so one statement per row would spend the demo's time waiting for the disk.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "Connexion.h"
#include "Executeur.h"

// std::monostate writes NULL.
using ValeurColonne = std::variant<std::monostate, std::int32_t, double, std::string>;

class Insertion {
public:
    Insertion(Connexion& connexion, std::string table, std::vector<std::string> colonnes);

    // Values in the order of the columns; the row is written with its group, or by vider().
    void ajouter(std::vector<ValeurColonne> valeurs);
    // Writes the rows still waiting.
    void vider();
    int lignes() const { return lignes_; }

private:
    // One prepared statement per group size: the full group, and the last smaller one.
    Executeur& executeur(std::size_t nombreLignes);

    Connexion& connexion_;
    std::string table_;
    std::vector<std::string> colonnes_;
    std::size_t lignesParGroupe_;
    std::vector<std::vector<ValeurColonne>> enAttente_;
    std::map<std::size_t, std::unique_ptr<Executeur>> executeurs_;
    int lignes_ = 0;
};
