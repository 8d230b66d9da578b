// The recalculation wizard on offscreen Qt over a fresh company database: navigation, the summary, the
// product boxes as their list changes, activation after a reconnection, Appliquer end to end, placement.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

#include "ApplicationEssai.h"
#include "Essai.h"
#include "MajTarifs.h"
#include "Placement.h"
#include "RepondeurScripte.h"
#include "USTOCK.h"
#include "base.h"

// Readable texts in failure messages.
void PrintTo(const QString& texte, std::ostream* sortie) { *sortie << '"' << texte.toStdString() << '"'; }

namespace {

enum Page { Intervalle = 0, Familles = 1, Produits = 2, Periode = 3, Resume = 4 };

class AssistantTest : public ::testing::Test {
protected:
    DossierEssai dossier{"assistant"};
    SocieteEssai soc{dossier / "soc1"};
    Tdatam datam{"", nullptr};
    std::unique_ptr<TForm1> form1;
    // The message boxes as "?" (confirmation), "x" (error) or "!" and their text, with each new text the
    // status bar's panels are painted with once spied on, in the order the user would see them.
    QStringList evenements;
    ui::RepondeurScripte repondeur;
    std::function<void(const QMessageBox&)> pendantUneBoite;
    ui::Dialogues dialogues{QStringLiteral("Pmupstock"), [this](QMessageBox& boite) {
                                const char* genre = boite.icon() == QMessageBox::Question  ? "? "
                                                    : boite.icon() == QMessageBox::Critical ? "x "
                                                                                             : "! ";
                                evenements << genre + boite.text();
                                if (pendantUneBoite) pendantUneBoite(boite);
                                return repondeur(boite);
                            }};
    std::unique_ptr<TFMajTarifs> f;

    void SetUp() override {
        soc.petitCommerce();
        form1 = std::make_unique<TForm1>(datam.dbsource);
        activer();
        nouvelAssistant();
    }

    // What the company window's Activer does before it shows the wizard: every list on the connection closed
    // by the reconnection, then the store and product lists opened.
    void activer() {
        datam.dbsource.disconnect();
        soc.connecter(datam.dbsource);
        form1->Modele.open();
        form1->produit.open();
    }

    void nouvelAssistant() {
        f.reset();
        f = std::make_unique<TFMajTarifs>(datam, *form1, dialogues);
        montrer();
    }

    void montrer() {
        f->show();
        activerFenetre();
    }

    // The wizard becomes the active window again, after another one was.
    void activerFenetre() {
        QWidget autre;
        autre.show();
        QApplication::setActiveWindow(&autre);
        QApplication::setActiveWindow(f.get());
    }

    void cliquer(QAbstractButton* bouton) { QTest::mouseClick(bouton, Qt::LeftButton); }
    void choisirPortee(PorteeRecalcul portee) {
        QRadioButton* item = f->RIntervalle->findChildren<QRadioButton*>().at(portee);
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));  // on its round button
    }

    // The rows a box offers when the user opens it.
    static QStringList offerts(ui::BoiteRecherche* boite) {
        QFocusEvent entree(QEvent::FocusIn);
        QApplication::sendEvent(boite, &entree);
        QStringList lignes;
        for (int i = 0; i < boite->count(); ++i) lignes << boite->itemText(i);
        return lignes;
    }

    QStringList resume() const { return f->MResume->toPlainText().split('\n'); }

    // Records a panel of the status bar each time it is painted with a new text.
    void espionnerBarreDEtat() {
        QApplication::processEvents();
        const QList<QLabel*> panneaux = f->StatusBar2->findChildren<QLabel*>();
        for (int i = 0; i < panneaux.size(); ++i) {
            auto* espion = new Espion(panneaux[i], [this, i, p = panneaux[i], peint = panneaux[i]->text()]() mutable {
                if (p->text() != peint) evenements << QString("[%1] %2").arg(i).arg(peint = p->text());
            });
            panneaux[i]->installEventFilter(espion);
        }
    }

    class Espion final : public QObject {
    public:
        Espion(QObject* parent, std::function<void()> peint) : QObject(parent), peint_(std::move(peint)) {}
        bool eventFilter(QObject*, QEvent* evenement) override {
            if (evenement->type() == QEvent::Paint) peint_();
            return false;
        }

    private:
        std::function<void()> peint_;
    };
};

TEST_F(AssistantTest, ALaCreation) {
    f = std::make_unique<TFMajTarifs>(datam, *form1, dialogues);
    EXPECT_EQ(f->size(), QSize(465, 372));
    EXPECT_EQ(f->Notebook->size(), QSize(465, 289));
    EXPECT_EQ(f->Notebook->currentIndex(), Intervalle);
    EXPECT_EQ(f->Portee, PorteeTous);
    EXPECT_TRUE(f->RIntervalle->findChildren<QRadioButton*>().at(0)->isChecked());
    EXPECT_FALSE(f->BApp->isEnabled());
    EXPECT_TRUE(f->LigneMagasin.isEmpty());
    EXPECT_TRUE(f->LignePortee.isEmpty());
    EXPECT_TRUE(f->LigneIntervalle.isEmpty());
    EXPECT_EQ(f->ben->text(), "1");
    EXPECT_EQ(f->MResume->toPlainText(), "MResume");
    for (QPushButton* b : {f->BPrec, f->BSuiv, f->BApp, f->BAnn}) EXPECT_EQ(b->size(), QSize(80, 24));
    EXPECT_EQ(f->StatusBar2->texte(0), "Message");
    EXPECT_EQ(f->StatusBar2->texte(1), "Compteur");
}

TEST_F(AssistantTest, Navigation) {
    const struct {
        PorteeRecalcul portee;
        int page;
        bool precedentActif, suivantActif;
        int apresSuivant, apresPrecedent;  // the page itself when the button does nothing
    } cas[] = {
        {PorteeTous, Intervalle, false, true, Resume, Intervalle},
        {PorteeFamilles, Intervalle, false, true, Familles, Intervalle},
        {PorteeProduits, Intervalle, false, true, Produits, Intervalle},
        {PorteeBonEntree, Intervalle, false, true, Periode, Intervalle},
        {PorteeFamilles, Familles, true, true, Resume, Intervalle},
        {PorteeProduits, Produits, true, true, Resume, Intervalle},
        {PorteeBonEntree, Periode, true, true, Resume, Intervalle},
        {PorteeTous, Resume, true, false, Resume, Intervalle},
        {PorteeFamilles, Resume, true, false, Resume, Familles},
        {PorteeProduits, Resume, true, false, Resume, Produits},
        {PorteeBonEntree, Resume, true, false, Resume, Intervalle},
    };
    const auto amener = [this](PorteeRecalcul portee, int page) {
        nouvelAssistant();
        choisirPortee(portee);
        while (f->Notebook->currentIndex() != page && f->BSuiv->isEnabled()) cliquer(f->BSuiv);
        ASSERT_EQ(f->Notebook->currentIndex(), page);
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "portee " << c.portee << ", page " << c.page);
        amener(c.portee, c.page);
        EXPECT_EQ(f->Portee, c.portee);
        EXPECT_EQ(f->BPrec->isEnabled(), c.precedentActif);
        EXPECT_EQ(f->BSuiv->isEnabled(), c.suivantActif);
        EXPECT_EQ(f->BApp->isEnabled(), c.page == Resume);
        cliquer(f->BSuiv);
        EXPECT_EQ(f->Notebook->currentIndex(), c.apresSuivant);
        amener(c.portee, c.page);
        cliquer(f->BPrec);
        EXPECT_EQ(f->Notebook->currentIndex(), c.apresPrecedent);
        EXPECT_EQ(f->BApp->isEnabled(), c.apresPrecedent == Resume);
    }
}

TEST_F(AssistantTest, Resume) {
    const struct {
        const char* nom;
        std::function<void()> parcours;  // from the first page to the summary
        QStringList lignes;
    } cas[] = {
        {"TOUS sans page d'intervalle", [&] { cliquer(f->BSuiv); },
         {"Magasin Centre", "Produits concernés par la mise à jour : TOUS", ""}},
        {"les descriptions des familles",
         [&] {
             choisirPortee(PorteeFamilles);
             cliquer(f->BSuiv);
             f->FamDeb->setValeur("B");
             f->FamFin->setValeur("C");
             cliquer(f->BSuiv);
         },
         {"Magasin Centre", "Intervalle de Familles :", "De la Famille :Boissons A la Famille :Conserves"}},
        {"aucune famille choisie",
         [&] {
             choisirPortee(PorteeFamilles);
             cliquer(f->BSuiv);
             cliquer(f->BSuiv);
         },
         {"Magasin Centre", "Intervalle de Familles :", "De la Famille : A la Famille :"}},
        {"Familles vue, puis TOUS",
         [&] {
             choisirPortee(PorteeFamilles);
             cliquer(f->BSuiv);
             f->FamDeb->setValeur("A");
             f->FamFin->setValeur("B");
             cliquer(f->BSuiv);
             cliquer(f->BPrec);
             cliquer(f->BPrec);
             choisirPortee(PorteeTous);
             cliquer(f->BSuiv);
         },
         {"Magasin Centre", "Produits concernés par la mise à jour : TOUS",
          "De la Famille :Alimentation A la Famille :Boissons"}},
        // Leaving by Précedent rebuilds nothing: the line is the one made on arrival.
        {"familles choisies puis quittées par Précedent",
         [&] {
             choisirPortee(PorteeFamilles);
             cliquer(f->BSuiv);
             f->FamDeb->setValeur("A");
             cliquer(f->BPrec);
             choisirPortee(PorteeTous);
             cliquer(f->BSuiv);
         },
         {"Magasin Centre", "Produits concernés par la mise à jour : TOUS", "De la Famille : A la Famille :"}},
        {"le bon d'entrée",
         [&] {
             choisirPortee(PorteeBonEntree);
             cliquer(f->BSuiv);
             f->ben->selectAll();
             QTest::keyClicks(f->ben, "42");
             cliquer(f->BSuiv);
         },
         {"Magasin Centre", "Tout les produits du :", "Be N° :42"}},
        // Last: the store chosen stays the store list's current row, which the next wizard takes.
        {"produits dans un autre magasin",
         [&] {
             f->mag->setValeur("M2");
             choisirPortee(PorteeProduits);
             cliquer(f->BSuiv);
             f->PrDeb->setValeur("P1");
             f->PrFin->setValeur("P3");
             cliquer(f->BSuiv);
         },
         {"Magasin Nord", "Intervalle de Produits :", "Du Produit :P1 Au Produit :P3"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        nouvelAssistant();
        c.parcours();
        ASSERT_EQ(f->Notebook->currentIndex(), Resume);
        EXPECT_EQ(resume(), c.lignes);
    }
}

TEST_F(AssistantTest, FermerCacheEtRevientTelQuel) {
    choisirPortee(PorteeProduits);
    cliquer(f->BSuiv);
    f->PrDeb->setValeur("P2");
    cliquer(f->BSuiv);
    const QStringList lignes = resume();
    cliquer(f->BAnn);
    EXPECT_FALSE(f->isVisible());
    EXPECT_FALSE(form1->produit.active());
    EXPECT_EQ(form1->produit.sql(), "Select * from produit where gere='OUI' ");

    montrer();
    EXPECT_EQ(f->Notebook->currentIndex(), Resume);
    EXPECT_TRUE(f->BApp->isEnabled());
    EXPECT_EQ(resume(), lignes);
    EXPECT_EQ(f->PrDeb->currentText(), "P2");
    EXPECT_EQ(offerts(f->PrDeb), (QStringList{"P1", "P2", "P3"})) << "every managed product";
}

TEST_F(AssistantTest, LesBoitesDeProduitsApresUneExecution) {
    EXPECT_EQ(offerts(f->PrDeb), (QStringList{"N1", "P1", "P2", "P3"})) << "the list as the company window opened it";
    f->mag->setValeur("M2");
    cliquer(f->BSuiv);
    cliquer(f->BApp);
    ASSERT_EQ(evenements.value(0).left(2), "? ");
    EXPECT_EQ(offerts(f->PrDeb), QStringList{"P3"}) << "the managed products with a stock row in M2";
    EXPECT_EQ(offerts(f->PrFin), QStringList{"P3"});
}

TEST_F(AssistantTest, SansMagasinAppliquerSArreteAuControle) {
    soc.sql("delete from magasins");
    form1->Modele.close();
    form1->Modele.open();
    activerFenetre();
    EXPECT_EQ(f->mag->currentText(), "");
    EXPECT_TRUE(offerts(f->mag).isEmpty());

    choisirPortee(PorteeProduits);
    cliquer(f->BSuiv);
    f->PrDeb->setValeur("P1");
    f->PrFin->setValeur("P2");
    cliquer(f->BSuiv);
    cliquer(f->BApp);
    EXPECT_EQ(evenements, QStringList{"x Veuillez selectioner un magasin!!!!"});
    EXPECT_EQ(offerts(f->PrDeb), (QStringList{"P1", "P2"})) << "the products of the range";
    EXPECT_EQ(f->StatusBar2->texte(1), "Compteur");
    EXPECT_TRUE(f->BApp->isEnabled());
}

TEST_F(AssistantTest, ActiverDeNouveauPendantQuIlEstMontre) {
    EXPECT_EQ(offerts(f->FamDeb).size(), 3);
    f->mag->setValeur("M2");
    activerFenetre();
    EXPECT_EQ(f->mag->currentText(), "Nord") << "activation keeps the store chosen";

    activer();
    montrer();  // already shown: not shown anew
    EXPECT_FALSE(form1->famille.active());
    EXPECT_TRUE(offerts(f->FamDeb).isEmpty());
    EXPECT_EQ(f->mag->valeur(), "M1") << "the first store of the reopened list";
    EXPECT_EQ(f->mag->currentText(), "Centre");

    f->close();
    montrer();
    EXPECT_EQ(offerts(f->FamFin).size(), 3);
}

TEST_F(AssistantTest, AppliquerDeBoutEnBout) {
    soc.entete("NON", {});
    soc.produit("F", "Pain", "OUI", "A", 0);
    soc.stock("F", "M1", 0, 0);
    soc.bonEntree(1, "2026-01-01", "M1");
    soc.ligneEntree(1, 1, "P1", 10, 1, 4);
    soc.bonProduction(2, "2026-01-02", "M1", "M1");
    soc.ligneProduction(2, 1, "F", 1, 1, 0);
    soc.composantProduction(2, 1, 1, "P1", 2, 0);
    nouvelAssistant();

    choisirPortee(PorteeProduits);
    cliquer(f->BSuiv);
    f->PrDeb->setValeur("P1");
    f->PrFin->setValeur("P1");
    cliquer(f->BSuiv);
    // The user presses Annuler while the run waits on its first notice: nothing is taken.
    pendantUneBoite = [this](const QMessageBox& boite) {
        if (boite.text() == "Mise à Jour des pmup effectuée !") cliquer(f->BAnn);
    };
    espionnerBarreDEtat();
    cliquer(f->BApp);

    const QStringList attendu = {
        "? Etes vous sûr de vouloir recalculer le pmup et la qte pour les produits choisi  Dans le magasin M1?",
        "[1] 1",
        "[0] Recalcul du pmup pour le produit P1",
        "[1] 0",
        "! Mise à Jour des pmup effectuée !",
        "! Quelque produits ont contribué à la production .Reclaculer le Pmup pour les produits finis",
        "[1] 1",
        "[0] Recalcul du pmup pour le produit F",
        "[1] 0",
        "! Mise à Jour des pmup Pour les produits finis  effectuée !",
    };
    EXPECT_EQ(evenements, attendu);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->BApp->isEnabled());
    EXPECT_EQ(f->StatusBar2->texte(0), "Recalcul du pmup pour le produit F");
    // P1: 10 at 2 then 10 at 4 → 3; two consumed → the finished line 6 → F's cost and purchase price 6.
    EXPECT_EQ(soc.reel("select puht from stock where c_produit='F'"), 6);
    EXPECT_EQ(soc.reel("select puht from produit where c_produit='F'"), 6);

    evenements.clear();
    pendantUneBoite = nullptr;
    repondeur.repondre(QMessageBox::No);
    cliquer(f->BApp);
    EXPECT_EQ(evenements.size(), 1) << "started again, answered Non";
}

TEST_F(AssistantTest, PlacementEcritEnFermantEtEnDetruisantReluAChaqueAffichage) {
    // Centred as a whole, title bar and borders included.
    const auto centree = [this] {
        return (f->frameGeometry().center() - f->screen()->availableGeometry().center()).manhattanLength() <=
               f->frameGeometry().width() - f->width();
    };
    EXPECT_TRUE(centree()) << "the first show";

    f->move(40, 50);
    const QRect fermee = f->geometry();
    f->close();
    QWidget lu;
    ASSERT_TRUE(ui::lirePlacement(lu, "TFMajTarifs"));
    EXPECT_EQ(lu.geometry(), fermee);

    lu.move(70, 80);
    ui::ecrirePlacement(lu, "TFMajTarifs");
    montrer();
    EXPECT_EQ(f->geometry(), lu.geometry()) << "read back before it shows";

    f->move(90, 100);
    const QRect detruite = f->geometry();
    f.reset();
    ASSERT_TRUE(ui::lirePlacement(lu, "TFMajTarifs"));
    EXPECT_EQ(lu.geometry(), detruite);

    nouvelAssistant();
    EXPECT_TRUE(centree()) << "the first show of the next run, whatever was stored";
}

TEST_F(AssistantTest, EntetesEnGrasMarronSurChaquePage) {
    for (int page = Intervalle; page <= Resume; ++page) {
        SCOPED_TRACE(page);
        auto* entete = f->Notebook->widget(page)->findChild<QLabel*>();
        ASSERT_NE(entete, nullptr);
        EXPECT_TRUE(entete->font().bold());
        const QImage image = entete->grab().toImage();
        bool marron = false;
        for (int y = 0; y < image.height() && !marron; ++y)
            for (int x = 0; x < image.width() && !marron; ++x) marron = image.pixelColor(x, y) == QColor(128, 0, 0);
        EXPECT_TRUE(marron);
    }
    EXPECT_EQ(f->MResume->palette().color(QPalette::Text), QColor(128, 0, 0));
}

}  // namespace
