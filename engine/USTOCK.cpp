#include "USTOCK.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

// One step of a handler: a change of the running state, or a write-back statement bound from the row
// and the state at that moment.
struct Etape {
    enum class Pas { AncienCout, CoutEntree, CoutRetour, Ajouter, Retirer, Ecrire };
    // Which values a write-back statement takes: num is always NUMBON.
    enum class Liaison {
        Numero,             // num
        NumeroLigne,        // num, ordre ← ORDRE
        LigneCout,          // num, ordre ← ORDRE, p
        ComposantCout,      // num, ordre ← ORDRE2, ordreens ← ORDRE, p
        ProduitCout,        // num, prod ← C_PRODUIT, p
    };
    Pas pas;
    Executeur TForm1::*instruction = nullptr;
    Liaison liaison = Liaison::Numero;
};

using Pas = Etape::Pas;
using Liaison = Etape::Liaison;

constexpr Etape kAncienCout{Pas::AncienCout};
constexpr Etape kCoutEntree{Pas::CoutEntree};
constexpr Etape kCoutRetour{Pas::CoutRetour};
constexpr Etape kAjouter{Pas::Ajouter};
constexpr Etape kRetirer{Pas::Retirer};
constexpr Etape ecrire(Executeur TForm1::*instruction, Liaison liaison) { return {Pas::Ecrire, instruction, liaison}; }

// The handlers, step by step in their order.
constexpr Etape k00BT[] = {ecrire(&TForm1::totaltrans, Liaison::Numero), kAncienCout, kCoutEntree, kAjouter};
constexpr Etape k10BE[] = {kAncienCout, kCoutEntree, kAjouter};
constexpr Etape k20PR[] = {kAncienCout, kCoutEntree, kAjouter};
constexpr Etape k30RE[] = {kAncienCout, kCoutRetour, kAjouter, ecrire(&TForm1::upret, Liaison::LigneCout)};
constexpr Etape k31RE[] = {kAncienCout, kCoutRetour, kAjouter, ecrire(&TForm1::upensret, Liaison::ComposantCout)};
constexpr Etape k40BL[] = {kRetirer, ecrire(&TForm1::upbl, Liaison::LigneCout),
                           ecrire(&TForm1::totalbl, Liaison::Numero)};
constexpr Etape k41BL[] = {kRetirer, ecrire(&TForm1::upensbl, Liaison::ComposantCout)};
constexpr Etape k50CO[] = {kRetirer, ecrire(&TForm1::updetass, Liaison::ComposantCout),
                           ecrire(&TForm1::uppmupass, Liaison::NumeroLigne)};
constexpr Etape k60BS[] = {kRetirer, ecrire(&TForm1::upsort, Liaison::ProduitCout),
                           ecrire(&TForm1::totalsortie, Liaison::Numero)};
constexpr Etape k70BT[] = {ecrire(&TForm1::uptrans, Liaison::ProduitCout), kRetirer};

using Traitement = void (TForm1::*)(EtatCout&, const LigneMouvement&);

// Piece code → handler, in the order the codes are compared.
const std::array<std::pair<std::string_view, Traitement>, 10> kTraitements = {{
    {"00BT", &TForm1::Traite00BT},
    {"10BE", &TForm1::Traite10BE},
    {"20PR", &TForm1::Traite20PR},
    {"30RE", &TForm1::Traite30RE},
    {"31RE", &TForm1::Traite31RE},
    {"40BL", &TForm1::Traite40BL},
    {"41BL", &TForm1::Traite41BL},
    {"50CO", &TForm1::Traite50CO},
    {"60BS", &TForm1::Traite60BS},
    {"70BT", &TForm1::Traite70BT},
}};

// Only these movements carry the product's purchase price when it follows the replay.
bool porteLePrixAchat(Traitement traitement) {
    return traitement == &TForm1::Traite00BT || traitement == &TForm1::Traite10BE ||
           traitement == &TForm1::Traite20PR;
}

void ecrire(TForm1& form, const Etape& etape, const EtatCout& etat, const LigneMouvement& ligne) {
    Executeur& instruction = form.*etape.instruction;
    instruction.setEntier("num", ligne.NUMBON);
    switch (etape.liaison) {
        case Liaison::Numero:
            break;
        case Liaison::NumeroLigne:
            instruction.setEntier("ordre", ligne.ORDRE);
            break;
        case Liaison::LigneCout:
            instruction.setEntier("ordre", ligne.ORDRE);
            instruction.setReel("p", etat.Pmup.versReel());
            break;
        case Liaison::ComposantCout:
            instruction.setEntier("ordre", ligne.ORDRE2);
            instruction.setEntier("ordreens", ligne.ORDRE);
            instruction.setReel("p", etat.Pmup.versReel());
            break;
        case Liaison::ProduitCout:
            instruction.setTexte("prod", ligne.C_PRODUIT);
            instruction.setReel("p", etat.Pmup.versReel());
            break;
    }
    instruction.execute();
}

template <std::size_t N>
void derouler(TForm1& form, const Etape (&etapes)[N], EtatCout& etat, const LigneMouvement& ligne) {
    for (const Etape& etape : etapes) {
        switch (etape.pas) {
            case Pas::AncienCout:
                etat.AncPmup = etat.Pmup;
                break;
            case Pas::CoutEntree:
                coutEntree(etat, ligne.QTE, ligne.PUHT);
                break;
            case Pas::CoutRetour:
                coutRetour(etat, ligne.PUHT);
                break;
            case Pas::Ajouter:
                ajouterQuantite(etat, ligne.QTE);
                break;
            case Pas::Retirer:
                retirerQuantite(etat, ligne.QTE);
                break;
            case Pas::Ecrire:
                ecrire(form, etape, etat, ligne);
                break;
        }
    }
}

}  // namespace

TForm1::TForm1(Connexion& connexion) : dbsource(connexion) {
    produit.setTri("C_PRODUIT");
    famille.setTri("C_FAMIL");
    PROD.setUnidirectionnel(true);
}

void TForm1::Traite00BT(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k00BT, etat, ligne); }
void TForm1::Traite10BE(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k10BE, etat, ligne); }
void TForm1::Traite20PR(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k20PR, etat, ligne); }
void TForm1::Traite30RE(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k30RE, etat, ligne); }
void TForm1::Traite31RE(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k31RE, etat, ligne); }
void TForm1::Traite40BL(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k40BL, etat, ligne); }
void TForm1::Traite41BL(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k41BL, etat, ligne); }
void TForm1::Traite50CO(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k50CO, etat, ligne); }
void TForm1::Traite60BS(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k60BS, etat, ligne); }
void TForm1::Traite70BT(EtatCout& etat, const LigneMouvement& ligne) { derouler(*this, k70BT, etat, ligne); }

void TForm1::RecalculerProduit(const std::string& codeProduit, const std::string& codeMagasin,
                               const std::string& majPrixAchat) {
    stockdeb.close();
    stockdeb.setTexte("prod", codeProduit);
    stockdeb.setTexte("mag", codeMagasin);
    stockdeb.open();

    etat_.Qte = Montant::aQuatreDecimales(stockdeb.reel("Q_STOCKDEBEX"));
    etat_.Pmup = Montant::aDeuxDecimales(stockdeb.reel("PMUP"));
    etat_.AncPmup = Montant::aDeuxDecimales(stockdeb.reel("PMUP"));

    const bool suiviPrixAchat = majPrixAchat == "OUI";
    PROD.close();
    PROD.setTexte("prod", codeProduit);
    PROD.setTexte("mag", codeMagasin);
    PROD.open();
    const LecteurJournal lecteur(PROD);
    for (; !PROD.eof(); PROD.next()) {
        lecteur.lire(ligne_);
        for (const auto& [code, traitement] : kTraitements) {
            if (ligne_.PIECE != code) continue;
            (this->*traitement)(etat_, ligne_);
            if (suiviPrixAchat && porteLePrixAchat(traitement)) {
                UPPRODPA.setReel("p", ligne_.PUHT);
                UPPRODPA.setTexte("c_produit", codeProduit);
                UPPRODPA.execute();
            }
            break;
        }
    }

    upstock.setTexte("prod", codeProduit);
    upstock.setTexte("mag", codeMagasin);
    upstock.setReel("p", etat_.Pmup.versReel());
    upstock.setReel("ap", etat_.AncPmup.versReel());
    upstock.execute();
}
