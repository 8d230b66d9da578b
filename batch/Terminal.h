// The batch's window when it runs from the command line: choices from the arguments, the status bar
// as a progress line, questions and notices on the terminal.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

#include "Lot.h"

struct ChoixLot {
    PorteeRecalcul portee = PorteeTous;
    std::string magasin, nomMagasin, de, a, bon = "1";
    bool oui = false;  // the confirmation answered in advance
};

class TerminalLot final : public FenetreLot {
public:
    // progression: redraw one progress line (a terminal) rather than print a line per product. Without
    // --oui the confirmation is read from standard input, which must then be a terminal.
    TerminalLot(ChoixLot choix, std::FILE* sortie, bool progression);

    PorteeRecalcul Portee() const override { return choix_.portee; }
    std::string codeMagasin() const override { return choix_.magasin; }
    std::string nomMagasin() const override { return choix_.nomMagasin; }
    std::string familleDebut() const override { return choix_.de; }
    std::string familleFin() const override { return choix_.a; }
    std::string produitDebut() const override { return choix_.de; }
    std::string produitFin() const override { return choix_.a; }
    std::string numeroBon() const override { return choix_.bon; }
    void panneau(int indice, const std::string& texte) override;
    bool confirmer(const std::string& question) override;
    void informer(const std::string& message) override;

private:
    void afficherProgression();
    void finirLigne();

    ChoixLot choix_;
    std::FILE* sortie_;
    bool progression_;
    std::string produit_;
    int reste_ = 0;
    int total_ = 0;
    bool ligneOuverte_ = false;
    std::chrono::steady_clock::time_point debut_ = std::chrono::steady_clock::now();
};
