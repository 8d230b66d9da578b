// The company window and its access code dialog on offscreen Qt over real databases: the company list under
// the alias "mabase" of the tests' Firebird root, and one database per company.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "ApplicationEssai.h"
#include "Essai.h"
#include "MajTarifs.h"
#include "RepondeurScripte.h"
#include "USTOCK.h"
#include "base.h"
#include "transfert.h"
#include "uacces.h"

// Readable texts in failure messages.
void PrintTo(const QString& texte, std::ostream* sortie) { *sortie << '"' << texte.toStdString() << '"'; }

namespace {

// The refusal as the user reads it: two lines split by a lone CR, nothing added.
const QString kRefus = QStringLiteral("ERREUR: Code Accès Incorrect, Accès pour Utilisateur :\r Refusé ...!");
const QString kLegende = QStringLiteral(" Sociétie en Cours  ");

QStringList textes(const ui::RepondeurScripte& repondeur) {
    QStringList t;
    for (const auto& boite : repondeur.boites()) t << boite.texte;
    return t;
}

// ---------------------------------------------------------------------------------------------------------
// The access code dialog alone, on one company database whose ENTETE rows each case rewrites.

class AccesTest : public ::testing::Test {
protected:
    DossierEssai dossier{"acces"};
    SocieteEssai soc{dossier / "soc"};
    Connexion dbsource;
    TForm1 Form1{dbsource};
    ui::RepondeurScripte repondeur;
    ui::Dialogues dialogues{QStringLiteral("Pmupstock"), std::ref(repondeur)};
    TFacces Facces{dialogues};

    void SetUp() override {
        dbsource.setDatabase(SocieteEssai::fichier(dossier / "soc"));
        dbsource.connect();
        Facces.lier(Form1.pass);
    }

    void stocker(const std::vector<Texte>& codes) {
        soc.sql("delete from entete");
        for (const Texte& code : codes) soc.entete("NON", code);
    }

    void montrer() {
        Facces.show();
        QApplication::setActiveWindow(&Facces);
    }

    // Types the code after what the box holds and presses Ok, as the user would: the focus goes to the button.
    void ok(const char* saisi) {
        QTest::keyClicks(Facces.Password, QString::fromUtf8(saisi));
        Facces.okbtn->setFocus();
        QTest::mouseClick(Facces.okbtn, Qt::LeftButton);
    }
};

TEST_F(AccesTest, CodeSaisiContreCodeStocke) {
    const struct {
        std::vector<Texte> stockes;  // ENTETE's rows, in insertion order
        const char* saisi;
        bool accepte;
    } cas[] = {
        {{std::nullopt}, "", true},
        {{std::nullopt}, "x", true},
        {{""}, "abc", true},
        {{}, "", true},
        {{}, "abc", true},
        {{"s3cret"}, "s3cret", true},
        {{"s3cret"}, "S3CRET", false},
        {{"s3cret"}, "s3cret ", false},
        {{"s3cret"}, "", false},
        {{"Élan"}, "Élan", true},
        {{"un", "deux"}, "un", true},
        {{"un", "deux"}, "deux", false},
        {{"", "deux"}, "x", true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string("saisi \"") + c.saisi + "\", premier stocké " +
                     (c.stockes.empty() ? "aucun" : c.stockes[0].value_or("NULL")));
        stocker(c.stockes);
        Form1.pass.close();  // as a new Activer's reconnection does
        const std::size_t boites = repondeur.boites().size();
        montrer();
        ok(c.saisi);
        EXPECT_EQ(Facces.isVisible(), !c.accepte);
        EXPECT_EQ(Form1.pass.active(), !c.accepte);
        if (c.accepte) {
            EXPECT_EQ(Facces.result(), QDialog::Accepted);
            EXPECT_EQ(repondeur.boites().size(), boites);
            continue;
        }
        ASSERT_EQ(repondeur.boites().size(), boites + 1);
        const ui::RepondeurScripte::Boite& boite = repondeur.boites().back();
        EXPECT_EQ(boite.texte, kRefus);
        EXPECT_EQ(boite.titre, "Pmupstock");
        EXPECT_EQ(boite.icone, QMessageBox::Critical);
        EXPECT_EQ(Facces.Password->text(), QString::fromUtf8(c.saisi));
        EXPECT_EQ(Facces.focusWidget(), Facces.Password);
        Facces.reject();
    }
}

TEST_F(AccesTest, UnSecondOkCompareAuMemeCodeSansRelire) {
    stocker({"s3cret"});
    montrer();
    ok("faux");
    ok("");  // the refused code is still there
    EXPECT_EQ(textes(repondeur), (QStringList{kRefus, kRefus}));
    EXPECT_EQ(Facces.Password->text(), "faux");

    soc.sql("update entete set motdepasse='autre'");
    Facces.Password->clear();
    ok("s3cret");
    EXPECT_FALSE(Facces.isVisible());
    EXPECT_EQ(Facces.result(), QDialog::Accepted);
    EXPECT_EQ(repondeur.boites().size(), 2u);
}

TEST_F(AccesTest, EntreeEtEchapNePressentAucunBouton) {
    stocker({"s3cret"});
    montrer();
    QTest::keyClicks(Facces.Password, "s3cret");
    QTest::keyClick(Facces.Password, Qt::Key_Return);
    QTest::keyClick(Facces.Password, Qt::Key_Enter);
    QTest::keyClick(Facces.Password, Qt::Key_Escape);
    EXPECT_TRUE(Facces.isVisible());
    EXPECT_TRUE(repondeur.boites().empty());
    EXPECT_FALSE(Form1.pass.active());

    // Each showing starts with an empty box.
    QTest::mouseClick(Facces.fermer, Qt::LeftButton);
    EXPECT_EQ(Facces.result(), QDialog::Rejected);
    montrer();
    EXPECT_EQ(Facces.Password->text(), "");
}

TEST_F(AccesTest, TableEntetePerdueSignaleeEtDialogueOuvert) {
    soc.sql("drop table entete");
    montrer();
    ok("x");
    ASSERT_EQ(repondeur.boites().size(), 1u);
    EXPECT_TRUE(repondeur.boites()[0].texte.contains("ENTETE", Qt::CaseInsensitive));
    EXPECT_TRUE(Facces.isVisible());
}

// ---------------------------------------------------------------------------------------------------------
// The company window with everything start-up creates around it.

struct Societe {
    const char* code;
    const char* raison;
    Texte motDePasse;
};

class TransfertTest : public ::testing::Test {
protected:
    DossierEssai dossier{"transfert"};
    std::string liste = std::string(std::getenv("PMUP_FBROOT")) + "/data/societes.fdb";
    ui::RepondeurScripte repondeur;
    ui::Dialogues dialogues{QStringLiteral("Pmupstock"), std::ref(repondeur)};
    QLineEdit EIP;
    std::vector<std::string> erreursListe;
    std::unique_ptr<Tdatam> datam;
    std::unique_ptr<TFacces> Facces;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TFMajTarifs> FMajTarifs;
    std::unique_ptr<TFtransfert> Ftransfert;

    void SetUp() override { std::filesystem::remove(liste); }
    void TearDown() override {
        arreter();
        std::filesystem::remove(liste);
    }

    std::string chemin(const char* code) const { return dossier / code; }
    std::string fichier(const char* code) const { return SocieteEssai::fichier(chemin(code)); }

    // The company list, and for each company a database with a store, a product and a family named after
    // its code, and its stored access code.
    void societes(std::initializer_list<Societe> liste_) {
        ListeSocietesEssai societes(liste);
        for (const Societe& s : liste_) {
            societes.societe(s.code, s.raison, chemin(s.code));
            SocieteEssai soc(chemin(s.code));
            soc.entete("NON", s.motDePasse);
            soc.magasin(std::string("M") + s.code, std::string("Magasin ") + s.code);
            soc.produit(std::string("P") + s.code, std::string("Produit ") + s.code);
            soc.famille(std::string("F") + s.code, std::string("Famille ") + s.code);
        }
    }

    // What start-up creates, in its order, then links.
    void demarrer() {
        arreter();
        Ftransfert = std::make_unique<TFtransfert>(EIP, ApplicationEssai::instance(), dialogues);
        Ftransfert->show();
        datam = std::make_unique<Tdatam>(EIP.text().toStdString(),
                                         [this](const std::exception& e) { erreursListe.push_back(e.what()); });
        Facces = std::make_unique<TFacces>(dialogues);
        Form1 = std::make_unique<TForm1>(datam->dbsource);
        FMajTarifs = std::make_unique<TFMajTarifs>(*datam, *Form1, dialogues);
        Facces->lier(Form1->pass);
        Ftransfert->lier(*datam, *Facces, *Form1, *FMajTarifs);
    }

    void arreter() {
        Ftransfert.reset();
        FMajTarifs.reset();
        Form1.reset();
        Facces.reset();
        datam.reset();
    }

    // The rows the company box offers once it has the focus.
    QStringList offertes() {
        QFocusEvent entree(QEvent::FocusIn);
        QApplication::sendEvent(Ftransfert->choixSociete, &entree);
        QStringList lignes;
        for (int i = 0; i < Ftransfert->choixSociete->count(); ++i) lignes << Ftransfert->choixSociete->itemText(i);
        return lignes;
    }

    void choisir(const std::vector<Qt::Key>& touches) {
        offertes();
        for (Qt::Key touche : touches) QTest::keyClick(Ftransfert->choixSociete, touche);
    }

    // Presses Activer; the gesture runs inside the access code dialog when it comes up, and must end it.
    // True when it came up.
    bool activer(const std::function<void(TFacces&)>& geste) {
        bool vu = false;
        QTimer dansLeDialogue;
        dansLeDialogue.setSingleShot(true);
        QObject::connect(&dansLeDialogue, &QTimer::timeout, [&] {
            vu = QApplication::activeModalWidget() == Facces.get();
            geste(*Facces);
        });
        dansLeDialogue.start(0);
        QTest::mouseClick(Ftransfert->bouton, Qt::LeftButton);
        return vu;
    }

    // Gives the code, and Annuler when it is refused.
    static std::function<void(TFacces&)> code(const char* saisi) {
        return [saisi](TFacces& f) {
            QTest::keyClicks(f.Password, saisi);
            QTest::mouseClick(f.okbtn, Qt::LeftButton);
            if (f.isVisible()) QTest::mouseClick(f.fermer, Qt::LeftButton);
        };
    }

    void verifierListesDe(const char* code) {
        EXPECT_TRUE(datam->dbsource.connected());
        EXPECT_EQ(datam->dbsource.database(), fichier(code));
        EXPECT_EQ(Form1->Modele.texte("CODEMAGASIN"), std::string("M") + code);
        EXPECT_EQ(Form1->produit.texte("C_PRODUIT"), std::string("P") + code);
    }
};

TEST_F(TransfertTest, ALOuverture) {
    societes({{"S1", "Alpha", std::nullopt}});
    demarrer();
    const TFtransfert& f = *Ftransfert;
    EXPECT_EQ(f.windowTitle(), "Modifier pmup produit stock");
    EXPECT_EQ(f.pos(), QPoint(281, 69));
    EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "sized by its contents";
    EXPECT_TRUE(f.Label1->font().bold());
    EXPECT_EQ(f.choixSociete->width(), 185);
    EXPECT_EQ(f.Image1->size(), QSize(257, 281));
    EXPECT_EQ(f.Image1->pixmap().size(), QSize(256, 256));
    EXPECT_EQ(f.bouton->parentWidget(), f.Image1);
    EXPECT_EQ(f.bouton->size(), QSize(201, 34));
    EXPECT_GT(f.bouton->y(), f.Image1->height() / 2) << "over the picture's lower part";
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(FMajTarifs->isVisible());
    EXPECT_FALSE(datam->dbsource.connected());

    const TFacces& a = *Facces;
    EXPECT_EQ(a.windowTitle(), "Mot de pass");
    EXPECT_EQ(a.size(), QSize(265, 180));
    EXPECT_EQ(a.palette().color(QPalette::Window), QColor(226, 226, 226));
    EXPECT_TRUE(a.Label1->font().bold());
    EXPECT_EQ(a.Password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(a.okbtn->text(), "&Ok");
    EXPECT_EQ(a.fermer->text(), "&Annuler");
    EXPECT_FALSE(a.isVisible());
}

TEST_F(TransfertTest, ActiverOuvreLaSocieteChoisie) {
    societes({{"S1", "Même nom", std::nullopt}, {"S2", "Autre", std::nullopt}, {"S3", "Même nom", std::nullopt}});
    demarrer();
    EXPECT_EQ(offertes(), (QStringList{"Même nom", "Autre", "Même nom"}));
    EXPECT_EQ(Ftransfert->choixSociete->currentText(), "") << "nothing picked at first";

    const struct {
        std::vector<Qt::Key> touches;  // after the previous case's
        const char* code;
    } cas[] = {
        {{}, "S1"},  // nothing picked: the list's first row, the smallest SOCIETE
        {{Qt::Key_End}, "S3"},  // the same name as S1, its own row
        {{Qt::Key_Up}, "S2"},
        {{Qt::Key_Home}, "S1"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.code);
        choisir(c.touches);
        EXPECT_TRUE(activer(code("")));
        verifierListesDe(c.code);
        EXPECT_EQ(FMajTarifs->windowTitle(), kLegende + c.code);
        EXPECT_TRUE(FMajTarifs->isVisible());
    }
    EXPECT_TRUE(repondeur.boites().empty());
}

TEST_F(TransfertTest, DeAVersBSurLeServeur) {
    societes({{"A", "Alpha", std::nullopt}, {"B", "Beta", "cle"}});
    EIP.setText("127.0.0.1");
    demarrer();
    activer(code(""));
    ASSERT_TRUE(FMajTarifs->isVisible());
    ASSERT_TRUE(Form1->famille.active()) << "opened by the wizard";

    choisir({Qt::Key_End});
    EXPECT_TRUE(activer(code("cle")));
    EXPECT_EQ(datam->dbsource.hostName(), "127.0.0.1");
    verifierListesDe("B");
    EXPECT_FALSE(Form1->famille.active()) << "closed by the reconnection";
    EXPECT_EQ(FMajTarifs->windowTitle(), kLegende + "B");
    EXPECT_TRUE(FMajTarifs->isVisible());
    EXPECT_TRUE(repondeur.boites().empty());
}

TEST_F(TransfertTest, AnnulerArreteSansMessage) {
    societes({{"S1", "Alpha", "cle"}});
    const struct {
        const char* nom;
        std::function<void(TFacces&)> geste;
    } cas[] = {
        {"Annuler", [](TFacces& f) { QTest::mouseClick(f.fermer, Qt::LeftButton); }},
        {"bouton de fermeture", [](TFacces& f) { f.close(); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        demarrer();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        EXPECT_TRUE(activer(c.geste));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(FMajTarifs->isVisible());
        EXPECT_EQ(FMajTarifs->windowTitle(), "");
        verifierListesDe("S1");
    }
    EXPECT_TRUE(repondeur.boites().empty());
}

TEST_F(TransfertTest, CodeRefuseCacheLAssistantDUnActiverPrecedent) {
    societes({{"S1", "Alpha", std::nullopt}, {"S2", "Beta", "cle"}});
    for (const bool assistantMontre : {true, false}) {
        SCOPED_TRACE(assistantMontre ? "assistant montré" : "assistant caché");
        demarrer();
        if (assistantMontre) activer(code(""));
        choisir({Qt::Key_End});
        EXPECT_TRUE(activer(code("faux")));
        EXPECT_EQ(textes(repondeur).back(), kRefus);
        EXPECT_FALSE(FMajTarifs->isVisible());
        EXPECT_EQ(FMajTarifs->windowTitle(), assistantMontre ? kLegende + "S1" : "");
        EXPECT_EQ(datam->dbsource.database(), fichier("S2"));
        EXPECT_TRUE(Form1->Modele.active());
        // Closed as the wizard's close leaves it; left open when there was no wizard to close.
        EXPECT_EQ(Form1->produit.active(), !assistantMontre);
        EXPECT_EQ(Form1->produit.sql().rfind("Select * from produit where gere='OUI'", 0) == 0, assistantMontre);
    }
}

TEST_F(TransfertTest, ListeInjoignableEchoueALaConnexion) {
    demarrer();
    ASSERT_EQ(erreursListe.size(), 1u);
    EXPECT_TRUE(offertes().isEmpty());
    EXPECT_FALSE(activer(code("")));
    EXPECT_EQ(datam->dbsource.database(), "\\CONTACT.DTK");
    EXPECT_FALSE(datam->dbsource.connected());
    ASSERT_EQ(repondeur.boites().size(), 1u);
    EXPECT_EQ(repondeur.boites()[0].icone, QMessageBox::Critical);
    EXPECT_TRUE(repondeur.boites()[0].texte.contains("CONTACT.DTK"))
        << repondeur.boites()[0].texte.toStdString();
    EXPECT_FALSE(Form1->Modele.active());
    EXPECT_FALSE(FMajTarifs->isVisible());
}

TEST_F(TransfertTest, FermerPendantLAssistantFermeToutEtFinit) {
    societes({{"S1", "Alpha", std::nullopt}});
    demarrer();
    activer(code(""));
    ASSERT_TRUE(FMajTarifs->isVisible());
    Form1->PROD.setTexte("prod", "PS1");
    Form1->PROD.setTexte("mag", "MS1");
    Form1->PROD.open();
    std::vector<Requete*> listes{&Form1->Modele, &Form1->produit, &Form1->PROD, &Form1->famille, &datam->socsource};
    for (Requete* l : listes) ASSERT_TRUE(l->active());

    QTimer::singleShot(0, Ftransfert.get(), [this] { Ftransfert->close(); });
    EXPECT_EQ(ApplicationEssai::instance().boucle(), 0);
    for (Requete* l : listes) EXPECT_FALSE(l->active());
    EXPECT_FALSE(datam->societe.connected());
    EXPECT_FALSE(datam->dbsource.connected());
    EXPECT_TRUE(repondeur.boites().empty());
}

}  // namespace
