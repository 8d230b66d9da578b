// The widget layer on offscreen Qt: message boxes and the top-level handler, the page manager, the lookup
// box on a real company database, the whole-number box, the status bar, placement storage and the looks.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFocusEvent>
#include <QImage>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <stdexcept>

#include "ApplicationEssai.h"
#include "Abandon.h"
#include "Apparence.h"
#include "BarreEtat.h"
#include "BoiteRecherche.h"
#include "Dialogues.h"
#include "ErreurBase.h"
#include "Essai.h"
#include "GestionnairePages.h"
#include "PanneauDegrade.h"
#include "Placement.h"
#include "RepondeurScripte.h"
#include "Requete.h"
#include "SpinEntier.h"

namespace {

// Dialogues whose boxes the test reads and answers.
struct DialoguesEssai {
    ui::RepondeurScripte repondeur;
    ui::Dialogues dialogues{QStringLiteral("Pmupstock"), std::ref(repondeur)};
    const std::vector<ui::RepondeurScripte::Boite>& vues() const { return repondeur.boites(); }
};

TEST(Application, TitreEtNomDuProgramme) {
    const struct {
        const char* chemin;
        const char* titre;
        const char* nom;
    } cas[] = {
        {"/opt/pmup/pmupstock", "Pmupstock", "pmupstock"},
        {"C:/Outils/PMUPSTOCK.EXE", "Pmupstock", "PMUPSTOCK"},
        {"/opt/MajPmup.v2.exe", "Majpmup", "MajPmup.v2"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(ui::titreApplication(c.chemin), c.titre) << c.chemin;
        EXPECT_EQ(ui::nomProgramme(c.chemin), c.nom) << c.chemin;
    }
}

TEST(Dialogues, BoiteDErreurTitreIconeEtPointFinal) {
    const struct {
        const char* message;
        const char* montre;
    } cas[] = {
        {"Echec de la connexion", "Echec de la connexion."},
        {"Magasin introuvable !", "Magasin introuvable !"},
        {"Fin.", "Fin."},
        {"Valeur (12)", "Valeur (12)"},
        {"Continuer ?", "Continuer ?."},
        {"Code 42", "Code 42."},
        {"Accès refusé", "Accès refusé."},
        {"ERREUR: Code Accès Incorrect, Accès pour Utilisateur :\r Refusé ...!",
         "ERREUR: Code Accès Incorrect, Accès pour Utilisateur :\r Refusé ...!"},
        {"", ""},
    };
    for (const auto& c : cas) {
        DialoguesEssai essai;
        essai.dialogues.executer([&] { throw std::runtime_error(c.message); });
        ASSERT_EQ(essai.vues().size(), 1u) << c.message;
        EXPECT_EQ(essai.vues()[0].texte, QString::fromUtf8(c.montre));
        EXPECT_EQ(essai.vues()[0].titre, "Pmupstock");
        EXPECT_EQ(essai.vues()[0].icone, QMessageBox::Critical);
        EXPECT_EQ(essai.vues()[0].boutons, QStringList{"OK"});
    }
}

TEST(Dialogues, AbandonSilencieuxEtErreurDeLaBase) {
    DialoguesEssai essai;
    essai.dialogues.executer([] { throw ui::Abandon(); });
    EXPECT_TRUE(essai.vues().empty());
    essai.dialogues.executer([] { throw ErreurBase("deadlock", 335544336); });
    ASSERT_EQ(essai.vues().size(), 1u);
    EXPECT_EQ(essai.vues()[0].texte, "deadlock.");
}

TEST(Dialogues, ConfirmationEtInformation) {
    for (const auto reponse : {QMessageBox::Yes, QMessageBox::No}) {
        DialoguesEssai essai;
        essai.repondeur.repondre(reponse);
        EXPECT_EQ(essai.dialogues.confirmer("Lancer le recalcul ?"), reponse == QMessageBox::Yes);
        ASSERT_EQ(essai.vues().size(), 1u);
        EXPECT_EQ(essai.vues()[0].titre, "Confirmation");
        EXPECT_EQ(essai.vues()[0].texte, "Lancer le recalcul ?");
        EXPECT_EQ(essai.vues()[0].boutons, (QStringList{"&Oui", "&Non"}));
    }
    DialoguesEssai sansScript;
    EXPECT_TRUE(sansScript.dialogues.confirmer("Lancer le recalcul ?"));  // the default button, Oui

    DialoguesEssai essai;
    essai.dialogues.informer(QString::fromUtf8("Mise à jour terminée"));
    ASSERT_EQ(essai.vues().size(), 1u);
    EXPECT_EQ(essai.vues()[0].titre, "Pmupstock");
    EXPECT_EQ(essai.vues()[0].texte, QString::fromUtf8("Mise à jour terminée"));
    EXPECT_EQ(essai.vues()[0].boutons, QStringList{"OK"});
}

// A handler connected through the layer: its error stops at the top-level handler, never in Qt.
class Fenetre final : public QWidget {
public:
    explicit Fenetre(const ui::Dialogues& dialogues) {
        dialogues.relier(bouton, &QPushButton::clicked, this, &Fenetre::boutonClick);
    }
    QPushButton* bouton = new QPushButton("Activer", this);
    int clics = 0;

private:
    void boutonClick() {
        ++clics;
        throw std::runtime_error("Connexion impossible");
    }
};

TEST(Dialogues, UnGestionnaireRelieSeTermineDansLaBoiteDErreur) {
    DialoguesEssai essai;
    Fenetre fenetre(essai.dialogues);
    QTest::mouseClick(fenetre.bouton, Qt::LeftButton);
    QTest::mouseClick(fenetre.bouton, Qt::LeftButton);
    EXPECT_EQ(fenetre.clics, 2);
    ASSERT_EQ(essai.vues().size(), 2u);
    EXPECT_EQ(essai.vues()[1].texte, "Connexion impossible.");
}

// Five pages; page 0 jumps to the page in `saut`, every other page goes on to 4, and 4 goes back to 0.
class PagesTest : public ::testing::Test {
protected:
    DialoguesEssai essai;
    QStackedWidget pages;
    QPushButton suivant{"&Suivant >"};
    QPushButton precedent{"< &Précedent"};
    int saut = 1;
    QStringList trace;
    std::unique_ptr<ui::GestionnairePages> gestionnaire;

    void SetUp() override {
        for (int i = 0; i < 5; ++i) pages.addWidget(new QWidget);
        gestionnaire = std::make_unique<ui::GestionnairePages>(
            pages, suivant, precedent,
            ui::GestionnairePages::Reponses{
                [this](int courante, int& nouvelle) {
                    trace << QString("suivante %1 %2").arg(courante).arg(nouvelle);
                    if (courante == 0) nouvelle = saut;
                    else if (courante < 4) nouvelle = 4;
                },
                [this](int courante, int& nouvelle) {
                    trace << QString("precedente %1 %2").arg(courante).arg(nouvelle);
                    if (courante == 4) nouvelle = 0;
                    else if (courante > 0) nouvelle = 0;
                },
                [this] { trace << QString("page %1").arg(pages.currentIndex()); }},
            essai.dialogues);
    }
};

TEST_F(PagesTest, PremierePageEtOrdreDesQuestions) {
    EXPECT_EQ(pages.currentIndex(), 0);
    EXPECT_FALSE(precedent.isEnabled());
    EXPECT_TRUE(suivant.isEnabled());
    EXPECT_EQ(trace, (QStringList{"precedente 0 -1", "suivante 0 1"}));

    trace.clear();
    saut = 3;
    QTest::mouseClick(&suivant, Qt::LeftButton);
    EXPECT_EQ(pages.currentIndex(), 3);
    EXPECT_EQ(trace, (QStringList{"suivante 0 1", "page 3", "precedente 3 2", "suivante 3 4"}));
    EXPECT_TRUE(precedent.isEnabled());
    EXPECT_TRUE(suivant.isEnabled());
}

TEST_F(PagesTest, ReponsesNegativesDesactiventLesBoutons) {
    saut = 4;
    QTest::mouseClick(&suivant, Qt::LeftButton);
    EXPECT_EQ(pages.currentIndex(), 4);
    EXPECT_FALSE(suivant.isEnabled());  // default -1 past the last page
    EXPECT_TRUE(precedent.isEnabled());

    trace.clear();
    QTest::mouseClick(&suivant, Qt::LeftButton);  // disabled: nothing happens
    EXPECT_EQ(pages.currentIndex(), 4);
    EXPECT_TRUE(trace.isEmpty());

    QTest::mouseClick(&precedent, Qt::LeftButton);
    EXPECT_EQ(pages.currentIndex(), 0);
    EXPECT_FALSE(precedent.isEnabled());
    EXPECT_EQ(trace, (QStringList{"precedente 4 3", "page 0", "precedente 0 -1", "suivante 0 1"}));
}

TEST_F(PagesTest, UneErreurDansUneReponseVaALaBoiteDErreur) {
    gestionnaire.reset();
    gestionnaire = std::make_unique<ui::GestionnairePages>(
        pages, suivant, precedent,
        ui::GestionnairePages::Reponses{[](int courante, int&) {
                                            if (courante == 1) throw std::runtime_error("Famille absente");
                                        },
                                        {}, {}},
        essai.dialogues);
    QTest::mouseClick(&suivant, Qt::LeftButton);  // the question about page 1 on arrival fails
    EXPECT_EQ(pages.currentIndex(), 1);
    ASSERT_EQ(essai.vues().size(), 1u);
    EXPECT_EQ(essai.vues()[0].texte, "Famille absente.");
}

class BoiteRechercheTest : public ::testing::Test {
protected:
    DossierEssai dossier{"boite"};
    SocieteEssai soc{dossier / "soc1"};
    Connexion dbsource;
    std::unique_ptr<Requete> famille;
    DialoguesEssai essai;

    void SetUp() override {
        for (int i = 1; i <= 10; ++i) {
            const QString code = QString("F%1").arg(i);
            soc.famille(code.toStdString(), i == 7 ? "Boissons" : QString("Famille %1").arg(i).toStdString());
        }
        soc.famille("F11", "Boissons");
        dbsource.setDatabase(SocieteEssai::fichier(dossier / "soc1"));
        dbsource.connect();
        famille = std::make_unique<Requete>(dbsource, "select * from famil order by c_famil");
        famille->open();
    }

    std::unique_ptr<ui::BoiteRecherche> boite() {
        return std::make_unique<ui::BoiteRecherche>(*famille, "C_FAMIL", std::vector<std::string>{"D_FAMIL", "C_FAMIL"},
                                                    essai.dialogues);
    }
};

TEST_F(BoiteRechercheTest, CommenceVideEtLitLesLignesSansBougerLaRequete) {
    famille->next();
    famille->next();
    const auto b = boite();
    b->recharger();
    EXPECT_EQ(b->count(), 11);
    EXPECT_EQ(b->currentIndex(), -1);
    EXPECT_EQ(b->currentText(), "");
    EXPECT_EQ(b->valeur(), "");
    EXPECT_EQ(b->model()->columnCount(), 2);
    EXPECT_EQ(b->maxVisibleItems(), 8);
    EXPECT_EQ(b->itemText(0), "Famille 1");
    EXPECT_EQ(b->model()->index(0, 1).data().toString(), "F1");
    EXPECT_EQ(famille->texte("C_FAMIL"), "F11");  // third in key order, still current
}

TEST_F(BoiteRechercheTest, ChoisirAuClavierPlaceLaRequeteSurLaCleChoisie) {
    const auto b = boite();
    b->recharger();
    // The rows in key order: F1, F10, F11, F2, ... F7; F11 and F7 share the name "Boissons".
    QTest::keyClick(b.get(), Qt::Key_Down);
    QTest::keyClick(b.get(), Qt::Key_Down);
    QTest::keyClick(b.get(), Qt::Key_Down);
    EXPECT_EQ(b->valeur(), "F11");
    EXPECT_EQ(b->currentText(), "Boissons");
    EXPECT_EQ(famille->texte("C_FAMIL"), "F11");

    b->setValeur("F7");
    EXPECT_EQ(b->currentText(), "Boissons");
    EXPECT_EQ(famille->texte("C_FAMIL"), "F7");
}

TEST_F(BoiteRechercheTest, SuitLaRequeteFermeePuisRouverte) {
    const auto b = boite();
    b->setValeur("F2");
    famille->close();
    b->recharger();
    EXPECT_EQ(b->count(), 0);
    EXPECT_EQ(b->currentText(), "");
    EXPECT_EQ(b->valeur(), "F2");

    soc.famille("F0", "Nouvelle");
    famille->open();
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(b.get(), &focus);
    EXPECT_EQ(b->count(), 12);
    EXPECT_EQ(b->currentText(), "Famille 2");
}

TEST_F(BoiteRechercheTest, UneErreurDeLectureVaALaBoiteDErreur) {
    const auto b = std::make_unique<ui::BoiteRecherche>(*famille, "C_FAMIL", std::vector<std::string>{"ABSENT"},
                                                        essai.dialogues);
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(b.get(), &focus);
    EXPECT_EQ(essai.vues().size(), 1u);
}

TEST(SpinEntier, SaisieEtReecritureEnQuittant) {
    const struct {
        const char* tape;
        const char* texte;
        int valeur;
    } cas[] = {
        {"", "0", 0},      {"-", "0", 0},          {"42", "42", 42},   {"-7", "-7", -7},
        {"007", "7", 7},   {"4a2b", "42", 42},     {"2147483647", "2147483647", 2147483647},
        {"-2147483648", "-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cas) {
        ui::SpinEntier ben;
        EXPECT_EQ(ben.value(), 1);
        ben.selectAll();
        QTest::keyClick(&ben, Qt::Key_Delete);
        QTest::keyClicks(&ben, c.tape);
        QFocusEvent sortie(QEvent::FocusOut);
        QApplication::sendEvent(&ben, &sortie);
        EXPECT_EQ(ben.text(), c.texte) << c.tape;
        EXPECT_EQ(ben.value(), c.valeur) << c.tape;
    }
}

TEST(BarreEtat, PanneauxDeLargeurFixePeintsAussitot) {
    QWidget fenetre;
    auto* barre = new ui::BarreEtat({{"Message", 300}, {"Compteur", 50}}, &fenetre);
    barre->resize(465, 22);
    fenetre.show();
    QApplication::processEvents();
    EXPECT_EQ(barre->texte(0), "Message");
    EXPECT_EQ(barre->texte(1), "Compteur");

    auto* compteur = barre->findChildren<QLabel*>().at(1);
    EXPECT_EQ(compteur->width(), 50);
    struct CompteurPeinture final : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++n;
            return false;
        }
    } peintures;
    compteur->installEventFilter(&peintures);
    barre->setTexte(1, "1234");
    EXPECT_EQ(barre->texte(1), "1234");
    EXPECT_EQ(peintures.n, 1);  // painted before any return to the event loop
}

TEST(Placement, EcritEtRelitParUtilisateurSousLeNomDuProgramme) {
    QTemporaryDir dossier;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier.path());
    QWidget fenetre;
    EXPECT_FALSE(ui::lirePlacement(fenetre, "TFMajTarifs"));

    fenetre.setGeometry(120, 90, 465, 400);
    fenetre.show();
    ui::ecrirePlacement(fenetre, "TFMajTarifs");
    QWidget autre;
    ASSERT_TRUE(ui::lirePlacement(autre, "TFMajTarifs"));
    EXPECT_EQ(autre.geometry(), fenetre.geometry());

    QSettings fichier(dossier.path() + "/ui_test.conf", QSettings::IniFormat);
    EXPECT_EQ(fichier.childGroups(), QStringList{"TFMajTarifs"});
}

TEST(Apparence, BoutonRougeEtChampMasque) {
    QWidget fenetre;
    QPushButton* bouton = ui::boutonRouge("&Annuler", &fenetre);
    bouton->resize(110, 32);
    QLineEdit* champ = ui::champMasque(&fenetre);
    fenetre.show();
    const QImage image = bouton->grab().toImage();
    EXPECT_EQ(image.pixelColor(6, 6), QColor(187, 0, 0));
    EXPECT_EQ(bouton->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(bouton->font().bold());

    QTest::keyClicks(champ, "Secret 1");
    EXPECT_EQ(champ->text(), "Secret 1");
    EXPECT_EQ(champ->displayText(), "********");
}

TEST(Apparence, PanneauDegradeDuGrisAuGrisClair) {
    ui::PanneauDegrade panneau(QColor(128, 128, 128), QColor(233, 233, 233));
    panneau.resize(640, 248);
    const QImage image = panneau.grab().toImage();
    EXPECT_EQ(image.pixelColor(320, 0), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(320, 247), QColor(233, 233, 233));
}

}  // namespace
