#include <map>
#include <stdexcept>

#include "Demo.h"
#include "Essai.h"
#include "Requete.h"
#include "Tableau.h"
#include "USTOCK.h"

namespace {

const std::map<std::string, std::string, std::less<>> kMouvements = {
    {"00BT", "Transfert reçu"},          {"10BE", "Bon d'entrée"},
    {"20PR", "Production (produit fini)"}, {"30RE", "Retour client"},
    {"31RE", "Retour client (composant de kit)"}, {"40BL", "Livraison"},
    {"41BL", "Livraison (composant de kit)"}, {"50CO", "Production (composant consommé)"},
    {"60BS", "Bon de sortie"},            {"70BT", "Transfert envoyé"},
};

// Piece codes sort incoming kinds before outgoing ones; the first outgoing kind is the delivery.
bool entrant(std::string_view piece) { return piece < "40BL"; }

std::string dateFrancaise(const std::string& iso) {  // YYYY-MM-DD
    return iso.size() == 10 ? iso.substr(8, 2) + "/" + iso.substr(5, 2) + "/" + iso.substr(0, 4) : iso;
}

// Opens a lookup of one row; finding none is an error naming what is missing.
void exigerLigne(Requete& requete, const std::string& manque) {
    requete.open();
    if (requete.eof()) throw std::runtime_error(manque);
}

}  // namespace

void connecterSociete(Connexion& dbsource, const std::filesystem::path& dossier, const std::string& societe) {
    Connexion liste;
    liste.setDatabase((dossier / kFichierSocietes).string());
    liste.connect();
    Requete chemin(liste, "select CHEMIN from SOCIETES where SOCIETE = :societe");
    chemin.setTexte("societe", societe);
    exigerLigne(chemin, "Société inconnue dans la démonstration : " + societe);
    dbsource.setDatabase(SocieteEssai::fichier(chemin.texte("CHEMIN")));
    dbsource.connect();
}

std::vector<LigneMouvement> lireJournal(Connexion& dbsource, const std::string& produit, const std::string& magasin) {
    TForm1 form1(dbsource);
    form1.PROD.setTexte("mag", magasin);
    form1.PROD.setTexte("prod", produit);
    form1.PROD.open();
    LecteurJournal lecteur(form1.PROD);
    std::vector<LigneMouvement> lignes;
    for (; !form1.PROD.eof(); form1.PROD.next()) lecteur.lire(lignes.emplace_back());
    return lignes;
}

void afficherJournal(std::ostream& sortie, const std::filesystem::path& dossier, const std::string& societe,
                     const std::string& produit, const std::string& magasin) {
    Connexion dbsource;
    connecterSociete(dbsource, dossier, societe);
    Requete description(dbsource, "select D1_PROD from PRODUIT where C_PRODUIT = :prod");
    description.setTexte("prod", produit);
    exigerLigne(description, "Produit inconnu : " + produit);
    Requete nomMagasin(dbsource, "select MAGASIN from MAGASINS where CODEMAGASIN = :mag");
    nomMagasin.setTexte("mag", magasin);
    exigerLigne(nomMagasin, "Magasin inconnu : " + magasin);
    Requete stock(dbsource, "select PMUP, Q_STOCKDEBEX from STOCK where C_PRODUIT = :prod and CODEMAGASIN = :mag");
    stock.setTexte("prod", produit);
    stock.setTexte("mag", magasin);
    stock.open();

    sortie << "Journal des mouvements du produit " << produit << " (" << description.texte("D1_PROD") << ")\n"
           << "Société " << societe << ", magasin " << magasin << " (" << nomMagasin.texte("MAGASIN") << ")\n"
           << "Stock d'ouverture : " << nombreFrancais(stock.reel("Q_STOCKDEBEX"), 2) << " au coût de "
           << nombreFrancais(stock.reel("PMUP"), 4) << "\n\n";

    double quantite = stock.reel("Q_STOCKDEBEX");
    std::vector<std::vector<std::string>> lignes;
    for (const LigneMouvement& l : lireJournal(dbsource, produit, magasin)) {
        const double mouvement = entrant(l.PIECE) ? l.QTE : -l.QTE;
        quantite += mouvement;
        lignes.push_back({dateFrancaise(l.DATE_BON), l.PIECE, kMouvements.at(l.PIECE), std::to_string(l.NUMBON),
                          std::to_string(l.ORDRE), std::to_string(l.ORDRE2), nombreFrancais(mouvement, 2, true),
                          nombreFrancais(l.PUHT, 4), nombreFrancais(quantite, 2)});
    }
    imprimerTableau(sortie,
                    {{"Date", false}, {"Pièce", false}, {"Mouvement", false}, {"Bon", true}, {"Ligne", true},
                     {"Composant", true}, {"Quantité", true}, {"Prix unitaire", true}, {"Stock", true}},
                    lignes);
    sortie << '\n' << lignes.size() << " mouvement" << (lignes.size() > 1 ? "s" : "")
           << ", stock en fin de journal : " << nombreFrancais(quantite, 2) << '\n';
}
