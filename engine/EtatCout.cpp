#include "EtatCout.h"

void ajouterQuantite(EtatCout& etat, double qte) {
    const long double somme = enDixMilliemes(qte, etat.Qte);
    etat.Qte = Montant::aQuatreDecimales(static_cast<double>(somme / kDixMille));
}

void retirerQuantite(EtatCout& etat, double qte) {
    const long double reste = static_cast<long double>(etat.Qte.brut) - qte * kDixMille;
    etat.Qte = Montant::aQuatreDecimales(static_cast<double>(reste / kDixMille));
}

void coutEntree(EtatCout& etat, double qte, double puht) {
    const long double quantiteApres = enDixMilliemes(qte, etat.Qte);
    if (quantiteApres <= 0) return;
    if (etat.Qte.brut > 0) {
        constexpr long double kCentMillions = 100000000.0L;
        const long double numerateur = static_cast<long double>(puht) * qte * kCentMillions +
                                       static_cast<long double>(etat.Qte.brut) * etat.Pmup.brut;
        const long double cout = numerateur / quantiteApres / kDixMille;
        etat.Pmup = Montant::aQuatreDecimales(static_cast<double>(cout));
    } else {
        etat.Pmup = Montant::aQuatreDecimales(puht);
    }
}

void coutRetour(EtatCout& etat, double puht) {
    if (etat.Pmup.brut == 0) etat.Pmup = Montant::aQuatreDecimales(puht);
}
