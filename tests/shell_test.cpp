// The connection settings dialog on real files, and start-up in its order, on offscreen Qt. Start-up
// points the company list at a closed port so that its connection fails at once with a box to read.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "ApplicationEssai.h"
#include "Demarrage.h"
#include "Dialogues.h"
#include "Essai.h"
#include "RepondeurScripte.h"
#include "Uconnection.h"
#include "MajTarifs.h"
#include "transfert.h"
#include "uacces.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kServeurInjoignable = "127.0.0.1/1";

void ecrireFichier(const fs::path& chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary) << octets;
}

std::string lireFichier(const fs::path& chemin) {
    std::ostringstream octets;
    octets << std::ifstream(chemin, std::ios::binary).rdbuf();
    return octets.str();
}

std::vector<std::string> nomsDans(const fs::path& dossier) {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier)) noms.push_back(e.path().filename().string());
    return noms;
}

// The user's choices, as keys typed into the boxes: Home picks the first entry, End the last.
void choisir(QComboBox* boite, Qt::Key touche) { QTest::keyClick(boite, touche); }

class ReglagesTest : public ::testing::Test {
protected:
    DossierEssai dossier{"reglages"};
    ui::RepondeurScripte repondeur;
    ui::Dialogues dialogues{QStringLiteral("Pmupstock"), std::ref(repondeur)};

    // A folder of its own for each case of a table.
    fs::path sousDossier(int cas) {
        const fs::path d = dossier.chemin() / std::to_string(cas);
        fs::create_directory(d);
        return d;
    }
};

TEST_F(ReglagesTest, LectureDuFichier) {
    const struct {
        const char* nom;  // nullptr: no file
        std::string octets;
        const char* ser;
        const char* eip;
        bool adresseActive;
        const char* conf;
    } cas[] = {
        {nullptr, "", "Local", "", false, "Configue1"},
        {"Veridoru.txt", "0\r\n0\r\nmabase", "Local", "", false, "Configue1"},
        {"Veridoru.txt", "1\r\n0\r\nmabase", "Distant", "", true, "Configue1"},
        {"Veridoru.txt", "0\r\n192.168.1.1\r\nmabase", "Local", "192.168.1.1", false, "Configue1"},
        {"Veridoru.txt", "", "Distant", "", true, "Configue1"},
        {"Veridoru.txt", "1", "Distant", "", true, "Configue1"},
        {"Veridoru.txt", "1\r\n192.168.1.1\r\nMABASE1", "Distant", "192.168.1.1", true, "Configue1"},
        {"Veridoru.txt", "1\r\n192.168.1.1\r\nmabase1", "Distant", "192.168.1.1", true, "Configue2"},
        {"Veridoru.txt", "1\n10.0.0.2\nmabase1", "Distant", "10.0.0.2", true, "Configue2"},
        {"Veridoru.txt", "1\r10.0.0.2\rmabase1", "Distant", "10.0.0.2", true, "Configue2"},
        {"Veridoru.txt", "1\r\n10.0.0.2 \r\nmabase\r\n", "Distant", "10.0.0.2 ", true, "Configue1"},
        {"Veridoru.txt", " 0\r\n0", "Distant", "", true, "Configue1"},
        {"Veridoru.txt", "2\r\nserveur-\xe9t\xe9", "Distant", "serveur-été", true, "Configue1"},
        {"veridoru.txt", "1\r\n10.0.0.3\r\nmabase1", "Distant", "10.0.0.3", true, "Configue2"},
        {"VERIDORU.TXT", "0\r\n10.0.0.4\r\nmabase1", "Local", "10.0.0.4", false, "Configue2"},
    };
    int n = 0;
    for (const auto& c : cas) {
        const fs::path d = sousDossier(n++);
        if (c.nom) ecrireFichier(d / c.nom, c.octets);
        TFConnection FConnection(d, dialogues, ApplicationEssai::instance());
        SCOPED_TRACE(c.octets);
        EXPECT_EQ(FConnection.SER->currentText(), c.ser);
        EXPECT_EQ(FConnection.EIP->text(), QString::fromUtf8(c.eip));
        EXPECT_EQ(FConnection.EIP->isEnabled(), c.adresseActive);
        EXPECT_EQ(FConnection.LIP->isEnabled(), c.adresseActive);
        EXPECT_EQ(FConnection.LExemple->isEnabled(), c.adresseActive);
        EXPECT_EQ(FConnection.Conf->currentText(), c.conf);
    }
    EXPECT_TRUE(repondeur.boites().empty());
}

TEST_F(ReglagesTest, OkEcritLesTroisLignes) {
    const struct {
        std::function<void(TFConnection&)> saisie;
        std::string attendu;
    } cas[] = {
        {[](TFConnection&) {}, std::string("0\r\n0\r\nmabase", 12)},
        {[](TFConnection& f) { choisir(f.SER, Qt::Key_End); }, "1\r\n0\r\nmabase"},
        {[](TFConnection& f) {
             choisir(f.SER, Qt::Key_End);
             QTest::keyClicks(f.EIP, "192.168.1.1");
             choisir(f.Conf, Qt::Key_End);
         },
         "1\r\n192.168.1.1\r\nmabase1"},
        {[](TFConnection& f) {
             choisir(f.SER, Qt::Key_End);
             QTest::keyClicks(f.EIP, "10.0.0.9 ");
         },
         "1\r\n10.0.0.9 \r\nmabase"},
        {[](TFConnection& f) {
             choisir(f.SER, Qt::Key_End);
             QTest::keyClicks(f.EIP, "10.0.0.9");
             choisir(f.SER, Qt::Key_Home);
         },
         "0\r\n0\r\nmabase"},
    };
    int n = 0;
    for (const auto& c : cas) {
        const fs::path d = sousDossier(n++);
        TFConnection FConnection(d, dialogues, ApplicationEssai::instance());
        FConnection.show();
        c.saisie(FConnection);
        QTest::mouseClick(FConnection.ValiderSociete, Qt::LeftButton);
        SCOPED_TRACE(c.attendu);
        EXPECT_EQ(nomsDans(d), std::vector<std::string>{"veridoru.txt"});
        EXPECT_EQ(lireFichier(d / "veridoru.txt"), c.attendu);
        EXPECT_FALSE(FConnection.isVisible());
        EXPECT_EQ(FConnection.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(repondeur.boites().empty());
}

TEST_F(ReglagesTest, OkEcritSurLeFichierTrouveQuelleQueSoitLaCasse) {
    ecrireFichier(dossier.chemin() / "VeriDoru.TXT", "1\r\n1.2.3.4\r\nmabase1\r\nligne en trop\r\n");
    TFConnection FConnection(dossier.chemin(), dialogues, ApplicationEssai::instance());
    choisir(FConnection.SER, Qt::Key_Home);
    QTest::mouseClick(FConnection.ValiderSociete, Qt::LeftButton);
    EXPECT_EQ(nomsDans(dossier.chemin()), std::vector<std::string>{"VeriDoru.TXT"});
    EXPECT_EQ(lireFichier(dossier.chemin() / "VeriDoru.TXT"), "0\r\n0\r\nmabase1");
}

TEST_F(ReglagesTest, ServeurEtConfigPartagentSERChange) {
    TFConnection FConnection(dossier.chemin(), dialogues, ApplicationEssai::instance());
    choisir(FConnection.SER, Qt::Key_End);
    EXPECT_TRUE(FConnection.EIP->isEnabled());
    EXPECT_TRUE(FConnection.LIP->isEnabled());
    EXPECT_TRUE(FConnection.LExemple->isEnabled());
    QTest::keyClicks(FConnection.EIP, "10.1.1.1");
    choisir(FConnection.Conf, Qt::Key_End);
    EXPECT_EQ(FConnection.EIP->text(), "10.1.1.1");
    choisir(FConnection.SER, Qt::Key_Home);
    EXPECT_FALSE(FConnection.EIP->isEnabled());
    EXPECT_FALSE(FConnection.LIP->isEnabled());
    EXPECT_FALSE(FConnection.LExemple->isEnabled());
    EXPECT_EQ(FConnection.EIP->text(), "");

    // "Local" with an address from the file: any change of Conf empties it.
    ecrireFichier(dossier.chemin() / "Veridoru.txt", "0\r\n192.168.1.1\r\nmabase");
    TFConnection relu(dossier.chemin(), dialogues, ApplicationEssai::instance());
    EXPECT_EQ(relu.EIP->text(), "192.168.1.1");
    choisir(relu.Conf, Qt::Key_End);
    EXPECT_EQ(relu.EIP->text(), "");
}

TEST_F(ReglagesTest, FichierIllisibleRestitueLEtatInitial) {
    fs::create_directory(dossier.chemin() / "Veridoru.txt");
    TFConnection FConnection(dossier.chemin(), dialogues, ApplicationEssai::instance());
    ASSERT_EQ(repondeur.boites().size(), 1u);
    const ui::RepondeurScripte::Boite& boite = repondeur.boites()[0];
    EXPECT_EQ(boite.titre, "Pmupstock");
    EXPECT_EQ(boite.icone, QMessageBox::Critical);
    EXPECT_EQ(boite.texte, QString::fromStdString("Impossible d'ouvrir le fichier \"" +
                                                  (dossier.chemin() / "Veridoru.txt").string() +
                                                  "\". Le nom désigne un dossier."));
    EXPECT_EQ(FConnection.SER->currentText(), "Local");
    EXPECT_EQ(FConnection.EIP->text(), "");
    EXPECT_EQ(FConnection.Conf->currentText(), "Configue1");
}

TEST_F(ReglagesTest, DossierSansEcritureGardeLeDialogueOuvert) {
    const fs::path absent = dossier.chemin() / "absent";
    TFConnection FConnection(absent, dialogues, ApplicationEssai::instance());
    FConnection.show();
    QTest::mouseClick(FConnection.ValiderSociete, Qt::LeftButton);
    ASSERT_EQ(repondeur.boites().size(), 1u);
    EXPECT_EQ(repondeur.boites()[0].texte,
              QString::fromStdString("Impossible de créer le fichier \"" + (absent / "veridoru.txt").string() +
                                     "\". Le fichier ou le dossier est introuvable."));
    EXPECT_TRUE(FConnection.isVisible());

    fs::create_directory(absent);  // the user may try again
    QTest::mouseClick(FConnection.ValiderSociete, Qt::LeftButton);
    EXPECT_FALSE(FConnection.isVisible());
    EXPECT_EQ(lireFichier(absent / "veridoru.txt"), "0\r\n0\r\nmabase");
}

// The program's windows that exist at one moment, each with whether it is shown.
using Fenetres = std::map<std::string, bool>;

Fenetres fenetres() {
    Fenetres f;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (dynamic_cast<TFConnection*>(w)) f["FConnection"] = w->isVisible();
        if (dynamic_cast<TFtransfert*>(w)) f["Ftransfert"] = w->isVisible();
        if (dynamic_cast<TFacces*>(w)) f["Facces"] = w->isVisible();
        if (dynamic_cast<TFMajTarifs*>(w)) f["FMajTarifs"] = w->isVisible();
    }
    return f;
}

class DemarrageTest : public ReglagesTest {
protected:
    ui::RepondeurScripte repondeurDemarrage;
    std::vector<Fenetres> aLaBoite;     // at each box
    std::vector<Fenetres> dansLaBoucle;  // when the event loop ran
    // At each box, note the windows; then, once the event loop runs, close the main window.
    ui::Dialogues dialoguesDemarrage{QStringLiteral("Pmupstock"), [this](QMessageBox& boite) {
                                         aLaBoite.push_back(fenetres());
                                         QTimer::singleShot(0, [this] {
                                             dansLaBoucle.push_back(fenetres());
                                             for (QWidget* w : QApplication::topLevelWidgets())
                                                 if (dynamic_cast<TFtransfert*>(w)) w->close();
                                         });
                                         return repondeurDemarrage(boite);
                                     }};

    // What the user does in the settings dialog if it comes up (it is modal, so this runs inside it).
    void auDialogue(std::function<void(TFConnection&)> geste) {
        QTimer::singleShot(0, [this, geste] {
            dialogueVu = fenetres();
            if (auto* d = dynamic_cast<TFConnection*>(QApplication::activeModalWidget())) geste(*d);
        });
    }
    Fenetres dialogueVu;

    int demarrer() { return ::demarrer(ApplicationEssai::instance(), dialoguesDemarrage, dossier.chemin()); }
    // The boxes so far: the company list's failed connection at each start.
    void verifierBoitesDeLaListe(std::size_t demarrages) {
        ASSERT_EQ(repondeurDemarrage.boites().size(), demarrages);
        EXPECT_TRUE(repondeurDemarrage.boites().back().texte.contains("127.0.0.1"));
        EXPECT_EQ(repondeurDemarrage.boites().back().icone, QMessageBox::Critical);
    }
};

const Fenetres kAvantLaListe{{"FConnection", false}, {"Ftransfert", true}};
const Fenetres kToutCree{{"FConnection", false}, {"Ftransfert", true}, {"Facces", false}, {"FMajTarifs", false}};

TEST_F(DemarrageTest, PremierDemarrageDemandeLesReglagesPuisLeDemarrageSuivantNon) {
    auDialogue([](TFConnection& f) {
        choisir(f.SER, Qt::Key_End);
        QTest::keyClicks(f.EIP, kServeurInjoignable);
        QTest::mouseClick(f.ValiderSociete, Qt::LeftButton);
    });
    EXPECT_EQ(demarrer(), 0);
    EXPECT_EQ(dialogueVu, (Fenetres{{"FConnection", true}}));  // before any other window
    EXPECT_EQ(lireFichier(dossier.chemin() / "veridoru.txt"), "1\r\n127.0.0.1/1\r\nmabase");
    verifierBoitesDeLaListe(1);
    EXPECT_EQ(aLaBoite, std::vector<Fenetres>{kAvantLaListe});
    EXPECT_EQ(dansLaBoucle, std::vector<Fenetres>{kToutCree});
    EXPECT_TRUE(fenetres().empty());

    // Next start: the file is there, the dialog stays hidden (this first runs in the main loop), and
    // line 2 is the address used.
    auDialogue([](TFConnection& f) { f.close(); });
    EXPECT_EQ(demarrer(), 0);
    EXPECT_EQ(dialogueVu, kToutCree);
    verifierBoitesDeLaListe(2);
    EXPECT_EQ(aLaBoite, (std::vector<Fenetres>{kAvantLaListe, kAvantLaListe}));
}

TEST_F(DemarrageTest, AnnulerFinitLeDemarrageSansBoucleNiFichier) {
    auDialogue([](TFConnection& f) {
        choisir(f.SER, Qt::Key_End);
        QTest::keyClicks(f.EIP, kServeurInjoignable);
        QTest::mouseClick(f.RzBitBtn2, Qt::LeftButton);
    });
    EXPECT_EQ(demarrer(), 0);
    verifierBoitesDeLaListe(1);  // the company list is still tried, with its box
    EXPECT_EQ(aLaBoite, std::vector<Fenetres>{kAvantLaListe});
    EXPECT_TRUE(dansLaBoucle.empty());
    EXPECT_TRUE(nomsDans(dossier.chemin()).empty());
    EXPECT_TRUE(fenetres().empty());
    // The loop never ran: let the close the box asked for run now, while this test is still here.
    QApplication::processEvents();
}

TEST_F(DemarrageTest, BoutonFermerContinueSansFichier) {
    auDialogue([](TFConnection& f) {
        choisir(f.SER, Qt::Key_End);
        QTest::keyClicks(f.EIP, kServeurInjoignable);
        f.close();
    });
    EXPECT_EQ(demarrer(), 0);
    verifierBoitesDeLaListe(1);
    EXPECT_EQ(dansLaBoucle, std::vector<Fenetres>{kToutCree});
    EXPECT_TRUE(nomsDans(dossier.chemin()).empty());
}

}  // namespace
