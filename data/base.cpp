#include "base.h"

namespace {

// A product without a stock row in the store keeps its purchase price (it used to be set to NULL).
constexpr const char* kUpprod =
    "update produit p set p.puht=(select first 1 s.puht from stock s where s.c_produit=p.c_produit and "
    "s.codemagasin=:mag)\nwhere exists (select 1 from stock s where s.c_produit=p.c_produit and "
    "s.codemagasin=:mag)";

}  // namespace

std::string baseListeSocietes(const std::string& adresseServeur) {
    return adresseServeur.empty() ? "mabase" : adresseServeur + ":mabase";
}

Tdatam::Tdatam(std::string adresseServeur, const RapportErreur& rapport)
    : upprod(dbsource, kUpprod),
      upprod1(dbsource, "update produit p set p.P_DistHT=p.PUHT + (p.Marg_dist * p.PUHT) / 100\n"
                        "where p.Marg_dist<>0 ;"),
      upprod2(dbsource, "update produit p set p.P_VENT1HT=p.PUHT + (p.Marg_Vent1 * p.PUHT) / 100\n"
                        "where p.Marg_Vent1<>0 ;"),
      upprod3(dbsource, "update produit p set p.P_VENT2HT=p.PUHT + (p.Marg_Vent2* p.PUHT) / 100\n"
                        "where p.Marg_Vent2<>0 ;"),
      upprod4(dbsource, "update produit p set p.PRIX_VENT3=p.PUHT + (p.Marg_Vent3 * p.PUHT) / 100\n"
                        "where p.Marg_Vent3<>0 ;"),
      upprod5(dbsource, "update produit p set p.PRIX_VENT4=p.PUHT + (p.Marg_Vent4 * p.PUHT) / 100\n"
                        "where p.Marg_Vent4<>0 ;"),
      upprod6(dbsource, "update produit p set p.PRIX_VENT5=p.PUHT + (p.Marg_Vent5 * p.PUHT) / 100\n"
                        "where p.Marg_Vent5<>0 ;"),
      adresseServeur_(std::move(adresseServeur)) {
    socsource.setTri("SOCIETE");
    societe.setDatabase("mabase");
    try {
        DataModuleCreate();
    } catch (const std::exception& erreur) {
        if (rapport) rapport(erreur);
    }
}

void Tdatam::DataModuleCreate() {
    societe.setDatabase(baseListeSocietes(adresseServeur_));
    societe.connect();
    socsource.open();
}
