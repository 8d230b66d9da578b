// The movement journal of one product in one store, on a company database built for each case.
#include <gtest/gtest.h>

#include <tuple>

#include "Essai.h"
#include "USTOCK.h"

namespace {

using Attendu = std::tuple<std::string, double, double, std::string, int, int, int>;  // piece..ordre2

class JournalTest : public ::testing::Test {
protected:
    DossierEssai dossier{"journal"};
    SocieteEssai soc{dossier / "soc1"};
    Connexion dbsource;

    void SetUp() override {
        soc.magasin("M1", "Magasin un");
        soc.magasin("M2", "Magasin deux");
        soc.produit("P", "Produit suivi");
        soc.produit("K", "Kit");
        soc.produit("F", "Produit fini");
        soc.connecter(dbsource);
    }

    std::vector<Attendu> journal(const std::string& produit, const std::string& magasin) {
        TForm1 form1(dbsource);
        form1.PROD.setTexte("mag", magasin);
        form1.PROD.setTexte("prod", produit);
        form1.PROD.open();
        LecteurJournal lecteur(form1.PROD);
        std::vector<Attendu> lignes;
        LigneMouvement l;
        for (; !form1.PROD.eof(); form1.PROD.next()) {
            lecteur.lire(l);
            EXPECT_EQ(l.C_PRODUIT, produit);
            lignes.emplace_back(l.PIECE, l.QTE, l.PUHT, l.DATE_BON, l.NUMBON, l.ORDRE, l.ORDRE2);
        }
        return lignes;
    }
};

TEST_F(JournalTest, ChaqueCodeAvecSaQuantiteSonPrixEtSesIdentifiants) {
    soc.bonTransfert(1, "2026-01-10", "M2", "M1");
    soc.ligneTransfert(1, 1, "P", 4, 2.5);
    soc.bonEntree(2, "2026-01-10", "M1");
    soc.ligneEntree(2, 3, "P", 5, 2, 1.25);
    soc.bonProduction(3, "2026-01-11", "M1", "M2");
    soc.ligneProduction(3, 1, "P", 2, 3, 7.5);
    soc.bonRetour(4, "2026-01-12", "M1");
    soc.ligneRetour(4, 2, "P", 3, 2, 1.75);
    soc.ligneRetour(4, 5, "K", 1, 2, 0);
    soc.composantRetour(4, 5, 1, "P", 3, 1.8);
    soc.bonLivraison(5, "2026-01-13 17:45:00", "M1");
    soc.ligneLivraison(5, 1, "P", 2, 1.5, 1.9);
    soc.ligneLivraison(5, 2, "K", 1, 2, 0);
    soc.composantLivraison(5, 2, 7, "P", 3, 1.95);
    soc.bonProduction(6, "2026-01-14", "M2", "M1");
    soc.ligneProduction(6, 4, "F", 1, 1, 0);
    soc.composantProduction(6, 4, 2, "P", 6, 2.05);
    soc.bonSortie(7, "2026-01-15", "M1");
    soc.ligneSortie(7, 1, "P", 1, 2, 2.1);
    soc.ligneSortie(7, 2, "P", 2, 1, 2.1);
    soc.bonTransfert(8, "2026-01-16", "M1", "M2");
    soc.ligneTransfert(8, 1, "P", 1, 2.2);

    const std::vector<Attendu> attendu = {
        {"00BT", 4, 2.5, "2026-01-10", 1, 0, 0},  {"10BE", 10, 1.25, "2026-01-10", 2, 3, 0},
        {"20PR", 6, 7.5, "2026-01-11", 3, 1, 0},  {"30RE", 3, 1.75, "2026-01-12", 4, 2, 0},
        {"31RE", 6, 1.8, "2026-01-12", 4, 5, 1},  {"40BL", 3, 1.9, "2026-01-13", 5, 1, 0},
        {"41BL", 6, 1.95, "2026-01-13", 5, 2, 7}, {"50CO", 6, 2.05, "2026-01-14", 6, 4, 2},
        {"60BS", 2, 2.1, "2026-01-15", 7, 0, 0},  {"60BS", 2, 2.1, "2026-01-15", 7, 0, 0},
        {"70BT", 1, 2.2, "2026-01-16", 8, 0, 0},
    };
    EXPECT_EQ(journal("P", "M1"), attendu);
}

TEST_F(JournalTest, DateSansHeurePuisCodeEntreesAvantSorties) {
    soc.bonLivraison(1, "2026-03-01 08:00:00", "M1");
    soc.ligneLivraison(1, 1, "P", 1, 1, 0);
    soc.bonEntree(9, "2026-03-01", "M1");
    soc.ligneEntree(9, 1, "P", 1, 1, 3);
    soc.bonEntree(2, "2026-02-28", "M1");
    soc.ligneEntree(2, 1, "P", 1, 1, 2);
    std::vector<std::string> ordre;
    for (const Attendu& l : journal("P", "M1")) ordre.push_back(std::get<0>(l) + "@" + std::get<3>(l));
    EXPECT_EQ(ordre, (std::vector<std::string>{"10BE@2026-02-28", "10BE@2026-03-01", "40BL@2026-03-01"}));
}

TEST_F(JournalTest, SeulsLesBonsValidesEtLeMagasinDemande) {
    const Texte valides[] = {"NON", std::nullopt, "oui"};
    int numbon = 1;
    for (const Texte& valide : valides) {
        soc.bonEntree(numbon, "2026-01-01", "M1", valide);
        soc.ligneEntree(numbon, 1, "P", 1, 1, 1);
        ++numbon;
    }
    soc.bonEntree(numbon, "2026-01-01", "M2");
    soc.ligneEntree(numbon, 1, "P", 1, 1, 1);
    EXPECT_TRUE(journal("P", "M1").empty());
    EXPECT_EQ(journal("P", "M2").size(), 1u);
    EXPECT_TRUE(journal("P", "XX").empty()) << "a store missing from MAGASINS yields nothing";
}

TEST_F(JournalTest, ProduitNonGereNeGardeQueComposantsEtProduction) {
    soc.produit("N", "Non géré", "non");
    soc.bonEntree(1, "2026-01-01", "M1");
    soc.ligneEntree(1, 1, "N", 1, 1, 1);
    soc.bonLivraison(2, "2026-01-02", "M1");
    soc.ligneLivraison(2, 1, "N", 1, 1, 0);
    soc.ligneLivraison(2, 2, "K", 1, 1, 0);
    soc.composantLivraison(2, 2, 1, "N", 1, 0);
    soc.bonRetour(3, "2026-01-03", "M1");
    soc.ligneRetour(3, 1, "N", 1, 1, 0);
    soc.ligneRetour(3, 2, "K", 1, 1, 0);
    soc.composantRetour(3, 2, 1, "N", 1, 0);
    soc.bonProduction(4, "2026-01-04", "M1", "M1");
    soc.ligneProduction(4, 1, "N", 1, 1, 0);
    soc.composantProduction(4, 1, 1, "N", 1, 0);
    soc.bonSortie(5, "2026-01-05", "M1");
    soc.ligneSortie(5, 1, "N", 1, 1, 0);
    soc.bonTransfert(6, "2026-01-06", "M1", "M1");
    soc.ligneTransfert(6, 1, "N", 1, 0);
    std::vector<std::string> pieces;
    for (const Attendu& l : journal("N", "M1")) pieces.push_back(std::get<0>(l));
    EXPECT_EQ(pieces, (std::vector<std::string>{"41BL", "31RE", "20PR", "50CO"}));
}

TEST_F(JournalTest, ComposantsSansParentEtCoefficientNul) {
    soc.bonLivraison(1, "2026-01-01", "M1");
    soc.ligneLivraison(1, 1, "K", 1, std::nullopt, 0);
    soc.composantLivraison(1, 1, 1, "P", 3, 0);   // parent coeff NULL: quantity 0
    soc.composantLivraison(1, 9, 1, "P", 3, 0);   // no parent line 9: never listed
    soc.bonEntree(2, "2026-01-02", "M1");
    soc.ligneEntree(2, 1, "P", std::nullopt, 2, 1);
    const std::vector<Attendu> attendu = {{"41BL", 0, 0, "2026-01-01", 1, 1, 1}, {"10BE", 0, 1, "2026-01-02", 2, 1, 0}};
    EXPECT_EQ(journal("P", "M1"), attendu);
}

TEST_F(JournalTest, TransfertDansLeMemeMagasinEntreePuisSortie) {
    soc.bonTransfert(1, "2026-01-01", "M1", "M1");
    soc.ligneTransfert(1, 1, "P", 2, 3);
    const std::vector<Attendu> attendu = {{"00BT", 2, 3, "2026-01-01", 1, 0, 0}, {"70BT", 2, 3, "2026-01-01", 1, 0, 0}};
    EXPECT_EQ(journal("P", "M1"), attendu);
}

}  // namespace
