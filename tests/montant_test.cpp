// Exact cases of the cost arithmetic: rounding on the double values, ties to even, Montant range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "EtatCout.h"

namespace {

TEST(RoundTo, CasExacts) {
    const struct {
        double x;
        int d;
        double attendu;
    } cas[] = {
        {2.5, 0, 2},           {3.5, 0, 4},          {-2.5, 0, -2},         {0.375, -2, 0.37},
        {0.125, -2, 0.12},     {4.12345, -4, 4.1234}, {0.00005, -4, 0},     {0.00015, -4, 0.0001},  // the double lies below the half
        {1.23456, -2, 1.23},   {-4.12345, -4, -4.1234}, {1.5716, -4, 1.5716}, {2.675, -2, 2.67},
        {0, -4, 0},            {123456789.12345, -4, 123456789.1234},
    };
    for (const auto& c : cas) EXPECT_EQ(RoundTo(c.x, c.d), c.attendu) << c.x << " à 10^" << c.d;
}

TEST(Montant, ConversionsEtLimites) {
    EXPECT_EQ(Montant::aQuatreDecimales(4.12345).brut, 41234);
    EXPECT_EQ(Montant::aDeuxDecimales(0.375).brut, 3700);
    EXPECT_EQ(Montant::aDeuxDecimales(-1.23456).brut, -12300);
    EXPECT_EQ(Montant::aQuatreDecimales(10.00005).brut, 100000);
    EXPECT_EQ(Montant{15716}.versReel(), 1.5716);
    EXPECT_EQ(Montant{-3}.versReel(), -0.0003);
    EXPECT_EQ(Montant::depuisReel(922337203685477.5807L).brut, std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Montant::depuisReel(-922337203685477.5808L).brut, std::numeric_limits<std::int64_t>::min());
    for (double horsLimites : {1e15, -1e15, std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_THROW(Montant::aQuatreDecimales(horsLimites), ErreurArithmetique) << horsLimites;
}

struct CasEntree {
    double pmup, qte;         // running state before
    double ligneQte, puht;    // the incoming row
    double attenduPmup, attenduQte;
};

TEST(EtatCout, EntreeEnStock) {
    const CasEntree cas[] = {
        {2, 10, 10, 3, 2.5, 20},              // weighted average
        {1.0001, 3, 4, 2.0002, 1.5716, 7},    // 11.0011 / 7
        {1.5, -5, 10, 4.12345, 4.1234, 5},    // stock negative before: the movement's price
        {1.5, -12, 10, 9, 1.5, -2},           // still negative after: cost unchanged
        {0, 0, 1, 0.00005, 0, 1},             // an exact tie at four decimals goes to the even 0
        {2, 5, 0, 9, 2, 5},                   // quantity 0 leaves the cost
        {2, 0, 0, 9, 2, 0},
        {2, -3, 0, 9, 2, -3},
    };
    for (const CasEntree& c : cas) {
        EtatCout etat{Montant::aQuatreDecimales(c.pmup), Montant::aQuatreDecimales(c.pmup),
                      Montant::aQuatreDecimales(c.qte)};
        coutEntree(etat, c.ligneQte, c.puht);
        ajouterQuantite(etat, c.ligneQte);
        EXPECT_EQ(etat.Pmup.versReel(), c.attenduPmup) << c.ligneQte << " à " << c.puht << " dans " << c.qte;
        EXPECT_EQ(etat.Qte.versReel(), c.attenduQte);
    }
}

TEST(EtatCout, QuantitesEtRetours) {
    EtatCout etat{{}, {}, Montant::aQuatreDecimales(3)};
    retirerQuantite(etat, 5);
    EXPECT_EQ(etat.Qte.versReel(), -2);
    ajouterQuantite(etat, 0.00004);
    EXPECT_EQ(etat.Qte.brut, -20000);
    EXPECT_THROW(retirerQuantite(etat, 1e20), ErreurArithmetique);
    EXPECT_EQ(etat.Qte.brut, -20000);

    coutRetour(etat, 7.25);
    EXPECT_EQ(etat.Pmup.versReel(), 7.25);
    coutRetour(etat, 3.1);
    EXPECT_EQ(etat.Pmup.versReel(), 7.25);
}

}  // namespace
