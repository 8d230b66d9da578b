// The statement holder of the company database: the lists the windows share, the movement journal,
// the write-back statements, the ten movement handlers and the product recalculation.
#pragma once

#include <string>

#include "Connexion.h"
#include "EtatCout.h"
#include "Executeur.h"
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

    // Replays the product's journal in the store from its opening stock row and stores the final cost
    // in the stock row; with majPrixAchat exactly "OUI" the product's purchase price follows each
    // incoming transfer, entry and production. Any error stops the call where it stands.
    void RecalculerProduit(const std::string& codeProduit, const std::string& codeMagasin,
                           const std::string& majPrixAchat);

    // The movement handlers, one per piece code.
    void Traite00BT(EtatCout& etat, const LigneMouvement& ligne);
    void Traite10BE(EtatCout& etat, const LigneMouvement& ligne);
    void Traite20PR(EtatCout& etat, const LigneMouvement& ligne);
    void Traite30RE(EtatCout& etat, const LigneMouvement& ligne);
    void Traite31RE(EtatCout& etat, const LigneMouvement& ligne);
    void Traite40BL(EtatCout& etat, const LigneMouvement& ligne);
    void Traite41BL(EtatCout& etat, const LigneMouvement& ligne);
    void Traite50CO(EtatCout& etat, const LigneMouvement& ligne);
    void Traite60BS(EtatCout& etat, const LigneMouvement& ligne);
    void Traite70BT(EtatCout& etat, const LigneMouvement& ligne);

    Connexion& dbsource;

    // Lists shared with the windows.
    Requete Modele{dbsource, "select * from magasins"};
    Requete produit{dbsource, kSqlProduitsDemarrage};
    Requete famille{dbsource, "select * from famil order by c_famil"};
    Requete pass{dbsource, "select MOTDEPASSE from entete"};

    // The journal and the product recalculation's own statements.
    Requete PROD{dbsource, kSqlJournal};
    Requete stockdeb{dbsource, "select pmup ,q_stockdebex,q_stock,puht from stock where c_produit=:prod and "
                               "codemagasin=:mag"};
    Executeur UPPRODPA{dbsource, "update produit p set p.puht=:p where p.c_produit=:c_produit"};
    Executeur upstock{dbsource, "update stock set puht=:p,ANCPUHT=:ap where c_produit=:prod and codemagasin=:mag"};

    // Write-back statements of the handlers.
    Executeur upbl{dbsource, "update d_livr set pmup=:p where numbon=:num and ordre=:ordre;"};
    Executeur upensbl{dbsource, "update d_ensl set pmup=:p where numpiece=:num and ordre=:ordre AND ordreens=:ordreens;"};
    Executeur updetass{dbsource,
                       "update D_ensa set pmup=:p where numpiece=:num and ordre=:ordre AND ordreens=:ordreens;"};
    // A finished line whose quantity × coefficient is 0 or NULL keeps its cost (no division by zero,
    // no NULL cost).
    Executeur uppmupass{dbsource,
                        "update D_ASSEMB a set a.pmup=(select (sum(d.pmup*d.qte) )/(a.qte*a.coeff) from d_ensa d "
                        "where d.numpiece=a.numbon and(d.ordreens=a.ordre)) where a.numbon=:num and a.qte<>0 and "
                        "a.qte*a.coeff<>0 and a.ordre=:ordre;"};
    Executeur upret{dbsource, "update D_ret set pump=:p where numbon=:num and ordre=:ordre;"};
    Executeur upensret{dbsource,
                       "update D_ensr set pmup=:p where numpiece=:num and ordre=:ordre AND ordreens=:ordreens;"};
    Executeur upsort{dbsource, "update d_sort set puht=:p where numbon=:num and c_produit=:prod;"};
    Executeur uptrans{dbsource, "update d_transf set puht=:p where numbon=:num and c_produit=:prod;"};
    Executeur totalbl{dbsource,
                      "UPDATE bon_livr b set b.valeurstock=(select sum(d.qte*d.coeff*d.pmup) from d_livr d where "
                      "d.numbon=:num), b.tvastock= (select sum(d.qte*d.coeff*d.pmup*d.tva/100) from d_livr d where "
                      "d.numbon=:num) where b.numbon=:num;"};
    // The server's SET clause sees the old totals, so the total with tax is set again from the new ones.
    Executeur totalsortie{dbsource,
                          "UPDATE bon_sort b set b.totalht=(select sum(d.qte*d.coeff*d.puht) from d_sort d where "
                          "d.numbon=:num), b.tva= (select sum(d.qte*d.coeff*d.puht*d.tva/100) from d_sort d where "
                          "d.numbon=:num), b.totalttc=b.totalht+b.tva where b.numbon=:num;\n"
                          "update bon_sort set totalttc=totalht+tva where numbon=:num;"};
    Executeur totaltrans{dbsource,
                         "UPDATE bon_transF b set b.totalht=(select sum(d.qte*d.puht) from d_transF d where "
                         "d.numbon=:num), b.tva= (select sum(d.qte*d.puht*d.tva/100) from d_transF d where "
                         "d.numbon=:num), b.totalttc=b.totalht+b.tva where b.numbon=:num;\n"
                         "update bon_transF set totalttc=totalht+tva where numbon=:num;"};

private:
    EtatCout etat_;
    LigneMouvement ligne_;
};
