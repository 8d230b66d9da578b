// pmupstock-lot run as a scheduled job would run it, on a company list reached through the alias.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "Demo.h"
#include "Essai.h"

namespace {

struct Resultat {
    int statut;
    std::string sortie;  // standard output and error
};

Resultat lancer(const std::string& arguments, const std::string& entree = "") {
    const std::string commande = "printf '%s' '" + entree + "' | " + PMUPSTOCK_LOT + " " + arguments + " 2>&1";
    FILE* flux = popen(commande.c_str(), "r");
    std::string sortie;
    std::array<char, 4096> tampon{};
    while (std::size_t n = std::fread(tampon.data(), 1, tampon.size(), flux)) sortie.append(tampon.data(), n);
    const int statut = pclose(flux);
    return {WIFEXITED(statut) ? WEXITSTATUS(statut) : -1, sortie};
}

class LotCommandeTest : public ::testing::Test {
protected:
    DossierEssai dossier{"lot-commande"};
    std::string liste = std::string(std::getenv("PMUP_FBROOT")) + "/data/societes.fdb";
    std::optional<ListeSocietesEssai> societes;
    std::optional<SocieteEssai> libre, gardee;

    void SetUp() override {
        std::filesystem::remove(liste);
        societes.emplace(liste);
        societes->societe("LIBRE", "Épicerie du Centre", dossier / "libre");
        societes->societe("GARDEE", "Quincaillerie", dossier / "gardee");
        for (auto* soc : {&libre, &gardee}) {
            soc->emplace(dossier / (soc == &libre ? "libre" : "gardee"));
            (*soc)->magasin("M1", "Centre");
            (*soc)->produit("P1", "Farine");
            (*soc)->stock("P1", "M1", 2, 10);
            (*soc)->bonEntree(1, "2026-01-01", "M1");
            (*soc)->ligneEntree(1, 1, "P1", 10, 1, 4);
        }
        libre->entete("OUI", std::nullopt);
        gardee->entete("NON", "s3cret");
        societes->connexion().disconnect();
    }
    void TearDown() override { std::filesystem::remove(liste); }
};

TEST_F(LotCommandeTest, RecalculTermineSansTerminal) {
    const Resultat r = lancer("--societe LIBRE --magasin M1 --oui");
    EXPECT_EQ(r.statut, 0) << r.sortie;
    EXPECT_NE(r.sortie.find("Recalcul du pmup pour le produit P1"), std::string::npos) << r.sortie;
    EXPECT_NE(r.sortie.find("Mise à Jour des pmup effectuée !"), std::string::npos);
    EXPECT_EQ(libre->reel("select puht from stock"), 3);
    EXPECT_EQ(libre->reel("select puht from produit"), 4);
}

TEST_F(LotCommandeTest, CodeDAcces) {
    Resultat r = lancer("--societe GARDEE --magasin M1 --oui --code-stdin", "S3CRET\n");
    EXPECT_EQ(r.statut, 3);
    EXPECT_NE(r.sortie.find("ERREUR: Code Accès Incorrect, Accès pour Utilisateur :\n Refusé ...!"), std::string::npos)
        << r.sortie;
    EXPECT_TRUE(gardee->estNul("select puht from stock"));
    r = lancer("--societe GARDEE --magasin M1 --oui --code-stdin", "s3cret\n");
    EXPECT_EQ(r.statut, 0) << r.sortie;
    EXPECT_EQ(gardee->reel("select puht from stock"), 3);
    EXPECT_EQ(gardee->reel("select puht from produit"), 3) << "flag NON: the stock cost";
}

TEST_F(LotCommandeTest, ErreursDUsageEtDeChoix) {
    const struct {
        const char* arguments;
        int statut;
        const char* message;
    } cas[] = {
        {"--societe LIBRE --magasin M1", 2, "ajoutez --oui"},
        {"--magasin M1 --oui", 2, "--societe est obligatoire"},
        {"--societe LIBRE --magasin M1 --portee toutes --oui", 2, "portée inconnue : toutes"},
        {"--societe GARDEE --magasin M1 --oui", 2, "--code-stdin"},
        {"--societe AUTRE --magasin M1 --oui", 1, "Société inconnue : AUTRE"},
        {"--societe LIBRE --magasin ZZ --oui", 1, "Veuillez selectioner un magasin!!!!"},
        {"--societe LIBRE --magasin M1 --portee bon --bon 1x --oui", 1, "N° de bon d'entrée incorrect : 1x"},
        {"--help", 0, "Usage : pmupstock-lot"},
    };
    for (const auto& c : cas) {
        const Resultat r = lancer(c.arguments);
        EXPECT_EQ(r.statut, c.statut) << c.arguments << "\n" << r.sortie;
        EXPECT_NE(r.sortie.find(c.message), std::string::npos) << c.arguments << "\n" << r.sortie;
    }
    EXPECT_TRUE(libre->estNul("select puht from stock"));
}

TEST(LotCommandeDemo, SocieteDeDemonstrationGardeeParSonCode) {
    DossierEssai dossier("lot-demo");
    creerDemo(dossier.chemin(), kGraineDemo);
    const std::string liste = std::string(std::getenv("PMUP_FBROOT")) + "/data/societes.fdb";
    std::filesystem::copy_file(dossier / kFichierSocietes, liste, std::filesystem::copy_options::overwrite_existing);
    const struct {
        const char* arguments;
        const char* code;
        int statut;
        const char* message;
    } cas[] = {
        {"--societe DURAND --magasin M01 --oui --code-stdin", "4321\n", 3, " Refusé ...!"},
        {"--societe DURAND --magasin XYZ --oui --code-stdin", "1234\n", 1, "Veuillez selectioner un magasin!!!!"},
        {"--societe DURAND --magasin M01 --oui --code-stdin", "1234\n", 0, "Mise à Jour des pmup effectuée !"},
    };
    for (const auto& c : cas) {
        const Resultat r = lancer(c.arguments, c.code);
        EXPECT_EQ(r.statut, c.statut) << c.arguments << "\n" << r.sortie;
        EXPECT_NE(r.sortie.find(c.message), std::string::npos) << r.sortie;
    }
    AccesEssai durand(SocieteEssai::fichier(dossier / "durand"));
    EXPECT_EQ(durand.compte("stock s join produit p on p.c_produit=s.c_produit",
                            "s.codemagasin='M01' and s.puht is null"), 0)
        << "every product of the store recalculated";
    durand.connexion().disconnect();
    std::filesystem::remove(liste);
}

}  // namespace
