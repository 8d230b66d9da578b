#include "Lot.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "USTOCK.h"
#include "base.h"

namespace {

constexpr const char* kSousRequeteTous =
    "   from produit d inner join stock s on(s.c_produit=d.c_produit) where d.gere='OUI'";
constexpr const char* kModeleNiveau1 =
    "select distinct f.c_produit from d_assemb f inner join d_ensa p on(p.numpiece=f.numbon and(p.ordreens=f.ordre))\n"
    "where p.c_produit in (Select distinct d.c_produit  [p]) ";
constexpr const char* kProduitsDuMagasin =
    "Select * from produit p inner join stock s on(s.c_produit=p.c_produit) where  s.codemagasin=:mag and "
    "p.gere='OUI' order by P.c_produit";
constexpr const char* kPrefixeRecalcul = "Recalcul du pmup pour le produit ";

std::string remplacerTout(std::string texte, std::string_view marque, const std::string& par) {
    for (std::size_t i = texte.find(marque); i != std::string::npos; i = texte.find(marque, i + par.size()))
        texte.replace(i, marque.size(), par);
    return texte;
}

void ouvrirListe(Requete& liste, std::string sql) {
    liste.close();
    liste.setSql(std::move(sql));
    liste.open();
}

}  // namespace

std::string codeSql(const std::string& code) { return remplacerTout(code, "'", "''"); }

long long numeroBonEntree(const std::string& texte) {
    if (texte.empty()) return 0;
    const std::size_t debut = texte[0] == '-' ? 1 : 0;
    const bool entier = texte.size() > debut && texte.size() - debut <= 18 &&
                        std::all_of(texte.begin() + static_cast<std::ptrdiff_t>(debut), texte.end(),
                                    [](unsigned char c) { return std::isdigit(c); });
    if (!entier) throw ErreurSaisie("N° de bon d'entrée incorrect : " + texte);
    return std::stoll(texte);
}

RecalculLot::RecalculLot(Tdatam& datam, TForm1& form1)
    : niveau1(datam.dbsource, kModeleNiveau1), datam_(datam), form1_(form1) {}

void RecalculLot::preparerPortee(FenetreLot& fenetre, const std::string& magasin) {
    SousRequeteProduits = kSousRequeteTous;
    const std::string mag = codeSql(magasin);
    switch (fenetre.Portee()) {
        case PorteeTous:
            break;
        case PorteeFamilles: {
            const std::string debut = codeSql(fenetre.familleDebut());
            const std::string fin = codeSql(fenetre.familleFin());
            ouvrirListe(form1_.produit, "Select * from produit where gere='OUI' and famille between '" + debut + "'" +
                                            " and  " + "'" + fin + "'");
            SousRequeteProduits = " from produit d inner join stock s on(s.c_produit=d.c_produit) where  "
                                  "s.codemagasin='" + mag + "'" + " and d.gere='OUI' and d.famille between " +
                                  "'" + debut + "'" + " and  " + "'" + fin + "'";
            break;
        }
        case PorteeProduits: {
            // Read before the list the product boxes pick from is closed.
            const std::string debut = codeSql(fenetre.produitDebut());
            const std::string fin = codeSql(fenetre.produitFin());
            ouvrirListe(form1_.produit, "Select * from produit where gere='OUI' and c_produit >= '" + debut + "'" +
                                            " and c_produit <= " + "'" + fin + "'");
            SousRequeteProduits = " from produit d inner join stock s on(s.c_produit=d.c_produit) where "
                                  "s.codemagasin='" + mag + "'" + " and d.gere='OUI' and d.c_produit >= " + "'" +
                                  debut + "'" + " and d.c_produit <= " + "'" + fin + "'";
            break;
        }
        case PorteeBonEntree: {
            const std::string bon = std::to_string(numeroBonEntree(fenetre.numeroBon()));
            ouvrirListe(form1_.produit, "Select distinct d.c_produit,p.d1_prod from d_entr d inner join produit p "
                                        "on(p.c_produit=d.c_produit) where p.gere='OUI' and d.numbon = " + bon);
            SousRequeteProduits = std::string(" from d_entr d inner join produit po on(po.c_produit=d.c_produit)") +
                                  " inner join stock s on(s.c_produit=d.c_produit)" + " where s.codemagasin='" +
                                  mag + "'" + " and po.gere='OUI' and d.numbon = " + bon;
            break;
        }
    }
}

void RecalculLot::passe(Requete& liste, int reste, FenetreLot& fenetre, const std::string& magasin,
                        const std::string& drapeau) {
    const int champ = liste.indiceChamp("C_PRODUIT");
    for (liste.first(); !liste.eof(); liste.next()) {
        const std::string code = liste.texte(champ);
        fenetre.panneau(0, kPrefixeRecalcul + code);
        form1_.RecalculerProduit(code, magasin, drapeau);
        fenetre.panneau(1, std::to_string(--reste));
    }
}

void RecalculLot::appliquer(FenetreLot& fenetre) {
    const std::string magasin = fenetre.codeMagasin();
    preparerPortee(fenetre, magasin);
    if (fenetre.nomMagasin().empty()) throw ErreurSaisie(kMessageMagasin);

    const std::string question = "Etes vous sûr de vouloir recalculer le pmup et la qte pour les produits choisi  "
                                 "Dans le magasin " + magasin + "?";
    if (fenetre.confirmer(question)) {
        const int produits = form1_.produit.recordCount();
        fenetre.panneau(1, std::to_string(produits));
        datam_.entete.open();
        const std::string drapeau = datam_.entete.texte("MAJPRIXACHATPRODUIT");
        passe(form1_.produit, produits, fenetre, magasin, drapeau);
        fenetre.informer("Mise à Jour des pmup effectuée !");

        niveau1.setSql(remplacerTout(kModeleNiveau1, "[p]", SousRequeteProduits));
        niveau1.open();
        if (const int finis = niveau1.recordCount(); finis > 0) {
            fenetre.informer("Quelque produits ont contribué à la production .Reclaculer le Pmup pour les produits finis");
            fenetre.panneau(1, std::to_string(finis));
            passe(niveau1, finis, fenetre, magasin, drapeau);
            fenetre.informer("Mise à Jour des pmup Pour les produits finis  effectuée !");
        }
    }
    finir(magasin);
}

void RecalculLot::finir(const std::string& magasin) {
    niveau1.close();
    form1_.produit.close();
    form1_.produit.setSql(kProduitsDuMagasin);
    form1_.produit.setTexte("mag", magasin);
    form1_.produit.open();
    if (datam_.entete.texte("MAJPRIXACHATPRODUIT") == "NON") {
        datam_.upprod.setTexte("mag", magasin);
        datam_.upprod.execute();
    }
    for (Executeur* prix : {&datam_.upprod1, &datam_.upprod2, &datam_.upprod3, &datam_.upprod4, &datam_.upprod5,
                            &datam_.upprod6})
        prix->execute();
    datam_.entete.close();
}
