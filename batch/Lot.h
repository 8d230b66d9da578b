// The batch run of Appliquer: the scope's product list, both recalculation passes and the price
// derivation, driven by the wizard or by the command line through the same steps.
#pragma once

#include <stdexcept>
#include <string>

#include "Requete.h"

class TForm1;
class Tdatam;

enum PorteeRecalcul { PorteeTous = 0, PorteeFamilles = 1, PorteeProduits = 2, PorteeBonEntree = 3 };

// What the batch needs of the window that drives it.
class FenetreLot {
public:
    virtual ~FenetreLot() = default;
    virtual PorteeRecalcul Portee() const = 0;
    virtual std::string codeMagasin() const = 0;    // key value of the store box
    virtual std::string nomMagasin() const = 0;     // store name the box shows
    virtual std::string familleDebut() const = 0;   // family codes, empty when none is chosen
    virtual std::string familleFin() const = 0;
    virtual std::string produitDebut() const = 0;   // product codes the boxes show
    virtual std::string produitFin() const = 0;
    virtual std::string numeroBon() const = 0;      // text of the voucher spin box
    // Panel 0: the product being recalculated; panel 1: how many are left. Shown at once.
    virtual void panneau(int indice, const std::string& texte) = 0;
    virtual bool confirmer(const std::string& question) = 0;
    virtual void informer(const std::string& message) = 0;
};

// A choice the operator must correct; shown like any error.
class ErreurSaisie : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kMessageMagasin = "Veuillez selectioner un magasin!!!!";

class RecalculLot {
public:
    RecalculLot(Tdatam& datam, TForm1& form1);
    RecalculLot(const RecalculLot&) = delete;
    RecalculLot& operator=(const RecalculLot&) = delete;

    // Runs the whole batch; an error stops it where it is raised and propagates.
    void appliquer(FenetreLot& fenetre);

    // The scope's products for the finished-products pass: a sub-select's tail from its FROM on.
    std::string SousRequeteProduits;
    // Finished products whose components the sub-select names.
    Requete niveau1;

private:
    void preparerPortee(FenetreLot& fenetre, const std::string& magasin);
    // Recalculates every product of the list, counting down from reste in the status bar.
    void passe(Requete& liste, int reste, FenetreLot& fenetre, const std::string& magasin,
               const std::string& drapeau);
    void finir(const std::string& magasin);

    Tdatam& datam_;
    TForm1& form1_;
};

// A code written into a statement's text between single quotes: its quotes doubled.
std::string codeSql(const std::string& code);
// The voucher number as a whole number; anything else is refused.
long long numeroBonEntree(const std::string& texte);
