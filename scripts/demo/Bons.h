// Stock documents as the company databases hold them (a header, its lines, the component lines under a
// line) and their writing through grouped inserts, one set of prepared inserts per kind of document.
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Demo.h"
#include "Essai.h"
#include "Insertion.h"

enum class SorteBon { Entree, Livraison, Retour, Sortie, Production, Transfert };

struct MouvementBon {
    std::string produit;
    double qte;
    double prix;
};

struct LigneBon {
    MouvementBon mouvement;
    double coeff = 1;
    double tva = 20;
    std::vector<MouvementBon> composants;  // quantities as stored: for the whole line
};

struct Bon {
    SorteBon sorte;
    std::chrono::sys_days jour;
    Texte valide;
    std::vector<std::string> magasins;  // the one it concerns, or from and to (production: made, consumed)
    std::vector<LigneBon> lignes;
    bool valideOui() const { return valide == "OUI"; }
};

class EcritureBons {
public:
    explicit EcritureBons(Connexion& connexion);
    ~EcritureBons();

    // Numbers the document in its kind and writes it with its totals; a delivery's date may carry a time.
    void ecrire(const Bon& bon, const std::string& date);
    // Writes the rows still waiting.
    void vider();
    // Rows written, per table.
    std::vector<CompteTable> comptes() const;

private:
    struct Insertions;
    std::map<SorteBon, std::unique_ptr<Insertions>> insertions_;
};

// Generated files are rebuilt at will: writing them without waiting for the disk at each commit keeps
// generation fast on a busy machine. Without Firebird's gfix tool they are only written more slowly.
void ecrituresDifferees(const std::string& fichier);

// A database in use has statistics on its indexes: without them the optimizer starts the journal's joins
// from whole document tables instead of the product's lines.
void calculerStatistiques(Connexion& connexion);

// std::nullopt writes NULL.
ValeurColonne valeur(const Texte& texte);

std::string texteDate(std::chrono::sys_days jour);
double centimes(double x);
