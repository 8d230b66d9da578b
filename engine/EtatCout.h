// The running cost state of one product in one store and the arithmetic steps of the replay.
#pragma once

#include "Montant.h"

struct EtatCout {
    Montant AncPmup;  // cost before the latest incoming movement
    Montant Pmup;     // running weighted average unit cost, four decimals
    Montant Qte;      // running quantity, four decimals
};

// Qte := (QTE × 10 000 + Qte) / 10 000 as a double, at four decimals.
void ajouterQuantite(EtatCout& etat, double qte);
// Qte := (Qte − QTE × 10 000) / 10 000 as a double, at four decimals.
void retirerQuantite(EtatCout& etat, double qte);
// Weighted average of the stock and the movement; the movement's price when the stock was empty or
// negative; unchanged when the stock stays empty or negative after the movement.
void coutEntree(EtatCout& etat, double qte, double puht);
// A return takes the line's cost only while the running cost is exactly 0.
void coutRetour(EtatCout& etat, double puht);
