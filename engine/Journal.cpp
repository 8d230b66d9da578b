#include "Journal.h"

#include "Requete.h"

const char* const kSqlJournal =
    "select PIECE,qte,puht,date_bon ,c_produit,numbon,ordre, ordre2 from (\n"
    // 40BL
    "SELECT p.c_produit,(dl.qte*dl.coeff)as qte,cast(l.date_bon as date) as date_bon,'40BL' as piece,"
    "dl.pmup as puht,dl.numbon,dl.ordre,0 as ordre2\n"
    "FROM magasins m,D_LIVR dl,BON_LIVR l,PRODUIT p\n"
    "where m.CODEMAGASIN=:mag and p.gere='OUI' and p.c_produit=:prod and dl.c_produit=p.c_produit and "
    "l.numbon=dl.numbon and (l.valide='OUI') and m.CODEMAGASIN=l.CODEMAGASIN and p.c_produit=:prod\n"
    "union all\n"
    // 41BL
    "SELECT p.c_produit,(densl.qte*d.coeff)as qte,cast(l.date_bon as date) as date_bon,'41BL' as piece,"
    "densl.pmup as puht ,d.numbon,densl.ordreens,densl.ordre as ordre2\n"
    "FROM magasins m,D_ENSL densl inner join d_livr d on (d.numbon=densl.numpiece and densl.ordreens=d.ordre),"
    "BON_LIVR l,PRODUIT p\n"
    "where m.CODEMAGASIN=:mag and densl.c_produit=p.c_produit and l.numbon=densl.numpiece and l.valide='OUI' "
    "and m.CODEMAGASIN=l.CODEMAGASIN and p.c_produit=:prod\n"
    "union all\n"
    // 20PR
    "SELECT p.c_produit,(da.qte*da.coeff)as qte,cast(ba.date_bon as date) as date_bon,'20PR' as piece,"
    "da.pmup as puht ,da.numbon,da.ordre,0 as ordre2\n"
    "from BON_ASSEMB ba,D_ASSEMB da,PRODUIT p ,magasins m\n"
    "where (m.CODEMAGASIN=:mag) and p.c_produit=:prod and (ba.numbon=da.numbon) and "
    "(da.C_PRODUIT=p.C_PRODUIT) and (ba.magensemble= m.codemagasin) and (ba.valide='OUI')\n"
    "union all\n"
    // 50CO
    "SELECT p.c_produit,(dens.qte)as qte,cast(ba.date_bon as date) as date_bon,'50CO' as piece,"
    "dENS.pmup as puht ,ba.numbon,dens.ordreens,dens.ordre as ordre2\n"
    "from BON_ASSEMB ba,D_ENSA dens,PRODUIT p ,magasins m\n"
    "where (m.CODEMAGASIN=:mag) and p.c_produit=:prod and (ba.numbon=dens.NUMPIECE) and "
    "(dens.C_PRODUIT=p.C_PRODUIT) and (ba.MAGCOMPOSANT=m.CODEMAGASIN) and (ba.valide='OUI')\n"
    "union all\n"
    // 30RE
    "SELECT p.c_produit,(dr.qte)as qte,cast(r.date_bon as date) as date_bon,'30RE' as piece,"
    "dR.pump as puht ,dr.numbon,dr.ordre,0 as ordre2\n"
    "FROM magasins m,D_RET dr,BON_RET r,PRODUIT p\n"
    "where m.CODEMAGASIN=:mag and p.gere='OUI' and p.c_produit=:prod and dr.c_produit=p.c_produit and "
    "r.numbon=dr.numbon and (r.valide='OUI') and m.CODEMAGASIN=R.CODEMAGASIN\n"
    "union all\n"
    // 31RE
    "SELECT p.c_produit,(dENSr.qte*D.COEFF)as qte,cast(r.date_bon as date) as date_bon,'31RE' as piece,"
    "densr.pmup as puht ,d.numbon,densr.ordreens,densr.ordre as ordre2\n"
    "FROM magasins m, D_ENSR densr inner join d_ret d on (d.numbon=densr.numpiece and densr.ordreens=d.ordre),"
    "BON_RET r,PRODUIT p\n"
    "where m.CODEMAGASIN=:mag and P.c_produit=p.c_produit and p.c_produit=:prod and densr.c_produit=p.c_produit "
    "and r.numbon=densr.numpiece and r.valide='OUI' and m.CODEMAGASIN=r.CODEMAGASIN\n"
    "union all\n"
    // 10BE
    "SELECT p.c_produit,(dE.qte*De.COEFF)as qte,cast(E.date_bon as date) as date_bon,'10BE' as piece,"
    "dE.PUHT as puht,de.numbon,de.ordre,0 as ordre2\n"
    "FROM magasins m,D_ENTR de,BON_ENTR e,PRODUIT p\n"
    "where m.CODEMAGASIN=:mag and p.gere='OUI' and p.c_produit=:prod and de.c_produit=p.c_produit and "
    "e.numbon=de.numbon and (e.valide='OUI') and m.CODEMAGASIN=e.CODEMAGASIN\n"
    "union all\n"
    // 60BS
    "SELECT p.c_produit,(dS.qte*Ds.COEFF)as qte,cast(bs.date_bon as date) as date_bon,'60BS' as piece,"
    "ds.PUHT as puht ,ds.numbon,0 as ordre,0 as ordre2\n"
    "FROM magasins m,D_SORT ds,BON_SORT bs,PRODUIT p\n"
    "where m.CODEMAGASIN=:mag and p.gere='OUI' and p.c_produit=:prod and ds.c_produit=p.c_produit and "
    "bs.numbon=ds.numbon and (bs.valide='OUI') and m.CODEMAGASIN=bs.CODEMAGASIN\n"
    "union all\n"
    // 00BT
    "SELECT p.c_produit,(dt.qte)as qte,cast(bt.date_bon as date) as date_bon,'00BT' as piece,"
    "dt.PUHT as puht ,dt.numbon,0 as ordre,0 as ordre2\n"
    "FROM PRODUIT p ,magasins m,D_TRANSF dt,BON_TRANSF bt\n"
    "where m.CODEMAGASIN=:mag and p.gere='OUI' and p.c_produit=:prod and dt.c_produit=p.c_produit and "
    "bt.numbon=dt.numbon and (bt.valide='OUI' )and bt.MAGDEST=m.CODEMAGASIN\n"
    "union all\n"
    // 70BT
    "SELECT p.c_produit,(dt.qte)as qte,cast(bt.date_bon as date) as date_bon,'70BT' as piece,"
    "dt.PUHT as puht ,dt.numbon,0 as ordre,0 as ordre2\n"
    "FROM PRODUIT p ,magasins m,D_TRANSF dt,BON_TRANSF bt\n"
    "where m.CODEMAGASIN=:mag and p.gere='OUI' and p.c_produit=:prod and dt.c_produit=p.c_produit and "
    "bt.numbon=dt.numbon and (bt.valide='OUI' )and bt.MAGSOURCE=m.CODEMAGASIN\n"
    ")\n"
    "ORDER BY DAte_bon,piece";

LecteurJournal::LecteurJournal(const Requete& prod)
    : prod_(prod),
      piece_(prod.indiceChamp("PIECE")),
      qte_(prod.indiceChamp("QTE")),
      puht_(prod.indiceChamp("PUHT")),
      date_(prod.indiceChamp("DATE_BON")),
      produit_(prod.indiceChamp("C_PRODUIT")),
      numbon_(prod.indiceChamp("NUMBON")),
      ordre_(prod.indiceChamp("ORDRE")),
      ordre2_(prod.indiceChamp("ORDRE2")) {}

void LecteurJournal::lire(LigneMouvement& ligne) const {
    ligne.PIECE = prod_.texte(piece_);
    ligne.QTE = prod_.reel(qte_);
    ligne.PUHT = prod_.reel(puht_);
    ligne.DATE_BON = prod_.texte(date_);
    ligne.C_PRODUIT = prod_.texte(produit_);
    ligne.NUMBON = prod_.entier(numbon_);
    ligne.ORDRE = prod_.entier(ordre_);
    ligne.ORDRE2 = prod_.entier(ordre2_);
}
