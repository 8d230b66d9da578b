#include "USTOCK.h"

TForm1::TForm1(Connexion& connexion) : dbsource(connexion) {
    produit.setTri("C_PRODUIT");
    famille.setTri("C_FAMIL");
    PROD.setUnidirectionnel(true);
}
