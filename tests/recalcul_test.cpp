// The recalculation of one product in one store, on company databases built for each case.
#include <gtest/gtest.h>

#include "ErreurBase.h"
#include "Essai.h"
#include "USTOCK.h"

namespace {

class RecalculTest : public ::testing::Test {
protected:
    DossierEssai dossier{"recalcul"};
    SocieteEssai soc{dossier / "soc1"};
    Connexion dbsource;

    void SetUp() override {
        soc.magasin("M1", "Centre");
        soc.magasin("M2", "Nord");
        for (const char* p : {"P", "Q", "K", "F", "C"}) soc.produit(p, p, "OUI", {}, 99);
        soc.connecter(dbsource);
    }

    void recalculer(const std::string& produit, const std::string& magasin = "M1", const std::string& maj = "NON") {
        TForm1 form1(dbsource);
        form1.RecalculerProduit(produit, magasin, maj);
    }

    double stock(const std::string& colonne, const std::string& produit = "P", const std::string& magasin = "M1") {
        return soc.reel("select " + colonne + " from stock where c_produit='" + produit + "' and codemagasin='" +
                        magasin + "'");
    }
};

TEST_F(RecalculTest, RejeuCompletDesDixMouvements) {
    soc.stock("P", "M1", 2.004, 10, 77);
    // Day 1: incoming transfer then entry.
    soc.bonTransfert(1, "2026-01-01", "M2", "M1");
    soc.ligneTransfert(1, 1, "P", 10, 3, 20);
    soc.bonEntree(2, "2026-01-01", "M1");
    soc.ligneEntree(2, 1, "P", 5, 2, 2.8);
    // Day 2: production of P, a return and a returned kit component.
    soc.bonProduction(3, "2026-01-02", "M1", "M2");
    soc.ligneProduction(3, 1, "P", 2, 1, 4.2);
    soc.bonRetour(4, "2026-01-02", "M1");
    soc.ligneRetour(4, 1, "P", 3, 1, 9);
    soc.ligneRetour(4, 2, "K", 1, 2, 0);
    soc.composantRetour(4, 2, 1, "P", 1, 5);
    // Day 3: delivery with a kit, consumption, exit, outgoing transfer.
    soc.bonLivraison(5, "2026-01-03 18:30:00", "M1");
    soc.ligneLivraison(5, 1, "P", 4, 2, 0, 20);
    soc.ligneLivraison(5, 2, "K", 1, 1, 0, 20);
    soc.composantLivraison(5, 2, 1, "P", 3, 0);
    soc.bonProduction(6, "2026-01-03", "M2", "M1");
    soc.ligneProduction(6, 1, "F", 2, 1, 0);
    soc.composantProduction(6, 1, 1, "P", 4, 0);
    soc.composantProduction(6, 1, 2, "Q", 2, 1.5);
    soc.bonSortie(7, "2026-01-03", "M1");
    soc.ligneSortie(7, 1, "P", 2, 1, 0, 10);
    soc.bonTransfert(8, "2026-01-03", "M1", "M2");
    soc.ligneTransfert(8, 1, "P", 5, 0, 20);
    // Day 4: entry, then a delivery taking the stock below zero.
    soc.bonEntree(9, "2026-01-04", "M1");
    soc.ligneEntree(9, 1, "P", 15, 1, 3.3);
    soc.bonLivraison(10, "2026-01-04", "M1");
    soc.ligneLivraison(10, 1, "P", 40, 1, 0, 20);
    // Day 5: an entry that leaves the stock negative, then one that brings it back above zero.
    soc.bonEntree(11, "2026-01-05", "M1");
    soc.ligneEntree(11, 1, "P", 4, 1, 5);
    soc.bonEntree(12, "2026-01-05", "M1");
    soc.ligneEntree(12, 1, "P", 10, 1, 2.12345);
    soc.bonEntree(13, "2026-01-05", "M1", "NON");
    soc.ligneEntree(13, 1, "P", 100, 1, 100);

    recalculer("P", "M1", "OUI");

    // Opening 10 at 2.00; 00BT +10 at 3 → 2.5; 10BE +10 at 2.8 → 2.6; 20PR +2 at 4.2 → 2.7; returns keep 2.7.
    const struct {
        const char* select;
        double attendu;
    } lectures[] = {
        {"select totalht from bon_transf where numbon=1", 30},
        {"select tva from bon_transf where numbon=1", 6},
        {"select totalttc from bon_transf where numbon=1", 36},
        {"select puht from d_transf where numbon=1", 3},
        {"select pump from d_ret where numbon=4 and ordre=1", 2.7},
        {"select pmup from d_ensr where numpiece=4", 2.7},
        {"select pmup from d_livr where numbon=5 and ordre=1", 2.7},
        {"select pmup from d_ensl where numpiece=5", 2.7},
        {"select valeurstock from bon_livr where numbon=5", 21.6},
        {"select tvastock from bon_livr where numbon=5", 4.32},
        {"select pmup from d_ensa where numpiece=6 and ordre=1", 2.7},
        {"select pmup from d_assemb where numbon=6", 6.9},
        {"select puht from d_sort where numbon=7", 2.7},
        {"select totalttc from bon_sort where numbon=7", 5.94},
        {"select puht from d_transf where numbon=8", 2.7},
        {"select pmup from d_livr where numbon=10", 3},  // 15 at 3.3 into 15 at 2.7
        {"select puht from stock where c_produit='P'", 2.1234},
        {"select ancpuht from stock where c_produit='P'", 3},
        {"select q_stock from stock where c_produit='P'", 77},
        {"select pmup from stock where c_produit='P'", 2.004},
        {"select puht from produit where c_produit='P'", 2.12345},
        {"select puht from d_entr where numbon=12", 2.12345},
    };
    for (const auto& l : lectures) EXPECT_DOUBLE_EQ(soc.reel(l.select), l.attendu) << l.select;
    EXPECT_TRUE(soc.estNul("select totalht from bon_transf where numbon=8"));
}

TEST_F(RecalculTest, EtatInitialDepuisLaLigneDeStock) {
    const struct {
        double pmup, qteDebut, attenduPuht, attenduAvecEntree;
    } cas[] = {
        {1.23456, 10.00005, 1.23, 1.615},  // (10 × 2 + 10 × 1.23) / 20: the quantity is 10.0000
        {0.375, 10, 0.37, 1.185},
    };
    for (const auto& c : cas) {
        soc.sql("delete from stock; delete from d_entr; delete from bon_entr");
        soc.stock("P", "M1", c.pmup, c.qteDebut);
        recalculer("P");
        EXPECT_EQ(stock("puht"), c.attenduPuht);
        EXPECT_EQ(stock("ancpuht"), c.attenduPuht);
        soc.bonEntree(1, "2026-01-01", "M1");
        soc.ligneEntree(1, 1, "P", 10, 1, 2);
        recalculer("P");
        EXPECT_EQ(stock("puht"), c.attenduAvecEntree);
        EXPECT_EQ(stock("ancpuht"), c.attenduPuht);
    }
}

TEST_F(RecalculTest, SortiesSeulementAuCoutDOuverture) {
    soc.stock("P", "M1", 1.456, 5);
    soc.bonLivraison(1, "2026-01-01", "M1");
    soc.ligneLivraison(1, 1, "P", 2, 1, 0);
    soc.bonSortie(2, "2026-01-02", "M1");
    soc.ligneSortie(2, 1, "P", 1, 1, 0);
    recalculer("P");
    EXPECT_EQ(soc.reel("select pmup from d_livr"), 1.46);
    EXPECT_EQ(soc.reel("select puht from d_sort"), 1.46);
    EXPECT_EQ(stock("puht"), 1.46);
    EXPECT_EQ(stock("ancpuht"), 1.46);
}

TEST_F(RecalculTest, SansLigneDeStockLesLignesSontQuandMemeReecrites) {
    soc.stock("P", "M2", 4, 4);
    soc.bonEntree(1, "2026-01-01", "M1");
    soc.ligneEntree(1, 1, "P", 2, 1, 3);
    soc.bonLivraison(2, "2026-01-02", "M1");
    soc.ligneLivraison(2, 1, "P", 1, 1, 0);
    recalculer("P");
    EXPECT_EQ(soc.reel("select pmup from d_livr"), 3);
    EXPECT_EQ(soc.reel("select valeurstock from bon_livr"), 3);
    EXPECT_EQ(soc.compte("stock"), 1);
    EXPECT_TRUE(soc.estNul("select puht from stock where codemagasin='M2'")) << "another store's row is untouched";
}

TEST_F(RecalculTest, SuiviDuPrixAchatSeulementPourOUIExact) {
    soc.stock("P", "M1", 1, 1);
    soc.bonEntree(1, "2026-01-01", "M1");
    soc.ligneEntree(1, 1, "P", 1, 1, 2.123456);
    soc.bonLivraison(2, "2026-01-02", "M1");
    soc.ligneLivraison(2, 1, "P", 1, 1, 0);
    soc.bonRetour(3, "2026-01-03", "M1");
    soc.ligneRetour(3, 1, "P", 1, 1, 8);
    for (const char* maj : {"NON", "oui", "", "OUI "}) {
        recalculer("P", "M1", maj);
        EXPECT_EQ(soc.reel("select puht from produit where c_produit='P'"), 99) << maj;
    }
    recalculer("P", "M1", "OUI");
    EXPECT_EQ(soc.reel("select puht from produit where c_produit='P'"), 2.123456) << "returns do not carry it";
}

TEST_F(RecalculTest, EntreeEtTransfertLeMemeJourFinissentAuPrixDeLEntree) {
    soc.bonEntree(1, "2026-01-01", "M1");
    soc.ligneEntree(1, 1, "P", 1, 1, 5.5);
    soc.bonTransfert(2, "2026-01-01", "M2", "M1");
    soc.ligneTransfert(2, 1, "P", 1, 4.4);
    recalculer("P", "M1", "OUI");
    EXPECT_EQ(soc.reel("select puht from produit where c_produit='P'"), 5.5);
}

TEST_F(RecalculTest, ProductionLeProduitFiniReprendLeCoutDeSesComposants) {
    soc.stock("C", "M1", 3, 10);
    soc.stock("F", "M1", 0, 0);
    soc.bonProduction(20, "2026-02-01", "M1", "M1");
    soc.ligneProduction(20, 1, "F", 1, 1, 0);
    soc.composantProduction(20, 1, 1, "C", 2, 0);
    recalculer("C");
    EXPECT_EQ(soc.reel("select pmup from d_ensa where numpiece=20"), 3);
    EXPECT_EQ(soc.reel("select pmup from d_assemb where numbon=20"), 6);
    recalculer("F");
    EXPECT_EQ(stock("puht", "F"), 6);
}

TEST_F(RecalculTest, UneErreurArreteLeProduitEtGardeSaLigneDeStock) {
    soc.stock("P", "M1", 1, 10);
    soc.sql("update stock set puht=7, ancpuht=6");
    soc.bonEntree(1, "2026-01-01", "M1");
    soc.ligneEntree(1, 1, "P", 10, 1, 3);
    soc.bonLivraison(2, "2026-01-02", "M1");
    soc.ligneLivraison(2, 1, "P", 1, 1, 0);
    soc.bonSortie(3, "2026-01-03", "M1");
    soc.ligneSortie(3, 1, "P", 1, 1, 0);
    soc.sql("alter table d_sort add constraint refus check (puht < 0.5)");
    EXPECT_THROW(recalculer("P"), ErreurBase);
    EXPECT_EQ(soc.reel("select pmup from d_livr"), 2) << "written before the failure, kept";
    EXPECT_EQ(stock("puht"), 7);
    EXPECT_EQ(stock("ancpuht"), 6);
}

}  // namespace
