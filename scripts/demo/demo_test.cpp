// The demo databases: the same seed gives the same databases, both companies open as the program opens
// them, and the showcase product's journal holds every kind of movement.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

#include "Catalogue.h"
#include "Demo.h"
#include "Essai.h"
#include "Requete.h"

namespace {

const std::vector<std::string> kSocietes = {"DURAND", "LEMOINE"};

// Every table the seed fills, with the columns that identify and value its rows.
const std::vector<std::pair<std::string, std::string>> kTables = {
    {"PRODUIT", "c_produit,gere,famille,puht,marg_dist,marg_vent1,marg_vent5,p_distht"},
    {"STOCK", "c_produit,codemagasin,pmup,q_stockdebex"},
    {"BON_ENTR", "numbon,date_bon,valide,codemagasin"},
    {"D_ENTR", "numbon,ordre,c_produit,qte,coeff,puht"},
    {"BON_LIVR", "numbon,date_bon,valide,codemagasin,valeurstock,tvastock"},
    {"D_LIVR", "numbon,ordre,c_produit,qte,coeff,pmup,tva"},
    {"D_ENSL", "numpiece,ordreens,ordre,c_produit,qte,pmup"},
    {"BON_RET", "numbon,date_bon,valide,codemagasin"},
    {"D_RET", "numbon,ordre,c_produit,qte,coeff,pump"},
    {"D_ENSR", "numpiece,ordreens,ordre,c_produit,qte,pmup"},
    {"BON_SORT", "numbon,date_bon,valide,codemagasin,totalht,tva,totalttc"},
    {"D_SORT", "numbon,ordre,c_produit,qte,coeff,puht,tva"},
    {"BON_ASSEMB", "numbon,date_bon,valide,magensemble,magcomposant"},
    {"D_ASSEMB", "numbon,ordre,c_produit,qte,coeff,pmup"},
    {"D_ENSA", "numpiece,ordreens,ordre,c_produit,qte,pmup"},
    {"BON_TRANSF", "numbon,date_bon,valide,magsource,magdest,totalht,tva,totalttc"},
    {"D_TRANSF", "numbon,ordre,c_produit,qte,puht,tva"},
};

using Empreinte = std::vector<std::tuple<std::string, std::string, int, std::uint64_t>>;  // company, table, rows, hash

// Row counts and a hash of every row's text, rows in the order of all their columns.
Empreinte empreinte(const std::filesystem::path& dossier) {
    Empreinte resultat;
    for (const std::string& societe : kSocietes) {
        Connexion base;
        connecterSociete(base, dossier, societe);
        for (const auto& [table, colonnes] : kTables) {
            const int nombreColonnes = static_cast<int>(std::count(colonnes.begin(), colonnes.end(), ',')) + 1;
            std::string tri;
            for (int i = 1; i <= nombreColonnes; ++i) tri += (i > 1 ? "," : "") + std::to_string(i);
            Requete q(base, "select " + colonnes + " from " + table + " order by " + tri);
            q.open();
            int lignes = 0;
            std::uint64_t hachage = 14695981039346656037ull;
            for (; !q.eof(); q.next(), ++lignes)
                for (int i = 0; i < nombreColonnes; ++i)
                    for (unsigned char c : q.texte(i) + "|") hachage = (hachage ^ c) * 1099511628211ull;
            resultat.emplace_back(societe, table, lignes, hachage);
        }
    }
    return resultat;
}

class DemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dossier_ = new DossierEssai("demo");
        bilans_ = creerDemo(dossier_->chemin() / "demo", kGraineDemo);
    }
    static void TearDownTestSuite() { delete dossier_; }

    static std::filesystem::path demo() { return dossier_->chemin() / "demo"; }

    static inline DossierEssai* dossier_ = nullptr;
    static inline std::vector<BilanSociete> bilans_;
};

TEST_F(DemoTest, LaMemeGraineDonneLesMemesBasesEtUneAutreGraineDAutres) {
    const Empreinte attendue = empreinte(demo());
    for (const BilanSociete& bilan : bilans_)
        for (const CompteTable& t : bilan.tables) {
            const auto trouve = std::find_if(attendue.begin(), attendue.end(), [&](const auto& e) {
                return std::get<0>(e) == bilan.societe && std::get<1>(e) == t.table;
            });
            ASSERT_NE(trouve, attendue.end()) << t.table;
            EXPECT_EQ(std::get<2>(*trouve), t.lignes) << bilan.societe << " " << t.table << ": every row written";
            EXPECT_GT(t.lignes, 0) << bilan.societe << " " << t.table;
        }

    creerDemo(dossier_->chemin() / "encore", kGraineDemo);
    EXPECT_EQ(empreinte(dossier_->chemin() / "encore"), attendue);
    creerDemo(dossier_->chemin() / "autre", kGraineDemo + 1);
    EXPECT_NE(empreinte(dossier_->chemin() / "autre"), attendue);

    EXPECT_THROW(creerDemo(demo(), kGraineDemo), std::runtime_error) << "an existing demo is never overwritten";
}

TEST_F(DemoTest, LesDeuxSocietesSOuvrentCommeLeProgrammeEtLeProduitVedetteATousLesMouvements) {
    const std::set<std::string> tousLesCodes(kCodesPiece.begin(), kCodesPiece.end());
    const std::vector<std::tuple<std::string, std::string, std::string, std::string>> attendus = {
        {"DURAND", "durand", "1234", "OUI"}, {"LEMOINE", "lemoine", "", "NON"}};
    for (const auto& [societe, dossier, motDePasse, majPrixAchat] : attendus) {
        EXPECT_TRUE(std::filesystem::exists(demo() / (dossier + "\\CONTACT.DTK"))) << societe;
        Connexion base;
        connecterSociete(base, demo(), societe);
        Requete entete(base, "select MOTDEPASSE, MAJPRIXACHATPRODUIT from ENTETE");
        entete.open();
        EXPECT_EQ(entete.texte("MOTDEPASSE"), motDePasse) << societe;
        EXPECT_EQ(entete.texte("MAJPRIXACHATPRODUIT"), majPrixAchat) << societe;

        std::set<std::string> codes;
        for (const LigneMouvement& l : lireJournal(base, kProduitVedette, kMagasinVedette)) codes.insert(l.PIECE);
        EXPECT_EQ(codes, tousLesCodes) << societe;
    }
}

TEST_F(DemoTest, LaDemoContientCeQuUnRecalculDoitRencontrer) {
    const std::vector<std::pair<const char*, const char*>> cas = {
        {"documents non validés", "select count(*) from bon_livr where valide = 'NON'"},
        {"documents sans validation", "select count(*) from bon_livr where valide is null"},
        {"produits non gérés", "select count(*) from produit where gere is distinct from 'OUI'"},
        {"entrée et livraison le même jour au même magasin",
         "select count(*) from bon_entr e join bon_livr l on cast(l.date_bon as date) = e.date_bon "
         "and l.codemagasin = e.codemagasin where e.valide = 'OUI' and l.valide = 'OUI'"},
        {"transfert d'un magasin à l'autre",
         "select count(*) from bon_transf where magsource = 'M02' and magdest = 'M01'"},
        {"retours de kits", "select count(*) from d_ensr"},
        {"kit livré par deux", "select count(*) from d_ensl c join d_livr l on l.numbon = c.numpiece "
                               "and l.ordre = c.ordreens where l.coeff = 2"},
        {"produit fabriqué consommé par un autre", "select count(*) from d_ensa a join produit p on "
                                                   "p.c_produit = a.c_produit where p.famille = 'ATE'"},
        {"production dans un magasin avec les composants d'un autre",
         "select count(*) from bon_assemb where magensemble <> magcomposant"},
    };
    for (const BilanSociete& bilan : bilans_) {
        EXPECT_GT(bilan.stocksNegatifs, 0) << bilan.societe;
        Connexion base;
        connecterSociete(base, demo(), bilan.societe);
        for (const auto& [quoi, sql] : cas) {
            Requete q(base, sql);
            q.open();
            EXPECT_GT(q.entier(0), 0) << bilan.societe << " : " << quoi;
        }
    }
}

TEST_F(DemoTest, LeJournalAfficheSeLitEnFrancais) {
    std::ostringstream sortie;
    afficherJournal(sortie, demo(), "LEMOINE", kProduitVedette, kMagasinVedette);
    Connexion base;
    connecterSociete(base, demo(), "LEMOINE");
    const std::size_t mouvements = lireJournal(base, kProduitVedette, kMagasinVedette).size();
    EXPECT_NE(sortie.str().find("Jardinière bois 80 cm"), std::string::npos) << sortie.str();
    EXPECT_NE(sortie.str().find("Retour client (composant de kit)"), std::string::npos);
    EXPECT_NE(sortie.str().find("\n" + std::to_string(mouvements) + " mouvements, stock en fin de journal : "),
              std::string::npos);

    try {
        afficherJournal(sortie, demo(), "LEMOINE", kProduitVedette, "ZZZ");
        ADD_FAILURE() << "an unknown store must be refused";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Magasin inconnu : ZZZ");
    }
}

}  // namespace
