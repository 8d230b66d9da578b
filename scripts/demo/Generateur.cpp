// One year (2025) of stock documents, simulated day by day: the depot buys and supplies the shops, the shops
// sell, take returns and write off breakage, the workshop makes wooden goods. Stock is tracked only to decide
// what to reorder; sales never wait for it, so some stocks go negative as in real shops.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

#include "Bons.h"
#include "Catalogue.h"
#include "Demo.h"
#include "Essai.h"
#include "Hasard.h"
#include "Schema.h"

namespace {

using namespace std::chrono;

inline constexpr const char* kMagasinAnnexe = "M02";
inline constexpr const char* kDepot = "DEP";

struct MagasinDemo {
    std::string code;
    const char* nom;
    const char* localisation;
};

struct SocieteDemo {
    const char* code;
    const char* raison;
    const char* dossier;
    const char* majPrixAchat;
    Texte motDePasse;
    std::vector<MagasinDemo> magasins;
};

const std::vector<SocieteDemo> kSocietes = {
    {"DURAND", "Brico Durand SARL", "durand", "OUI", "1234",
     {{kMagasinVedette, "Lyon Croix-Rousse", "Lyon 4e"},
      {kMagasinAnnexe, "Villeurbanne Gratte-Ciel", "Villeurbanne"},
      {kDepot, "Dépôt de Vénissieux", "Vénissieux"}}},
    {"LEMOINE", "Comptoir Lemoine et Fils", "lemoine", "NON", std::nullopt,
     {{kMagasinVedette, "Bordeaux Chartrons", "Bordeaux"},
      {kMagasinAnnexe, "Mérignac Centre", "Mérignac"},
      {kDepot, "Entrepôt de Bègles", "Bègles"}}},
};

constexpr sys_days kPremierJour = 2025y / January / 1;
constexpr sys_days kDernierJour = 2025y / December / 31;
constexpr sys_days kDebutSaisiesEnCours = 2025y / December / 15;  // later documents are often not validated yet

// The French public holidays of the demo's year.
bool ferie(year_month_day j) {
    static const std::set<std::pair<unsigned, unsigned>> feries = {
        {1, 1}, {4, 21}, {5, 1}, {5, 8}, {5, 29}, {6, 9}, {7, 14}, {8, 15}, {11, 1}, {11, 11}, {12, 25}};
    return feries.count({unsigned(j.month()), unsigned(j.day())}) > 0;
}

// Every random draw is a statement of its own, never one of several arguments of a call, so that a seed
// gives the same documents whatever order a compiler evaluates arguments in.
class GenerateurSociete {
public:
    GenerateurSociete(const SocieteDemo& societe, const std::string& chemin, std::uint64_t graine)
        : societe_(societe), hasard_(graine) {
        const std::string fichier = SocieteEssai::fichier(chemin);
        creerBase(fichier);
        ecrituresDifferees(fichier);
        base_.setDatabase(fichier);
        base_.connect();
        Executeur(base_, kSchemaSociete).execute();
        bons_ = std::make_unique<EcritureBons>(base_);
    }

    BilanSociete generer() {
        referentiel();
        for (sys_days jour = kPremierJour; jour <= kDernierJour; jour += days{1})
            if (weekday{jour} != Sunday && !ferie(year_month_day{jour})) journee(jour);
        bons_->vider();
        calculerStatistiques(base_);
        base_.disconnect();
        return bilan();
    }

private:
    // The settings, stores, families, products with their margins, and the opening stock rows.
    void referentiel() {
        Insertion entete(base_, "ENTETE", {"MAJPRIXACHATPRODUIT", "MOTDEPASSE"});
        entete.ajouter({societe_.majPrixAchat, valeur(societe_.motDePasse)});
        entete.vider();
        Insertion magasins(base_, "MAGASINS", {"CODEMAGASIN", "MAGASIN", "LOCALISATION"});
        for (const MagasinDemo& m : societe_.magasins) magasins.ajouter({m.code, m.nom, m.localisation});
        magasins.vider();
        const CatalogueDemo& catalogue = catalogueDemo();
        Insertion familles(base_, "FAMIL", {"C_FAMIL", "D_FAMIL"});
        for (const FamilleDemo& f : catalogue.familles) familles.ajouter({f.code, f.nom});
        familles.vider();

        Insertion produits(base_, "PRODUIT",
                           {"C_PRODUIT", "D1_PROD", "D2_PROD", "GERE", "FAMILLE", "PUHT", "TVA", "MARG_DIST",
                            "MARG_VENT1", "MARG_VENT2", "MARG_VENT3", "MARG_VENT4", "MARG_VENT5", "P_DISTHT",
                            "P_VENT1HT", "P_VENT2HT", "PRIX_VENT3", "PRIX_VENT4", "PRIX_VENT5"});
        Insertion stocks(base_, "STOCK", {"C_PRODUIT", "CODEMAGASIN", "PMUP", "Q_STOCKDEBEX", "Q_STOCK"});
        for (const ProduitDemo& p : catalogue.produits) {
            const int vente1 = hasard_.entier(40, 90);
            const std::vector<Nombre> marges = {hasard_.entier(10, 30), vente1, vente1 - 10,
                                                hasard_.chance(0.7) ? Nombre(25) : Nombre(0),
                                                hasard_.chance(0.5) ? Nombre(15) : Nombre(0),
                                                hasard_.chance(0.2) ? Nombre(5) : std::nullopt};
            std::vector<ValeurColonne> ligne = {p.code, p.description, std::string(), valeur(p.gere), p.famille,
                                                p.prixAchat, p.tva};
            for (const Nombre& m : marges) ligne.push_back(m ? ValeurColonne(*m) : ValeurColonne());
            for (const Nombre& m : marges)
                ligne.push_back(m ? ValeurColonne(centimes(p.prixAchat * (1 + *m / 100))) : ValeurColonne());
            produits.ajouter(ligne);

            if (p.gere != "OUI") continue;
            for (const MagasinDemo& m : societe_.magasins) {
                // The smaller shop does not carry a quarter of the range.
                if (m.code == kMagasinAnnexe && p.code != kProduitVedette && hasard_.chance(0.25))
                    continue;
                const bool depot = m.code == kDepot;
                const double qte = hasard_.chance(0.2) ? 0 : hasard_.entier(depot ? 10 : 2, depot ? 120 : 30);
                stocks.ajouter({p.code, m.code, centimes(p.prixAchat * hasard_.reel(0.95, 1.05)), qte,
                                qte});
                stock_[{m.code, p.code}] = qte;
                assortiment_[m.code].push_back(&p);
            }
            if (p.achete) achats_.push_back(&p);
            if (!p.recette.empty()) fabriques_.push_back(&p);
        }
        for (const ProduitDemo& p : catalogue.produits)
            if (p.gere != "OUI") (p.kit.empty() ? services_ : kits_).push_back(&p);
        produits.vider();
        stocks.vider();
        compte_["PRODUIT"] = produits.lignes();
        compte_["STOCK"] = stocks.lignes();
    }

    void journee(sys_days jour) {
        const weekday jourSemaine{jour};
        const unsigned quantieme = unsigned(year_month_day{jour}.day());
        if (jourSemaine == Monday) {
            approvisionner(jour, kMagasinVedette);
            approvisionner(jour, kMagasinAnnexe);
            if (quantieme <= 7) reequilibrer(jour, kMagasinVedette, kMagasinAnnexe);
        }
        if (jourSemaine == Thursday && quantieme <= 7 && unsigned(year_month_day{jour}.month()) % 2 == 0)
            reequilibrer(jour, kMagasinAnnexe, kMagasinVedette);
        if (jourSemaine == Tuesday || jourSemaine == Thursday) commanderAuDepot(jour);
        if (jourSemaine == Wednesday) {
            recevoirEnMagasin(jour, kMagasinVedette);
            recevoirEnMagasin(jour, kMagasinAnnexe);
            fabriquer(jour, kDepot, kDepot);
        }
        if (jourSemaine == Friday && quantieme <= 7) fabriquer(jour, kMagasinVedette, kMagasinVedette);
        if (jourSemaine == Friday && quantieme >= 15 && quantieme <= 21) fabriquer(jour, kMagasinVedette, kDepot);
        const bool samedi = jourSemaine == Saturday;
        for (const MagasinDemo& m : societe_.magasins) {
            const bool depot = m.code == kDepot;
            if (depot && samedi) continue;
            const int ventesMax = depot ? 2 : m.code == kMagasinVedette ? 5 : 3;
            const int ventes = hasard_.entier(depot ? 0 : 1, ventesMax) + (samedi ? 2 : 0);
            for (int i = 0; i < ventes; ++i) vendre(jour, m.code);
            if (hasard_.chance(depot ? 0.05 : 0.15)) reprendre(jour, m.code);
            if (hasard_.chance(0.04)) sortir(jour, m.code);
        }
    }

    // Most documents are validated; a few are left aside, and the last fortnight is still being entered.
    Texte validation(sys_days jour) {
        if (jour >= kDebutSaisiesEnCours) return hasard_.chance(0.5) ? "OUI" : "NON";
        const double tirage = hasard_.reel(0, 1);
        if (tirage < 0.003) return std::nullopt;
        return tirage < 0.023 ? "NON" : "OUI";
    }

    Bon nouveauBon(SorteBon sorte, sys_days jour, std::vector<std::string> magasins) {
        return {sorte, jour, validation(jour), std::move(magasins), {}};
    }

    // Whether this validated document is the first of the month in the showcase store to carry the showcase
    // movement of this kind, so that its journal shows every kind whatever the seed.
    bool vedetteDue(const Bon& bon, const std::string& magasin, std::string_view piece) {
        if (!bon.valideOui() || magasin != kMagasinVedette) return false;
        return vedettes_.insert({std::string(piece), unsigned(year_month_day{bon.jour}.month())}).second;
    }

    // The price of a product at a date: purchase prices rise by about 4% over the year.
    double prixDuJour(const std::string& produit, sys_days jour) const {
        const double avancement = static_cast<double>((jour - kPremierJour).count()) / 365.0;
        return catalogueDemo().produit(produit).prixAchat * (1 + 0.04 * avancement);
    }

    // The unit cost the stock application had written on an outgoing line: near the price of the day.
    double coutConnu(const std::string& produit, sys_days jour) {
        return centimes(prixDuJour(produit, jour) * hasard_.reel(0.98, 1.02));
    }

    LigneBon ligne(const ProduitDemo& p, double qte, double prix) { return {{p.code, qte, prix}, 1, p.tva, {}}; }

    LigneBon ligneAuCout(const ProduitDemo& p, double qte, sys_days jour) {
        return ligne(p, qte, coutConnu(p.code, jour));
    }

    // A kit line or a made-product line. A kit's components are stored for the line's quantity and the
    // parent's coefficient applies on reading; a made product's components are stored as consumed.
    LigneBon ligneComposee(const ProduitDemo& p, double qte, double coeff, sys_days jour) {
        const bool kit = !p.kit.empty();
        LigneBon l = ligne(p, qte, 0);
        l.coeff = coeff;
        double coutUnitaire = 0;
        for (const ComposantDemo& c : kit ? p.kit : p.recette) {
            const double cout = coutConnu(c.produit, jour);
            l.composants.push_back({c.produit, c.qte * qte * (kit ? 1 : coeff), cout});
            coutUnitaire += c.qte * cout;
        }
        l.mouvement.prix = centimes(coutUnitaire);
        return l;
    }

    LigneBon ligneKitAuHasard(double qteMax, double probabiliteCoeff2, sys_days jour) {
        const ProduitDemo& kit = *hasard_.parmi(kits_);
        const int qte = hasard_.entier(1, static_cast<int>(qteMax));
        const double coeff = hasard_.chance(probabiliteCoeff2) ? 2 : 1;
        return ligneComposee(kit, qte, coeff, jour);
    }

    const ProduitDemo& auHasard(const std::string& magasin) { return *hasard_.parmi(assortiment_[magasin]); }

    const ProduitDemo& vedette() const { return catalogueDemo().produit(kProduitVedette); }
    const ProduitDemo& kitVedette() const { return catalogueDemo().produit(kKitVedette); }

    void vendre(sys_days jour, const std::string& magasin) {
        Bon bon = nouveauBon(SorteBon::Livraison, jour, {magasin});
        if (vedetteDue(bon, magasin, "40BL")) bon.lignes.push_back(ligneAuCout(vedette(), 1, jour));
        if (vedetteDue(bon, magasin, "41BL")) bon.lignes.push_back(ligneComposee(kitVedette(), 1, 1, jour));
        for (int i = hasard_.entier(1, 4); i > 0; --i) {
            const double tirage = hasard_.reel(0, 1);
            if (tirage < 0.08) {
                bon.lignes.push_back(ligneKitAuHasard(2, 0.1, jour));
            } else if (tirage < 0.13) {
                bon.lignes.push_back(ligne(*hasard_.parmi(services_), 1, 0));
            } else {
                const ProduitDemo& p = auHasard(magasin);
                const int qte = hasard_.chance(0.1) ? hasard_.entier(4, 12) : hasard_.entier(1, 3);
                LigneBon l = ligneAuCout(p, qte, jour);
                if (hasard_.chance(0.05)) l.coeff = 2;  // sold by the pair
                bon.lignes.push_back(l);
            }
        }
        enregistrer(bon);
    }

    void reprendre(sys_days jour, const std::string& magasin) {
        Bon bon = nouveauBon(SorteBon::Retour, jour, {magasin});
        if (vedetteDue(bon, magasin, "30RE")) bon.lignes.push_back(ligneAuCout(vedette(), 1, jour));
        if (vedetteDue(bon, magasin, "31RE")) bon.lignes.push_back(ligneComposee(kitVedette(), 1, 1, jour));
        for (int i = hasard_.entier(1, 2); i > 0; --i) {
            if (hasard_.chance(0.25)) {
                bon.lignes.push_back(ligneKitAuHasard(1, 0.2, jour));
            } else {
                const ProduitDemo& p = auHasard(magasin);
                bon.lignes.push_back(ligneAuCout(p, hasard_.entier(1, 2), jour));
            }
        }
        enregistrer(bon);
    }

    // Breakage and shrinkage; the same product is sometimes written off twice on one voucher.
    void sortir(sys_days jour, const std::string& magasin) {
        Bon bon = nouveauBon(SorteBon::Sortie, jour, {magasin});
        if (vedetteDue(bon, magasin, "60BS")) bon.lignes.push_back(ligneAuCout(vedette(), 1, jour));
        for (int i = hasard_.entier(1, 3); i > 0; --i) {
            const ProduitDemo& p = auHasard(magasin);
            bon.lignes.push_back(ligneAuCout(p, hasard_.entier(1, 2), jour));
            if (hasard_.chance(0.3)) bon.lignes.push_back(ligneAuCout(p, 1, jour));
        }
        enregistrer(bon);
    }

    // A supplier's line: small articles come by the carton of ten.
    LigneBon ligneAchat(const ProduitDemo& p, double besoin, sys_days jour) {
        LigneBon l = ligne(p, besoin, centimes(prixDuJour(p.code, jour) * hasard_.reel(0.96, 1.04)));
        if (p.prixAchat < 5) {
            l.mouvement.qte = std::ceil(besoin / 10);
            l.coeff = 10;
        }
        return l;
    }

    // The depot reorders what runs low there.
    void commanderAuDepot(sys_days jour) {
        Bon bon = nouveauBon(SorteBon::Entree, jour, {kDepot});
        const std::size_t depart = static_cast<std::size_t>(hasard_.entier(0, static_cast<int>(achats_.size()) - 1));
        for (std::size_t i = 0; i < achats_.size() && bon.lignes.size() < 14; ++i) {
            const ProduitDemo& p = *achats_[(depart + i) % achats_.size()];
            const auto stock = stock_.find({kDepot, p.code});
            if (stock != stock_.end() && stock->second < 12)
                bon.lignes.push_back(ligneAchat(p, std::max(10.0, hasard_.entier(30, 80) - stock->second), jour));
        }
        while (bon.lignes.size() < 3) {
            const ProduitDemo& p = *hasard_.parmi(achats_);
            bon.lignes.push_back(ligneAchat(p, hasard_.entier(10, 40), jour));
        }
        enregistrer(bon);
    }

    // Some suppliers deliver the shops directly.
    void recevoirEnMagasin(sys_days jour, const std::string& magasin) {
        Bon bon = nouveauBon(SorteBon::Entree, jour, {magasin});
        if (vedetteDue(bon, magasin, "10BE")) bon.lignes.push_back(ligneAchat(vedette(), 4, jour));
        for (int i = hasard_.entier(2, 5); i > 0; --i) {
            const ProduitDemo& p = *hasard_.parmi(achats_);
            if (stock_.count({magasin, p.code})) bon.lignes.push_back(ligneAchat(p, hasard_.entier(5, 20), jour));
        }
        if (!bon.lignes.empty()) enregistrer(bon);
    }

    // The depot's weekly supply of a shop: what runs low there, whatever the depot holds.
    void approvisionner(sys_days jour, const std::string& magasin) {
        Bon bon = nouveauBon(SorteBon::Transfert, jour, {kDepot, magasin});
        if (vedetteDue(bon, magasin, "00BT")) bon.lignes.push_back(ligneAuCout(vedette(), 3, jour));
        for (const ProduitDemo* p : assortiment_[magasin])
            if (stock_[{magasin, p->code}] < 4 && bon.lignes.size() < 12)
                bon.lignes.push_back(ligneAuCout(*p, hasard_.entier(6, 15), jour));
        if (bon.lignes.size() < 2) {
            const ProduitDemo& p = auHasard(magasin);
            bon.lignes.push_back(ligneAuCout(p, hasard_.entier(6, 15), jour));
        }
        enregistrer(bon);
    }

    void reequilibrer(sys_days jour, const std::string& source, const std::string& destination) {
        Bon bon = nouveauBon(SorteBon::Transfert, jour, {source, destination});
        if (vedetteDue(bon, source, "70BT")) bon.lignes.push_back(ligneAuCout(vedette(), 2, jour));
        for (int i = hasard_.entier(2, 4); i > 0; --i) {
            const ProduitDemo& p = auHasard(destination);
            bon.lignes.push_back(ligneAuCout(p, hasard_.entier(2, 5), jour));
        }
        enregistrer(bon);
    }

    void fabriquer(sys_days jour, const std::string& magasinFini, const std::string& magasinComposants) {
        Bon bon = nouveauBon(SorteBon::Production, jour, {magasinFini, magasinComposants});
        std::set<const ProduitDemo*> produits;
        if (vedetteDue(bon, magasinFini, "20PR")) produits.insert(&vedette());
        if (vedetteDue(bon, magasinComposants, "50CO")) produits.insert(&catalogueDemo().produit(kFabriqueAvecVedette));
        for (int i = hasard_.entier(1, 2); i > 0; --i) produits.insert(hasard_.parmi(fabriques_));
        for (const ProduitDemo* p : fabriques_)  // in recipe order: a made component is made first
            if (produits.count(p)) bon.lignes.push_back(ligneComposee(*p, hasard_.entier(2, 6), 1, jour));
        enregistrer(bon);
    }

    void bouger(const std::string& magasin, const std::string& produit, double quantite) {
        const auto stock = stock_.find({magasin, produit});
        if (stock == stock_.end()) return;
        stock->second += quantite;
        if (stock->second < 0) negatifs_.insert({magasin, produit});
    }

    // What a validated document does to the stock, the way the cost replay reads it.
    void mouvementer(const Bon& bon) {
        const std::string& magasin = bon.magasins[0];
        for (const LigneBon& l : bon.lignes) {
            const double qte = l.mouvement.qte * l.coeff;
            switch (bon.sorte) {
                case SorteBon::Entree: bouger(magasin, l.mouvement.produit, qte); break;
                case SorteBon::Livraison: bouger(magasin, l.mouvement.produit, -qte); break;
                case SorteBon::Retour: bouger(magasin, l.mouvement.produit, l.mouvement.qte); break;
                case SorteBon::Sortie: bouger(magasin, l.mouvement.produit, -qte); break;
                case SorteBon::Production: bouger(magasin, l.mouvement.produit, qte); break;
                case SorteBon::Transfert:
                    bouger(magasin, l.mouvement.produit, -l.mouvement.qte);
                    bouger(bon.magasins[1], l.mouvement.produit, l.mouvement.qte);
                    break;
            }
            for (const MouvementBon& c : l.composants) {
                if (bon.sorte == SorteBon::Production) bouger(bon.magasins[1], c.produit, -c.qte);
                else bouger(magasin, c.produit, (bon.sorte == SorteBon::Retour ? 1 : -1) * c.qte * l.coeff);
            }
        }
    }

    void enregistrer(const Bon& bon) {
        std::string date = texteDate(bon.jour);
        if (bon.sorte == SorteBon::Livraison) {  // the delivery header keeps the time of the sale
            const int heure = hasard_.entier(8, 18);
            const int minute = hasard_.entier(0, 59);
            char texte[16];
            std::snprintf(texte, sizeof texte, " %02d:%02d:00", heure, minute);
            date += texte;
        }
        bons_->ecrire(bon, date);
        if (bon.valideOui()) mouvementer(bon);
    }

    BilanSociete bilan() const {
        BilanSociete bilan{societe_.code, {}, static_cast<int>(negatifs_.size())};
        for (const auto& [table, lignes] : compte_) bilan.tables.push_back({table, lignes});
        for (const CompteTable& c : bons_->comptes()) bilan.tables.push_back(c);
        return bilan;
    }

    const SocieteDemo& societe_;
    Connexion base_;
    Hasard hasard_;
    std::unique_ptr<EcritureBons> bons_;  // prepared once the database exists
    std::map<std::string, int> compte_;
    std::map<std::pair<std::string, std::string>, double> stock_;  // by store, product
    std::set<std::pair<std::string, std::string>> negatifs_;
    std::map<std::string, std::vector<const ProduitDemo*>> assortiment_;  // stocked products by store
    std::vector<const ProduitDemo*> achats_, fabriques_, kits_, services_;
    std::set<std::pair<std::string, unsigned>> vedettes_;  // piece code, month
};

}  // namespace

std::vector<BilanSociete> creerDemo(const std::filesystem::path& dossier, std::uint64_t graine) {
    const std::filesystem::path racine = std::filesystem::absolute(dossier);
    if (std::filesystem::exists(racine / kFichierSocietes))
        throw std::runtime_error("Le dossier " + racine.string() + " contient déjà une démonstration ; "
                                 "supprimez-le avant d'en créer une autre.");
    std::filesystem::create_directories(racine);
    ListeSocietesEssai liste((racine / kFichierSocietes).string());
    std::vector<BilanSociete> bilans;
    for (std::size_t i = 0; i < kSocietes.size(); ++i) {
        const SocieteDemo& societe = kSocietes[i];
        const std::string chemin = (racine / societe.dossier).string();
        liste.societe(societe.code, societe.raison, chemin);
        bilans.push_back(GenerateurSociete(societe, chemin, graine * kSocietes.size() + i).generer());
    }
    return bilans;
}
