// pmupstock-demo: creates the demo databases, or prints a demo product's movement journal.
#include <chrono>
#include <iostream>
#include <map>

#include "Demo.h"
#include "Tableau.h"

namespace {

const char* const kAide =
    "Usage :\n"
    "  pmupstock-demo DOSSIER [--graine N]\n"
    "      crée dans DOSSIER la liste des sociétés (societes.fdb) et les bases des deux sociétés\n"
    "      de démonstration ; la même graine donne les mêmes bases (par défaut 2025).\n"
    "  pmupstock-demo journal DOSSIER SOCIETE PRODUIT MAGASIN\n"
    "      affiche le journal des mouvements d'un produit dans un magasin d'une société de la démonstration.\n";

class ErreurUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void afficherBilan(const std::vector<BilanSociete>& bilans) {
    std::vector<ColonneTableau> colonnes = {{"Table", false}};
    std::map<std::string, std::vector<std::string>> parTable;
    std::vector<std::string> ordre;
    for (const BilanSociete& b : bilans) {
        colonnes.push_back({b.societe, true});
        for (const CompteTable& t : b.tables) {
            if (!parTable.count(t.table)) ordre.push_back(t.table);
            parTable[t.table].push_back(std::to_string(t.lignes));
        }
    }
    std::vector<std::vector<std::string>> lignes;
    for (const std::string& table : ordre) {
        lignes.push_back({table});
        lignes.back().insert(lignes.back().end(), parTable[table].begin(), parTable[table].end());
    }
    std::vector<std::string> negatifs = {"(stocks passés en négatif)"};
    for (const BilanSociete& b : bilans) negatifs.push_back(std::to_string(b.stocksNegatifs));
    lignes.push_back(negatifs);
    imprimerTableau(std::cout, colonnes, lignes);
}

int creer(const std::vector<std::string>& arguments) {
    std::uint64_t graine = kGraineDemo;
    std::string dossier;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--graine") {
            if (i + 1 == arguments.size()) throw ErreurUsage("--graine attend un nombre");
            try {
                graine = std::stoull(arguments[++i]);
            } catch (const std::exception&) {
                throw ErreurUsage("graine invalide : " + arguments[i]);
            }
        } else if (dossier.empty()) {
            dossier = arguments[i];
        } else {
            throw ErreurUsage("argument en trop : " + arguments[i]);
        }
    }
    if (dossier.empty()) throw ErreurUsage("dossier de la démonstration manquant");

    const auto debut = std::chrono::steady_clock::now();
    const std::vector<BilanSociete> bilans = creerDemo(dossier, graine);
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    afficherBilan(bilans);
    std::cout << "\nDémonstration créée dans " << std::filesystem::absolute(dossier).string() << " en "
              << nombreFrancais(duree.count(), 1) << " s (graine " << graine << ").\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        if (arguments.empty() || arguments[0] == "--aide" || arguments[0] == "--help") {
            std::cout << kAide;
            return arguments.empty() ? 2 : 0;
        }
        if (arguments[0] == "journal") {
            if (arguments.size() != 5) throw ErreurUsage("journal attend DOSSIER SOCIETE PRODUIT MAGASIN");
            afficherJournal(std::cout, arguments[1], arguments[2], arguments[3], arguments[4]);
            return 0;
        }
        return creer(arguments);
    } catch (const ErreurUsage& e) {
        std::cerr << "pmupstock-demo : " << e.what() << "\n\n" << kAide;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "pmupstock-demo : " << e.what() << '\n';
        return 1;
    }
}
