#include "Essai.h"

#include <atomic>
#include <cstdio>
#include <unistd.h>

#include "Executeur.h"
#include "Requete.h"
#include "Schema.h"

namespace {

std::string joindre(std::initializer_list<std::string> valeurs) {
    std::string texte;
    for (const std::string& v : valeurs) texte += (texte.empty() ? "" : ",") + v;
    return texte;
}

std::string t(std::string_view v) { return litteral(Texte(std::string(v))); }
std::string n(int v) { return std::to_string(v); }

}  // namespace

std::string litteral(const Texte& texte) {
    if (!texte) return "NULL";
    std::string sortie = "'";
    for (char c : *texte) sortie += c == '\'' ? std::string("''") : std::string(1, c);
    return sortie + "'";
}

std::string litteral(const Nombre& nombre) {
    if (!nombre) return "NULL";
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.17g", *nombre);
    return tampon;
}

DossierEssai::DossierEssai(std::string_view nom) {
    static std::atomic<int> compteur{0};
    const char* racine = std::getenv("PMUP_TMP");
    chemin_ = std::filesystem::path(racine ? racine : std::filesystem::temp_directory_path().string()) /
              (std::string(nom) + "-" + std::to_string(getpid()) + "-" + std::to_string(compteur++));
    std::filesystem::remove_all(chemin_);
    std::filesystem::create_directories(chemin_);
}

DossierEssai::~DossierEssai() {
    std::error_code ignore;
    std::filesystem::remove_all(chemin_, ignore);
}

AccesEssai::AccesEssai(std::string chaine) { cx_.setDatabase(std::move(chaine)); }

void AccesEssai::sql(std::string_view script) {
    cx_.connect();
    Executeur(cx_, script).execute();
}

double AccesEssai::reel(std::string_view select) {
    cx_.connect();
    Requete q(cx_, std::string(select));
    q.open();
    return q.reel(0);
}

std::string AccesEssai::texte(std::string_view select) {
    cx_.connect();
    Requete q(cx_, std::string(select));
    q.open();
    return q.texte(0);
}

bool AccesEssai::estNul(std::string_view select) {
    cx_.connect();
    Requete q(cx_, std::string(select));
    q.open();
    return q.estNul(0);
}

int AccesEssai::compte(std::string_view table, std::string_view condition) {
    return static_cast<int>(reel("select count(*) from " + std::string(table) + " where " + std::string(condition)));
}

ListeSocietesEssai::ListeSocietesEssai(const std::string& chaine) : AccesEssai(chaine) {
    creerBase(chaine);
    sql(kSchemaSocietes);
}

void ListeSocietesEssai::societe(std::string_view code, Texte raison, Texte chemin) {
    sql("insert into societes values (" + joindre({t(code), litteral(raison), litteral(chemin)}) + ")");
}

SocieteEssai::SocieteEssai(const std::string& chemin) : AccesEssai(fichier(chemin)) {
    creerBase(fichier(chemin));
    sql(kSchemaSociete);
}

void SocieteEssai::connecter(Connexion& autre) const {
    autre.setDatabase(cx_.database());
    autre.connect();
}

void SocieteEssai::petitCommerce() {
    magasin("M1", "Centre");
    magasin("M2", "Nord");
    famille("A", "Alimentation");
    famille("B", "Boissons");
    famille("C", "Conserves");
    produit("P1", "Farine", "OUI", "A", 1);
    produit("P2", "Jus", "OUI", "B", 1);
    produit("P3", "Thon", "OUI", "C", 1);
    produit("N1", "Sac", "NON", "A", 1);
    stock("P1", "M1", 2, 10);
    stock("P2", "M1", 5, 1);
    stock("P3", "M2", 7, 1);
}

void SocieteEssai::entete(Texte majPrixAchat, Texte motDePasse) {
    sql("insert into entete values (" + joindre({litteral(majPrixAchat), litteral(motDePasse)}) + ")");
}

void SocieteEssai::magasin(std::string_view code, std::string_view nom, std::string_view localisation) {
    sql("insert into magasins values (" + joindre({t(code), t(nom), t(localisation)}) + ")");
}

void SocieteEssai::famille(std::string_view code, std::string_view nom) {
    sql("insert into famil values (" + joindre({t(code), t(nom)}) + ")");
}

void SocieteEssai::produit(std::string_view code, std::string_view description, Texte gere, Texte famille,
                           Nombre puht) {
    sql("insert into produit (c_produit, d1_prod, d2_prod, gere, famille, puht, tva) values (" +
        joindre({t(code), t(description), "''", litteral(gere), litteral(famille), litteral(puht), "19"}) + ")");
}

void SocieteEssai::marges(std::string_view produit, Nombre dist, Nombre v1, Nombre v2, Nombre v3, Nombre v4,
                          Nombre v5) {
    sql("update produit set marg_dist=" + litteral(dist) + ", marg_vent1=" + litteral(v1) +
        ", marg_vent2=" + litteral(v2) + ", marg_vent3=" + litteral(v3) + ", marg_vent4=" + litteral(v4) +
        ", marg_vent5=" + litteral(v5) + " where c_produit=" + t(produit));
}

void SocieteEssai::stock(std::string_view produit, std::string_view magasin, Nombre pmup, Nombre qteDebut,
                         Nombre qteStock) {
    sql("insert into stock (c_produit, codemagasin, pmup, q_stockdebex, q_stock) values (" +
        joindre({t(produit), t(magasin), litteral(pmup), litteral(qteDebut), litteral(qteStock)}) + ")");
}

void SocieteEssai::bonEntree(int numbon, std::string_view date, std::string_view magasin, Texte valide) {
    sql("insert into bon_entr values (" + joindre({n(numbon), t(date), litteral(valide), t(magasin)}) + ")");
}

void SocieteEssai::bonLivraison(int numbon, std::string_view date, std::string_view magasin, Texte valide) {
    sql("insert into bon_livr (numbon, date_bon, valide, codemagasin) values (" +
        joindre({n(numbon), t(date), litteral(valide), t(magasin)}) + ")");
}

void SocieteEssai::bonRetour(int numbon, std::string_view date, std::string_view magasin, Texte valide) {
    sql("insert into bon_ret values (" + joindre({n(numbon), t(date), litteral(valide), t(magasin)}) + ")");
}

void SocieteEssai::bonSortie(int numbon, std::string_view date, std::string_view magasin, Texte valide) {
    sql("insert into bon_sort (numbon, date_bon, valide, codemagasin) values (" +
        joindre({n(numbon), t(date), litteral(valide), t(magasin)}) + ")");
}

void SocieteEssai::bonProduction(int numbon, std::string_view date, std::string_view magEnsemble,
                                 std::string_view magComposant, Texte valide) {
    sql("insert into bon_assemb values (" +
        joindre({n(numbon), t(date), litteral(valide), t(magEnsemble), t(magComposant)}) + ")");
}

void SocieteEssai::bonTransfert(int numbon, std::string_view date, std::string_view source,
                                std::string_view destination, Texte valide) {
    sql("insert into bon_transf (numbon, date_bon, valide, magsource, magdest) values (" +
        joindre({n(numbon), t(date), litteral(valide), t(source), t(destination)}) + ")");
}

void SocieteEssai::ligneEntree(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff,
                               Nombre puht) {
    sql("insert into d_entr values (" +
        joindre({n(numbon), n(ordre), t(produit), litteral(qte), litteral(coeff), litteral(puht)}) + ")");
}

void SocieteEssai::ligneLivraison(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff,
                                  Nombre pmup, Nombre tva) {
    sql("insert into d_livr values (" + joindre({n(numbon), n(ordre), t(produit), litteral(qte), litteral(coeff),
                                                 litteral(pmup), litteral(tva)}) + ")");
}

void SocieteEssai::composantLivraison(int numpiece, int ordreens, int ordre, std::string_view produit, Nombre qte,
                                      Nombre pmup) {
    sql("insert into d_ensl values (" +
        joindre({n(numpiece), n(ordreens), n(ordre), t(produit), litteral(qte), litteral(pmup)}) + ")");
}

void SocieteEssai::ligneRetour(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff,
                               Nombre pump) {
    sql("insert into d_ret values (" +
        joindre({n(numbon), n(ordre), t(produit), litteral(qte), litteral(coeff), litteral(pump)}) + ")");
}

void SocieteEssai::composantRetour(int numpiece, int ordreens, int ordre, std::string_view produit, Nombre qte,
                                   Nombre pmup) {
    sql("insert into d_ensr values (" +
        joindre({n(numpiece), n(ordreens), n(ordre), t(produit), litteral(qte), litteral(pmup)}) + ")");
}

void SocieteEssai::ligneSortie(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff,
                               Nombre puht, Nombre tva) {
    sql("insert into d_sort values (" + joindre({n(numbon), n(ordre), t(produit), litteral(qte), litteral(coeff),
                                                 litteral(puht), litteral(tva)}) + ")");
}

void SocieteEssai::ligneProduction(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff,
                                   Nombre pmup) {
    sql("insert into d_assemb values (" +
        joindre({n(numbon), n(ordre), t(produit), litteral(qte), litteral(coeff), litteral(pmup)}) + ")");
}

void SocieteEssai::composantProduction(int numpiece, int ordreens, int ordre, std::string_view produit,
                                       Nombre qte, Nombre pmup) {
    sql("insert into d_ensa values (" +
        joindre({n(numpiece), n(ordreens), n(ordre), t(produit), litteral(qte), litteral(pmup)}) + ")");
}

void SocieteEssai::ligneTransfert(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre puht,
                                  Nombre tva) {
    sql("insert into d_transf values (" +
        joindre({n(numbon), n(ordre), t(produit), litteral(qte), litteral(puht), litteral(tva)}) + ")");
}
