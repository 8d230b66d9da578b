// The batch run over each scope, both passes, the finishing price statements and the failure rules.
#include <gtest/gtest.h>

#include "Essai.h"
#include "Lot.h"
#include "USTOCK.h"
#include "base.h"

namespace {

// Plays the wizard: the choices, the status bar and the boxes, recorded as one sequence of events.
class FenetreEssai final : public FenetreLot {
public:
    PorteeRecalcul portee = PorteeTous;
    std::string magasin = "M1", nom = "Centre", famDeb, famFin, prDeb, prFin, bon = "1";
    bool reponse = true;
    std::vector<std::string> evenements;

    PorteeRecalcul Portee() const override { return portee; }
    std::string codeMagasin() const override { return magasin; }
    std::string nomMagasin() const override { return nom; }
    std::string familleDebut() const override { return famDeb; }
    std::string familleFin() const override { return famFin; }
    std::string produitDebut() const override { return prDeb; }
    std::string produitFin() const override { return prFin; }
    std::string numeroBon() const override { return bon; }
    void panneau(int indice, const std::string& texte) override {
        evenements.push_back("[" + std::to_string(indice) + "] " + texte);
    }
    bool confirmer(const std::string& question) override {
        evenements.push_back("? " + question);
        return reponse;
    }
    void informer(const std::string& message) override { evenements.push_back("! " + message); }
};

class LotTest : public ::testing::Test {
protected:
    DossierEssai dossier{"lot"};
    SocieteEssai soc{dossier / "soc1"};
    Tdatam datam{"", nullptr};
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<RecalculLot> lot;
    FenetreEssai fenetre;

    void SetUp() override {
        soc.petitCommerce();
        soc.stock("N1", "M1", 1, 1);
        soc.bonEntree(1, "2026-01-01", "M1");
        soc.ligneEntree(1, 1, "P1", 10, 1, 4);
        soc.ligneEntree(1, 2, "P2", 1, 1, 9);
        soc.connecter(datam.dbsource);
        form1 = std::make_unique<TForm1>(datam.dbsource);
        lot = std::make_unique<RecalculLot>(datam, *form1);
        form1->produit.open();  // as the company window leaves it
    }

    // Products whose stock row in M1 was rewritten by the run.
    std::vector<std::string> recalcules() {
        std::vector<std::string> codes;
        Requete q(datam.dbsource, "select c_produit from stock where codemagasin='M1' and puht is not null "
                                  "order by c_produit");
        for (q.open(); !q.eof(); q.next()) codes.push_back(q.texte(0));
        return codes;
    }
};

TEST_F(LotTest, ChaquePorteeSaListeEtSaSousRequete) {
    const struct {
        const char* nom;
        PorteeRecalcul portee;
        std::string deb, fin;
        std::vector<std::string> attendus;
        std::string sousRequete;
    } cas[] = {
        {"tous", PorteeTous, "", "", {"N1", "P1", "P2"},
         "   from produit d inner join stock s on(s.c_produit=d.c_produit) where d.gere='OUI'"},
        {"familles", PorteeFamilles, "A", "B", {"P1", "P2"},
         " from produit d inner join stock s on(s.c_produit=d.c_produit) where  s.codemagasin='M1' and "
         "d.gere='OUI' and d.famille between 'A' and  'B'"},
        {"produits", PorteeProduits, "P2", "P3", {"P2"},
         " from produit d inner join stock s on(s.c_produit=d.c_produit) where s.codemagasin='M1' and "
         "d.gere='OUI' and d.c_produit >= 'P2' and d.c_produit <= 'P3'"},
        {"bon", PorteeBonEntree, "", "", {"P1", "P2"},
         " from d_entr d inner join produit po on(po.c_produit=d.c_produit) inner join stock s "
         "on(s.c_produit=d.c_produit) where s.codemagasin='M1' and po.gere='OUI' and d.numbon = 1"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        soc.sql("update stock set puht=NULL");
        form1->produit.close();
        form1->produit.setSql(kSqlProduitsDemarrage);
        form1->produit.open();
        fenetre.portee = c.portee;
        fenetre.famDeb = fenetre.prDeb = c.deb;
        fenetre.famFin = fenetre.prFin = c.fin;
        lot->appliquer(fenetre);
        EXPECT_EQ(recalcules(), c.attendus);
        EXPECT_EQ(lot->SousRequeteProduits, c.sousRequete);
    }
    EXPECT_EQ(soc.reel("select puht from stock where c_produit='P1'"), 3);
}

TEST_F(LotTest, SequenceDeLaBarreDEtatEtDesMessages) {
    soc.produit("F", "Pain", "OUI", "A", 0);
    soc.stock("F", "M1", 0, 0);
    soc.bonProduction(2, "2026-01-02", "M1", "M1");
    soc.ligneProduction(2, 1, "F", 1, 1, 0);
    soc.composantProduction(2, 1, 1, "P1", 2, 0);
    fenetre.portee = PorteeProduits;
    fenetre.prDeb = "P1";
    fenetre.prFin = "P1";
    lot->appliquer(fenetre);
    const std::vector<std::string> attendu = {
        "? Etes vous sûr de vouloir recalculer le pmup et la qte pour les produits choisi  Dans le magasin M1?",
        "[1] 1",
        "[0] Recalcul du pmup pour le produit P1",
        "[1] 0",
        "! Mise à Jour des pmup effectuée !",
        "! Quelque produits ont contribué à la production .Reclaculer le Pmup pour les produits finis",
        "[1] 1",
        "[0] Recalcul du pmup pour le produit F",
        "[1] 0",
        "! Mise à Jour des pmup Pour les produits finis  effectuée !",
    };
    EXPECT_EQ(fenetre.evenements, attendu);
    // P1: 10 at 2 then 10 at 4 → 3, consumed 2 → finished line 6 → F's stock cost 6.
    EXPECT_EQ(soc.reel("select pmup from d_assemb"), 6);
    EXPECT_EQ(soc.reel("select puht from stock where c_produit='F'"), 6);
    // The list then holds the managed products with a stock row in the store.
    std::vector<std::string> liste;
    for (form1->produit.first(); !form1->produit.eof(); form1->produit.next())
        liste.push_back(form1->produit.texte("C_PRODUIT"));
    EXPECT_EQ(liste, (std::vector<std::string>{"F", "P1", "P2"}));
}

TEST_F(LotTest, ListeVideEtPorteeInverseeDonnentLeMessageSansProduit) {
    fenetre.portee = PorteeFamilles;
    fenetre.famDeb = "C";
    fenetre.famFin = "A";
    lot->appliquer(fenetre);
    EXPECT_EQ(fenetre.evenements[1], "[1] 0");
    EXPECT_EQ(fenetre.evenements[2], "! Mise à Jour des pmup effectuée !");
    EXPECT_EQ(fenetre.evenements.size(), 3u) << "nothing found for the second pass";
    EXPECT_TRUE(recalcules().empty());
}

TEST_F(LotTest, SansMagasinArretAvantLaConfirmation) {
    fenetre.nom = "";
    fenetre.portee = PorteeProduits;
    fenetre.prDeb = "P1";
    fenetre.prFin = "P2";
    try {
        lot->appliquer(fenetre);
        FAIL();
    } catch (const ErreurSaisie& e) {
        EXPECT_STREQ(e.what(), "Veuillez selectioner un magasin!!!!");
    }
    EXPECT_TRUE(fenetre.evenements.empty());
    EXPECT_TRUE(form1->produit.active());
    EXPECT_EQ(form1->produit.recordCount(), 2) << "the list keeps the scope's statement";
}

TEST_F(LotTest, ReponseNonRederiveSeulementLesPrix) {
    soc.entete("NON", {});
    soc.marges("P1", 10, std::nullopt, 0, 50, 100, 25);
    fenetre.reponse = false;
    lot->appliquer(fenetre);
    EXPECT_EQ(fenetre.evenements.size(), 1u);
    EXPECT_TRUE(recalcules().empty());
    EXPECT_EQ(soc.reel("select puht from produit where c_produit='P1'"), 1) << "upprod not run";
    EXPECT_EQ(soc.reel("select p_distht from produit where c_produit='P1'"), 1.1);
    EXPECT_TRUE(soc.estNul("select p_vent1ht from produit where c_produit='P1'"));
    EXPECT_TRUE(soc.estNul("select p_vent2ht from produit where c_produit='P1'"));
    EXPECT_EQ(soc.reel("select prix_vent3 from produit where c_produit='P1'"), 1.5);
    EXPECT_EQ(soc.reel("select prix_vent4 from produit where c_produit='P1'"), 2);
    EXPECT_EQ(soc.reel("select prix_vent5 from produit where c_produit='P1'"), 1.25);
    EXPECT_FALSE(datam.entete.active());
}

TEST_F(LotTest, DrapeauDuPrixAchat) {
    const struct {
        Texte drapeau;
        double p1, p3;  // PRODUIT.PUHT after a run in M1; P3 has no stock row there
    } cas[] = {{"NON", 3, 1}, {"OUI", 4, 1}, {"non", 1, 1}, {"", 1, 1}, {std::nullopt, 1, 1}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.drapeau.value_or("NULL"));
        soc.sql("delete from entete; update produit set puht=1");
        soc.entete(c.drapeau, {});
        lot->appliquer(fenetre);
        EXPECT_EQ(soc.reel("select puht from produit where c_produit='P1'"), c.p1);
        EXPECT_EQ(soc.reel("select puht from produit where c_produit='P3'"), c.p3);
        EXPECT_FALSE(soc.estNul("select puht from produit where c_produit='P3'"));
    }
}

TEST_F(LotTest, CodeAvecApostrophe) {
    soc.famille("L'A", "L'Atelier");
    soc.produit("P'4", "Pâte d'amande", "OUI", "L'A", 1);
    soc.stock("P'4", "M1", 8, 1);
    fenetre.portee = PorteeFamilles;
    fenetre.famDeb = "L'A";
    fenetre.famFin = "L'A";
    lot->appliquer(fenetre);
    EXPECT_EQ(soc.reel("select puht from stock where c_produit='P''4'"), 8);
    fenetre.portee = PorteeProduits;
    fenetre.prDeb = "P' or 1=1 --";
    fenetre.prFin = "P'4";
    soc.sql("update stock set puht=NULL");
    lot->appliquer(fenetre);
    EXPECT_EQ(recalcules(), (std::vector<std::string>{"P'4"}));
}

TEST_F(LotTest, NumeroDeBonEntierSeulement) {
    EXPECT_EQ(numeroBonEntree(""), 0);
    EXPECT_EQ(numeroBonEntree("-3"), -3);
    EXPECT_EQ(numeroBonEntree("42"), 42);
    for (const char* refuse : {"1 or 1=1", "-", "1.5", "9999999999999999999"})
        EXPECT_THROW(numeroBonEntree(refuse), ErreurSaisie) << refuse;
}

TEST_F(LotTest, ErreurAuMilieuDeLaPremierePasse) {
    soc.entete("NON", {});
    soc.marges("P1", 10, 0, 0, 0, 0, 0);
    soc.bonLivraison(2, "2026-01-02", "M1");
    soc.ligneLivraison(2, 1, "P2", 1, 1, 0);
    soc.sql("alter table d_livr add constraint refus check (pmup < 0.5)");
    EXPECT_THROW(lot->appliquer(fenetre), ErreurBase);
    EXPECT_EQ(recalcules(), (std::vector<std::string>{"N1", "P1"})) << "products before P2 stay written";
    EXPECT_EQ(fenetre.evenements.back(), "[0] Recalcul du pmup pour le produit P2");
    EXPECT_TRUE(soc.estNul("select p_distht from produit where c_produit='P1'")) << "no finishing step";
    EXPECT_TRUE(datam.entete.active());
    EXPECT_EQ(form1->produit.sql(), kSqlProduitsDemarrage);
}

}  // namespace
