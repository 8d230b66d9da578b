// The statement holder of the company database: the lists the windows share, the movement journal,
// the write-back statements and the product recalculation.
#pragma once

#include "Connexion.h"
#include "Journal.h"
#include "Requete.h"

// The product list as it stands after start-up: every product, managed or not.
inline constexpr const char* kSqlProduitsDemarrage =
    "SELECT C_PRODUIT , D1_PROD , D2_PROD , PUHT,TVA ,\n"
    "MARG_DIST , MARG_VENT1 , MARG_VENT2 ,\n"
    "P_DISTHT , P_VENT1HT , P_VENT2HT , MODELE\n"
    "FROM PRODUIT order by c_produit";

class TForm1 {
public:
    explicit TForm1(Connexion& dbsource);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    Connexion& dbsource;
    Requete Modele{dbsource, "select * from magasins"};
    Requete produit{dbsource, kSqlProduitsDemarrage};
    Requete famille{dbsource, "select * from famil order by c_famil"};
    Requete pass{dbsource, "select MOTDEPASSE from entete"};
    Requete PROD{dbsource, kSqlJournal};
};
