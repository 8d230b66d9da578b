// Each movement handler on a company database: running state after it, and what it wrote.
#include <gtest/gtest.h>

#include <optional>

#include "Essai.h"
#include "ErreurBase.h"
#include "USTOCK.h"

namespace {

using Traitement = void (TForm1::*)(EtatCout&, const LigneMouvement&);

struct Etat {
    double anc, pmup, qte;
};

struct Lecture {
    std::string select;
    std::optional<double> attendu;  // nullopt: NULL
};

struct CasTraitement {
    const char* nom;
    Traitement traitement;
    Etat avant;
    LigneMouvement ligne;
    Etat apres;
    std::vector<Lecture> lectures;
};

EtatCout versEtat(const Etat& e) {
    return {Montant::aQuatreDecimales(e.anc), Montant::aQuatreDecimales(e.pmup), Montant::aQuatreDecimales(e.qte)};
}

// The documents every case writes into; each case has documents of its own.
void documents(SocieteEssai& soc) {
    soc.magasin("M1", "Magasin");
    for (const char* p : {"P", "Q", "K", "F"}) soc.produit(p, p);
    soc.bonLivraison(1, "2026-01-01", "M1");
    soc.ligneLivraison(1, 1, "P", 5, 1, 0, 20);
    soc.ligneLivraison(1, 2, "Q", 2, 1, 10, 20);
    soc.bonSortie(2, "2026-01-01", "M1");
    soc.ligneSortie(2, 1, "P", 1, 2, 0, 10);
    soc.ligneSortie(2, 2, "P", 3, 1, 0, 10);
    soc.bonRetour(3, "2026-01-01", "M1");
    soc.ligneRetour(3, 1, "P", 2, 1, 7.25);
    soc.bonRetour(4, "2026-01-01", "M1");
    soc.ligneRetour(4, 1, "P", 2, 1, 9);
    soc.bonRetour(5, "2026-01-01", "M1");
    soc.ligneRetour(5, 1, "K", 1, 2, 0);
    soc.composantRetour(5, 1, 3, "P", 2, 8);
    soc.bonLivraison(6, "2026-01-01", "M1");
    soc.ligneLivraison(6, 1, "K", 1, 2, 0);
    soc.composantLivraison(6, 1, 2, "P", 3, 0);
    for (int bon : {7, 8, 9, 10}) soc.bonProduction(bon, "2026-01-01", "M1", "M1");
    soc.ligneProduction(7, 1, "F", 2, 1, 0);
    soc.composantProduction(7, 1, 1, "P", 4, 0);
    soc.composantProduction(7, 1, 2, "Q", 1, 3);
    soc.ligneProduction(8, 1, "F", 0, 1, 5.5);
    soc.composantProduction(8, 1, 1, "P", 4, 0);
    soc.ligneProduction(9, 1, "F", 2, 0, 5.5);
    soc.composantProduction(9, 1, 1, "P", 4, 0);
    soc.ligneProduction(10, 1, "F", 2, std::nullopt, 5.5);
    soc.composantProduction(10, 1, 1, "P", 4, 0);
    soc.bonTransfert(11, "2026-01-01", "M2", "M1");
    soc.ligneTransfert(11, 1, "P", 2, 3, 20);
    soc.ligneTransfert(11, 2, "Q", 1, 4, 20);
    soc.bonTransfert(12, "2026-01-01", "M1", "M2");
    soc.ligneTransfert(12, 1, "P", 2, 0, 20);
    soc.ligneTransfert(12, 2, "P", 1, 0, 20);
    soc.bonEntree(13, "2026-01-01", "M1");
    soc.ligneEntree(13, 1, "P", 10, 1, 3);
}

const CasTraitement kCas[] = {
    {"livraison sous zéro", &TForm1::Traite40BL, {1, 1.2345, 3}, {"40BL", 5, 0, "", "P", 1, 1, 0}, {1, 1.2345, -2},
     {{"select pmup from d_livr where numbon=1 and ordre=1", 1.2345},
      {"select pmup from d_livr where numbon=1 and ordre=2", 10},
      {"select valeurstock from bon_livr where numbon=1", 26.17},
      {"select tvastock from bon_livr where numbon=1", 5.23}}},
    {"sortie à deux lignes du produit", &TForm1::Traite60BS, {2.5, 2.5, 10}, {"60BS", 2, 0, "", "P", 2, 0, 0},
     {2.5, 2.5, 8},
     {{"select min(puht) from d_sort where numbon=2", 2.5},
      {"select max(puht) from d_sort where numbon=2", 2.5},
      {"select totalht from bon_sort where numbon=2", 12.5},
      {"select tva from bon_sort where numbon=2", 1.25},
      {"select totalttc from bon_sort where numbon=2", 13.75}}},
    {"retour à coût nul", &TForm1::Traite30RE, {0, 0, 0}, {"30RE", 2, 7.25, "", "P", 3, 1, 0}, {0, 7.25, 2},
     {{"select pump from d_ret where numbon=3", 7.25}}},
    {"retour à coût non nul", &TForm1::Traite30RE, {1, 3.1, 1}, {"30RE", 2, 9, "", "P", 4, 1, 0}, {3.1, 3.1, 3},
     {{"select pump from d_ret where numbon=4", 3.1}}},
    {"composant de kit retourné", &TForm1::Traite31RE, {0, 0, 1}, {"31RE", 4, 8, "", "P", 5, 1, 3}, {0, 8, 5},
     {{"select pmup from d_ensr where numpiece=5 and ordreens=1 and ordre=3", 8}}},
    {"composant de kit livré", &TForm1::Traite41BL, {1, 4.4, 10}, {"41BL", 6, 0, "", "P", 6, 1, 2}, {1, 4.4, 4},
     {{"select pmup from d_ensl where numpiece=6 and ordreens=1 and ordre=2", 4.4}}},
    {"consommation en production", &TForm1::Traite50CO, {2, 2.5, 4}, {"50CO", 4, 0, "", "P", 7, 1, 1}, {2, 2.5, 0},
     {{"select pmup from d_ensa where numpiece=7 and ordre=1", 2.5},
      {"select pmup from d_ensa where numpiece=7 and ordre=2", 3},
      {"select pmup from d_assemb where numbon=7", 6.5}}},
    {"produit fini de quantité nulle", &TForm1::Traite50CO, {2, 2.5, 4}, {"50CO", 4, 0, "", "P", 8, 1, 1},
     {2, 2.5, 0},
     {{"select pmup from d_ensa where numpiece=8", 2.5}, {"select pmup from d_assemb where numbon=8", 5.5}}},
    {"produit fini de coefficient nul", &TForm1::Traite50CO, {2, 2.5, 4}, {"50CO", 4, 0, "", "P", 9, 1, 1},
     {2, 2.5, 0},
     {{"select pmup from d_ensa where numpiece=9", 2.5}, {"select pmup from d_assemb where numbon=9", 5.5}}},
    {"produit fini de coefficient NULL", &TForm1::Traite50CO, {2, 2.5, 4}, {"50CO", 4, 0, "", "P", 10, 1, 1},
     {2, 2.5, 0},
     {{"select pmup from d_ensa where numpiece=10", 2.5}, {"select pmup from d_assemb where numbon=10", 5.5}}},
    {"transfert reçu: totaux avant le coût", &TForm1::Traite00BT, {0, 1, 2}, {"00BT", 2, 3, "", "P", 11, 0, 0},
     {1, 2, 4},
     {{"select totalht from bon_transf where numbon=11", 10},
      {"select tva from bon_transf where numbon=11", 2},
      {"select totalttc from bon_transf where numbon=11", 12},
      {"select puht from d_transf where numbon=11 and ordre=1", 3}}},
    {"transfert envoyé: lignes sans totaux", &TForm1::Traite70BT, {1, 2.2, 5}, {"70BT", 2, 0, "", "P", 12, 0, 0},
     {1, 2.2, 3},
     {{"select min(puht) from d_transf where numbon=12", 2.2},
      {"select max(puht) from d_transf where numbon=12", 2.2},
      {"select totalht from bon_transf where numbon=12", std::nullopt}}},
    {"entrée: rien d'écrit", &TForm1::Traite10BE, {0, 2, 10}, {"10BE", 10, 3, "", "P", 13, 1, 0}, {2, 2.5, 20},
     {{"select puht from d_entr where numbon=13", 3}}},
    {"production reçue", &TForm1::Traite20PR, {0, 2, 10}, {"20PR", 10, 3, "", "F", 7, 1, 0}, {2, 2.5, 20}, {}},
};

TEST(Traitements, EtatApresEtLignesEcrites) {
    DossierEssai dossier("traitements");
    SocieteEssai soc(dossier / "soc1");
    documents(soc);
    Connexion dbsource;
    soc.connecter(dbsource);
    TForm1 form1(dbsource);
    for (const CasTraitement& c : kCas) {
        SCOPED_TRACE(c.nom);
        EtatCout etat = versEtat(c.avant);
        (form1.*c.traitement)(etat, c.ligne);
        EXPECT_EQ(etat.AncPmup.versReel(), c.apres.anc);
        EXPECT_EQ(etat.Pmup.versReel(), c.apres.pmup);
        EXPECT_EQ(etat.Qte.versReel(), c.apres.qte);
        for (const Lecture& l : c.lectures) {
            if (l.attendu)
                EXPECT_DOUBLE_EQ(soc.reel(l.select), *l.attendu) << l.select;
            else
                EXPECT_TRUE(soc.estNul(l.select)) << l.select;
        }
    }
}

TEST(Traitements, UneErreurGardeLesEtapesDejaFaites) {
    DossierEssai dossier("traitements-erreur");
    SocieteEssai soc(dossier / "soc1");
    soc.sql("drop table d_livr");
    Connexion dbsource;
    soc.connecter(dbsource);
    TForm1 form1(dbsource);
    EtatCout etat = versEtat({1, 1, 3});
    EXPECT_THROW(form1.Traite40BL(etat, {"40BL", 5, 0, "", "P", 1, 1, 0}), ErreurBase);
    EXPECT_EQ(etat.Qte.versReel(), -2) << "the quantity was subtracted before the failing write";
}

}  // namespace
