#include "Bons.h"

#include <cmath>
#include <cstdio>

#include <spawn.h>
#include <sys/wait.h>

#include "Requete.h"

namespace {

enum class Totaux { Aucun, ValeurStock, HtTvaTtc };

// The tables and columns of one kind of document.
struct FormeBon {
    const char* entete;
    std::vector<std::string> magasins;  // header's store columns: the one it concerns, or from and to
    Totaux totaux;
    const char* lignes;
    const char* prix;  // the line's price or cost column
    bool coeff;
    bool tva;
    const char* composants;  // component lines under a line, or nullptr
};

const std::map<SorteBon, FormeBon> kFormes = {
    {SorteBon::Entree, {"BON_ENTR", {"CODEMAGASIN"}, Totaux::Aucun, "D_ENTR", "PUHT", true, false, nullptr}},
    {SorteBon::Livraison, {"BON_LIVR", {"CODEMAGASIN"}, Totaux::ValeurStock, "D_LIVR", "PMUP", true, true, "D_ENSL"}},
    {SorteBon::Retour, {"BON_RET", {"CODEMAGASIN"}, Totaux::Aucun, "D_RET", "PUMP", true, false, "D_ENSR"}},
    {SorteBon::Sortie, {"BON_SORT", {"CODEMAGASIN"}, Totaux::HtTvaTtc, "D_SORT", "PUHT", true, true, nullptr}},
    {SorteBon::Production,
     {"BON_ASSEMB", {"MAGENSEMBLE", "MAGCOMPOSANT"}, Totaux::Aucun, "D_ASSEMB", "PMUP", true, false, "D_ENSA"}},
    {SorteBon::Transfert,
     {"BON_TRANSF", {"MAGSOURCE", "MAGDEST"}, Totaux::HtTvaTtc, "D_TRANSF", "PUHT", false, true, nullptr}},
};

std::vector<std::string> colonnesEntete(const FormeBon& forme) {
    std::vector<std::string> colonnes = {"NUMBON", "DATE_BON", "VALIDE"};
    colonnes.insert(colonnes.end(), forme.magasins.begin(), forme.magasins.end());
    if (forme.totaux == Totaux::ValeurStock) colonnes.insert(colonnes.end(), {"VALEURSTOCK", "TVASTOCK"});
    if (forme.totaux == Totaux::HtTvaTtc) colonnes.insert(colonnes.end(), {"TOTALHT", "TVA", "TOTALTTC"});
    return colonnes;
}

std::vector<std::string> colonnesLigne(const FormeBon& forme) {
    std::vector<std::string> colonnes = {"NUMBON", "ORDRE", "C_PRODUIT", "QTE"};
    if (forme.coeff) colonnes.push_back("COEFF");
    colonnes.push_back(forme.prix);
    if (forme.tva) colonnes.push_back("TVA");
    return colonnes;
}

}  // namespace

// Inserts of one kind of document, prepared once.
struct EcritureBons::Insertions {
    Insertions(Connexion& connexion, const FormeBon& forme)
        : entete(connexion, forme.entete, colonnesEntete(forme)),
          lignes(connexion, forme.lignes, colonnesLigne(forme)) {
        if (forme.composants)
            composants = std::make_unique<Insertion>(
                connexion, forme.composants,
                std::vector<std::string>{"NUMPIECE", "ORDREENS", "ORDRE", "C_PRODUIT", "QTE", "PMUP"});
    }
    Insertion entete, lignes;
    std::unique_ptr<Insertion> composants;
    int dernierNumero = 0;
};

EcritureBons::EcritureBons(Connexion& connexion) {
    for (const auto& [sorte, forme] : kFormes) insertions_[sorte] = std::make_unique<Insertions>(connexion, forme);
}

EcritureBons::~EcritureBons() = default;

void EcritureBons::ecrire(const Bon& bon, const std::string& date) {
    const FormeBon& forme = kFormes.at(bon.sorte);
    Insertions& insertions = *insertions_.at(bon.sorte);
    const int numbon = ++insertions.dernierNumero;

    double ht = 0, tva = 0;
    for (const LigneBon& l : bon.lignes) {
        const double montant = l.mouvement.qte * (forme.coeff ? l.coeff : 1) * l.mouvement.prix;
        ht += montant;
        tva += montant * l.tva / 100;
    }
    std::vector<ValeurColonne> entete = {numbon, date, valeur(bon.valide)};
    entete.insert(entete.end(), bon.magasins.begin(), bon.magasins.end());
    if (forme.totaux == Totaux::ValeurStock) entete.insert(entete.end(), {centimes(ht), centimes(tva)});
    if (forme.totaux == Totaux::HtTvaTtc) entete.insert(entete.end(), {centimes(ht), centimes(tva), centimes(ht + tva)});
    insertions.entete.ajouter(entete);

    for (std::size_t i = 0; i < bon.lignes.size(); ++i) {
        const LigneBon& l = bon.lignes[i];
        const std::int32_t ordre = static_cast<std::int32_t>(i + 1);
        std::vector<ValeurColonne> valeurs = {numbon, ordre, l.mouvement.produit, l.mouvement.qte};
        if (forme.coeff) valeurs.push_back(l.coeff);
        valeurs.push_back(l.mouvement.prix);
        if (forme.tva) valeurs.push_back(l.tva);
        insertions.lignes.ajouter(valeurs);
        for (std::size_t j = 0; j < l.composants.size(); ++j) {
            const MouvementBon& c = l.composants[j];
            insertions.composants->ajouter({numbon, ordre, static_cast<std::int32_t>(j + 1), c.produit, c.qte, c.prix});
        }
    }
}

void EcritureBons::vider() {
    for (auto& [sorte, insertions] : insertions_) {
        insertions->entete.vider();
        insertions->lignes.vider();
        if (insertions->composants) insertions->composants->vider();
    }
}

std::vector<CompteTable> EcritureBons::comptes() const {
    std::vector<CompteTable> comptes;
    for (const auto& [sorte, forme] : kFormes) {
        const Insertions& i = *insertions_.at(sorte);
        comptes.push_back({forme.entete, i.entete.lignes()});
        comptes.push_back({forme.lignes, i.lignes.lignes()});
        if (i.composants) comptes.push_back({forme.composants, i.composants->lignes()});
    }
    return comptes;
}

ValeurColonne valeur(const Texte& texte) { return texte ? ValeurColonne(*texte) : ValeurColonne(); }

void calculerStatistiques(Connexion& connexion) {
    Requete index(connexion, "select trim(rdb$index_name) from rdb$indices where rdb$system_flag = 0");
    std::vector<std::string> noms;
    for (index.open(); !index.eof(); index.next()) noms.push_back(index.texte(0));
    for (const std::string& nom : noms) Executeur(connexion, "set statistics index " + nom).execute();
}

void ecrituresDifferees(const std::string& fichier) {
    const char* const arguments[] = {"gfix", "-write", "async", "-user", "SYSDBA", fichier.c_str(), nullptr};
    pid_t pid;
    if (posix_spawnp(&pid, "gfix", nullptr, nullptr, const_cast<char* const*>(arguments), environ) != 0) return;
    int statut;
    waitpid(pid, &statut, 0);
}

std::string texteDate(std::chrono::sys_days jour) {
    const std::chrono::year_month_day j{jour};
    char texte[16];
    std::snprintf(texte, sizeof texte, "%04d-%02u-%02u", int(j.year()), unsigned(j.month()), unsigned(j.day()));
    return texte;
}

double centimes(double x) { return std::round(x * 100) / 100; }
