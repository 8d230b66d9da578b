// bench-generer: the benchmark's databases. A company whose store holds a year of stock documents, sized by
// the number of rows the store's movement journals hold in all, over a few thousand products, from a seed;
// and the company list that points the program at such a company.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "Bons.h"
#include "Hasard.h"
#include "Schema.h"

namespace {

using namespace std::chrono;

const char* const kAide =
    "Usage :\n"
    "  bench-generer societe FICHIER --lignes N [--produits N] [--graine N]\n"
    "      crée la base d'une société dont le magasin M01 totalise environ N lignes de journal\n"
    "      (par défaut 3000 produits achetés, graine 1), écrite sans écritures forcées.\n"
    "  bench-generer liste FICHIER SOCIETE CHEMIN\n"
    "      crée la liste des sociétés avec une seule société, dont la base est CHEMIN\\CONTACT.DTK.\n";

constexpr const char* kMagasin = "M01";        // the store the benchmark recalculates
constexpr const char* kMagasinVoisin = "M02";  // the other end of its transfers
constexpr sys_days kPremierJour = 2025y / January / 1;
constexpr long long kJoursParAn = 365;
constexpr int kFabriques = 40;
constexpr int kKits = 30;
constexpr char kPrefixeKit = 'K';  // kits are not stock-managed: only their components move

class ErreurUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Composant {
    std::size_t produit;  // index among the bought products
    double qte;           // per unit of the kit or of the made product
};

struct ProduitBench {
    std::string code;
    double prix;
    std::vector<Composant> composants;
};

std::string code(char prefixe, std::size_t numero, int chiffres) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "%c%0*zu", prefixe, chiffres, numero);
    return texte;
}

// Every random draw is a statement of its own, never one of several arguments of a call, so that a seed
// gives the same documents whatever order a compiler evaluates arguments in.
class GenerateurBench {
public:
    GenerateurBench(const std::string& fichier, int produitsAchetes, std::uint64_t graine) : hasard_(graine) {
        creerBase(fichier);
        ecrituresDifferees(fichier);
        base_.setDatabase(fichier);
        base_.connect();
        Executeur(base_, kSchemaSociete).execute();
        referentiel(produitsAchetes);
    }

    // Writes documents until the store's journals hold at least the given number of rows; returns that number.
    long long generer(long long lignesVisees) {
        EcritureBons bons(base_);
        while (lignes_ < lignesVisees) {
            const sys_days jour = kPremierJour + days{lignes_ * kJoursParAn / lignesVisees};
            const double tirage = hasard_.reel(0, 1);
            Bon bon = tirage < 0.62   ? livraison(jour)
                      : tirage < 0.78 ? entree(jour)
                      : tirage < 0.84 ? sortie(jour)
                      : tirage < 0.91 ? retour(jour)
                      : tirage < 0.97 ? transfert(jour)
                                      : production(jour);
            std::string date = texteDate(jour);
            if (bon.sorte == SorteBon::Livraison) {  // a delivery keeps the time of the sale
                const int heure = hasard_.entier(8, 18);
                date += " " + std::to_string(heure) + ":00:00";
            }
            bons.ecrire(bon, date);
            if (bon.valideOui()) lignes_ += lignesJournal(bon);
        }
        bons.vider();
        calculerStatistiques(base_);
        for (const CompteTable& c : bons.comptes()) std::cout << c.table << " : " << c.lignes << " lignes\n";
        base_.disconnect();
        return lignes_;
    }

    std::size_t produitsGeres() const { return achetes_.size() + fabriques_.size(); }

private:
    void referentiel(int produitsAchetes) {
        Insertion entete(base_, "ENTETE", {"MAJPRIXACHATPRODUIT", "MOTDEPASSE"});
        entete.ajouter({"OUI", ValeurColonne()});
        entete.vider();
        Insertion magasins(base_, "MAGASINS", {"CODEMAGASIN", "MAGASIN"});
        magasins.ajouter({kMagasin, "Magasin mesuré"});
        magasins.ajouter({kMagasinVoisin, "Magasin voisin"});
        magasins.vider();
        Insertion familles(base_, "FAMIL", {"C_FAMIL", "D_FAMIL"});
        familles.ajouter({"GEN", "Articles"});
        familles.vider();

        for (int i = 1; i <= produitsAchetes; ++i) {
            const double prix = centimes(hasard_.reel(0.5, 80));
            achetes_.push_back({code('A', static_cast<std::size_t>(i), 5), prix, {}});
        }
        for (int i = 1; i <= kFabriques; ++i) fabriques_.push_back(compose('F', static_cast<std::size_t>(i)));
        for (int i = 1; i <= kKits; ++i) kits_.push_back(compose(kPrefixeKit, static_cast<std::size_t>(i)));

        Insertion produits(base_, "PRODUIT", {"C_PRODUIT", "D1_PROD", "GERE", "FAMILLE", "PUHT", "TVA", "MARG_DIST",
                                              "MARG_VENT1", "MARG_VENT2", "MARG_VENT3", "MARG_VENT4", "MARG_VENT5"});
        Insertion stocks(base_, "STOCK", {"C_PRODUIT", "CODEMAGASIN", "PMUP", "Q_STOCKDEBEX", "Q_STOCK"});
        for (const std::vector<ProduitBench>* liste : {&achetes_, &fabriques_, &kits_}) {
            const bool gere = liste != &kits_;
            for (const ProduitBench& p : *liste) {
                produits.ajouter({p.code, "Article " + p.code, gere ? "OUI" : "NON", "GEN", p.prix, 20.0, 15.0,
                                  60.0, 50.0, 40.0, 30.0, 20.0});
                if (!gere) continue;
                for (const char* magasin : {kMagasin, kMagasinVoisin}) {
                    const double qte = hasard_.entier(0, 40);
                    const double pmup = centimes(p.prix * hasard_.reel(0.95, 1.05));
                    stocks.ajouter({p.code, magasin, pmup, qte, qte});
                }
            }
        }
        produits.vider();
        stocks.vider();
    }

    // A kit or a made product: two to four bought products.
    ProduitBench compose(char prefixe, std::size_t numero) {
        ProduitBench p{code(prefixe, numero, 3), 0, {}};
        for (int i = hasard_.entier(2, 4); i > 0; --i) {
            const std::size_t composant = static_cast<std::size_t>(hasard_.entier(0, static_cast<int>(achetes_.size()) - 1));
            const double qte = hasard_.entier(1, 4);
            p.composants.push_back({composant, qte});
            p.prix += qte * achetes_[composant].prix;
        }
        p.prix = centimes(p.prix * 1.1);
        return p;
    }

    // A fifth of the range makes half of the movements, as in real shops.
    const ProduitBench& achete() {
        const bool courant = hasard_.chance(0.5);
        const int dernier = static_cast<int>(achetes_.size() / (courant ? 5 : 1)) - 1;
        return achetes_[static_cast<std::size_t>(hasard_.entier(0, dernier))];
    }

    Texte validation() {
        const double tirage = hasard_.reel(0, 1);
        if (tirage < 0.005) return std::nullopt;
        return tirage < 0.02 ? "NON" : "OUI";
    }

    Bon nouveauBon(SorteBon sorte, sys_days jour, std::vector<std::string> magasins) {
        return {sorte, jour, validation(), std::move(magasins), {}};
    }

    // The cost an application had written on the line: near the product's price.
    double cout(const ProduitBench& p) { return centimes(p.prix * hasard_.reel(0.97, 1.03)); }

    LigneBon ligne(const ProduitBench& p, double qte) {
        const double prix = cout(p);
        return {{p.code, qte, prix}, 1, 20, {}};
    }

    // Components are stored for the whole line; a made product's also for its coefficient.
    LigneBon ligneComposee(const ProduitBench& p, double qte) {
        LigneBon l = ligne(p, qte);
        for (const Composant& c : p.composants) {
            const ProduitBench& composant = achetes_[c.produit];
            const double prix = cout(composant);
            l.composants.push_back({composant.code, c.qte * qte, prix});
        }
        return l;
    }

    Bon livraison(sys_days jour) {
        Bon bon = nouveauBon(SorteBon::Livraison, jour, {kMagasin});
        for (int i = hasard_.entier(1, 4); i > 0; --i) {
            const double tirage = hasard_.reel(0, 1);
            const int qte = hasard_.entier(1, 3);
            if (tirage < 0.08) bon.lignes.push_back(ligneComposee(hasard_.parmi(kits_), qte));
            else if (tirage < 0.11) bon.lignes.push_back(ligne(hasard_.parmi(fabriques_), qte));
            else bon.lignes.push_back(ligne(achete(), qte));
        }
        return bon;
    }

    // A supplier's voucher; small articles come by the carton of ten.
    Bon entree(sys_days jour) {
        Bon bon = nouveauBon(SorteBon::Entree, jour, {kMagasin});
        for (int i = hasard_.entier(3, 15); i > 0; --i) {
            const ProduitBench& p = achete();
            LigneBon l = ligne(p, hasard_.entier(5, 40));
            if (p.prix < 5) {
                l.mouvement.qte = std::ceil(l.mouvement.qte / 10);
                l.coeff = 10;
            }
            bon.lignes.push_back(l);
        }
        return bon;
    }

    // Breakage; the same product is sometimes written off twice on one voucher.
    Bon sortie(sys_days jour) {
        Bon bon = nouveauBon(SorteBon::Sortie, jour, {kMagasin});
        for (int i = hasard_.entier(1, 3); i > 0; --i) {
            const ProduitBench& p = achete();
            bon.lignes.push_back(ligne(p, hasard_.entier(1, 2)));
            if (hasard_.chance(0.2)) bon.lignes.push_back(ligne(p, 1));
        }
        return bon;
    }

    Bon retour(sys_days jour) {
        Bon bon = nouveauBon(SorteBon::Retour, jour, {kMagasin});
        for (int i = hasard_.entier(1, 2); i > 0; --i) {
            if (hasard_.chance(0.2)) bon.lignes.push_back(ligneComposee(hasard_.parmi(kits_), 1));
            else bon.lignes.push_back(ligne(achete(), hasard_.entier(1, 2)));
        }
        return bon;
    }

    // Either way between the two stores.
    Bon transfert(sys_days jour) {
        const bool sortant = hasard_.chance(0.5);
        Bon bon = nouveauBon(SorteBon::Transfert, jour,
                             sortant ? std::vector<std::string>{kMagasin, kMagasinVoisin}
                                     : std::vector<std::string>{kMagasinVoisin, kMagasin});
        for (int i = hasard_.entier(2, 8); i > 0; --i) bon.lignes.push_back(ligne(achete(), hasard_.entier(2, 10)));
        return bon;
    }

    Bon production(sys_days jour) {
        Bon bon = nouveauBon(SorteBon::Production, jour, {kMagasin, kMagasin});
        for (int i = hasard_.entier(1, 2); i > 0; --i)
            bon.lignes.push_back(ligneComposee(hasard_.parmi(fabriques_), hasard_.entier(2, 6)));
        return bon;
    }

    // Every document concerns the store: a line of a stock-managed product is one row, a component one more.
    static long long lignesJournal(const Bon& bon) {
        long long lignes = 0;
        for (const LigneBon& l : bon.lignes)
            lignes += static_cast<long long>(l.composants.size()) + (l.mouvement.produit[0] == kPrefixeKit ? 0 : 1);
        return lignes;
    }

    Connexion base_;
    Hasard hasard_;
    std::vector<ProduitBench> achetes_, fabriques_, kits_;
    long long lignes_ = 0;
};

long long nombre(const std::vector<std::string>& arguments, std::size_t& i) {
    if (i + 1 == arguments.size()) throw ErreurUsage(arguments[i] + " attend un nombre");
    try {
        return std::stoll(arguments[++i]);
    } catch (const std::exception&) {
        throw ErreurUsage("nombre invalide : " + arguments[i]);
    }
}

int societe(const std::vector<std::string>& arguments) {
    std::string fichier;
    long long lignes = 0, produits = 3000, graine = 1;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--lignes") lignes = nombre(arguments, i);
        else if (arguments[i] == "--produits") produits = nombre(arguments, i);
        else if (arguments[i] == "--graine") graine = nombre(arguments, i);
        else if (fichier.empty()) fichier = arguments[i];
        else throw ErreurUsage("argument en trop : " + arguments[i]);
    }
    if (fichier.empty() || lignes <= 0 || produits < 10) throw ErreurUsage("fichier, --lignes ou --produits incorrect");

    const auto debut = steady_clock::now();
    GenerateurBench generateur(fichier, static_cast<int>(produits), static_cast<std::uint64_t>(graine));
    const long long journal = generateur.generer(lignes);
    const duration<double> duree = steady_clock::now() - debut;
    std::cout << "Lignes de journal du magasin " << kMagasin << " : " << journal << "\n"
              << "Produits gérés : " << generateur.produitsGeres() << "\n"
              << "Base créée en " << static_cast<int>(duree.count()) << " s (graine " << graine << ").\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        if (arguments.empty() || arguments[0] == "--help") {
            std::cout << kAide;
            return arguments.empty() ? 2 : 0;
        }
        if (arguments[0] == "societe") return societe(arguments);
        if (arguments[0] == "liste" && arguments.size() == 4) {
            ListeSocietesEssai(arguments[1]).societe(arguments[2], "Société de mesure", arguments[3]);
            return 0;
        }
        throw ErreurUsage("commande inconnue");
    } catch (const ErreurUsage& e) {
        std::cerr << "bench-generer : " << e.what() << "\n\n" << kAide;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "bench-generer : " << e.what() << '\n';
        return 1;
    }
}
