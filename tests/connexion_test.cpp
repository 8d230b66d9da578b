// The database layer against real databases: addressing, auto-commit, locks, scripts, parameters, reading.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "Essai.h"
#include "Executeur.h"
#include "Requete.h"
#include "TexteSql.h"
#include "base.h"

namespace {

std::string racineFirebird() { return std::getenv("PMUP_FBROOT"); }

struct Adressage {
    std::string hote;
    int port;
    std::string base;
    std::string attendu;
};

TEST(Adressage, ChaineDAttachement) {
    const Adressage cas[] = {
        {"", 0, "mabase", "mabase"},
        {"", 3051, "D:\\data\\soc1\\CONTACT.DTK", "D:\\data\\soc1\\CONTACT.DTK"},
        {"192.168.1.1", 0, "D:\\data\\soc1\\CONTACT.DTK", "192.168.1.1:D:\\data\\soc1\\CONTACT.DTK"},
        {"serveur", 3050, "mabase", "serveur:mabase"},
        {"serveur", 3051, "mabase", "serveur/3051:mabase"},
    };
    for (const Adressage& c : cas) {
        Connexion cx;
        cx.setHostName(c.hote);
        cx.setPort(c.port);
        cx.setDatabase(c.base);
        EXPECT_EQ(cx.chaineAttachement(), c.attendu);
    }
    EXPECT_EQ(baseListeSocietes(""), "mabase");
    EXPECT_EQ(baseListeSocietes("192.168.1.1"), "192.168.1.1:mabase");
    EXPECT_EQ(baseListeSocietes(" 10.0.0.1 "), " 10.0.0.1 :mabase");
}

TEST(TexteSql, ParametresNommes) {
    const SqlPositionnel p = versPositionnel(
        "select ':x' as a, \"col:y\" from t -- :z\n where a=:Num and b=:num /* :w */ and c=:prod_2");
    EXPECT_EQ(p.texte, "select ':x' as a, \"col:y\" from t -- :z\n where a=? and b=? /* :w */ and c=?");
    EXPECT_EQ(p.noms, (std::vector<std::string>{"NUM", "NUM", "PROD_2"}));
}

TEST(TexteSql, DecoupageDeScript) {
    const struct {
        std::string script;
        std::vector<std::string> attendu;
    } cas[] = {
        {"a;b", {"a", "b"}},
        {"a;\n  \n\r\n", {"a"}},
        {"a;;b;", {"a", "b"}},
        {"x='1;2'; -- c;d\ny /* ; */;", {"x='1;2'", " -- c;d\ny /* ; */"}},
        {"  ", {}},
    };
    for (const auto& c : cas) EXPECT_EQ(decouperScript(c.script), c.attendu) << c.script;
}

class BaseTest : public ::testing::Test {
protected:
    DossierEssai dossier{"connexion"};
    SocieteEssai soc{dossier / "soc1"};
    Connexion cx;

    void SetUp() override {
        soc.sql("create table t (id integer, nom varchar(40), montant numeric(18,2), r double precision);"
                "insert into t values (1, 'un', 1.5, 2.5);"
                "insert into t values (2, NULL, NULL, NULL)");
        cx.setDatabase(SocieteEssai::fichier(dossier / "soc1"));
        cx.connect();
    }
};

TEST_F(BaseTest, AutoCommitVisibleAvantDeconnexion) {
    Executeur(cx, "update t set nom='deux' where id=2").execute();
    EXPECT_EQ(soc.texte("select nom from t where id=2"), "deux");
}

TEST_F(BaseTest, ScriptArreteALaPremiereErreurEtGardeCeQuiAPrecede) {
    Executeur script(cx, "insert into t (id) values (10);\ninsert into t (id) values (11);\n"
                         "insert into absente values (12);\ninsert into t (id) values (13)");
    EXPECT_EQ(script.nombreInstructions(), 4u);
    EXPECT_THROW(script.execute(), ErreurBase);
    EXPECT_EQ(soc.compte("t", "id in (10, 11)"), 2);
    EXPECT_EQ(soc.compte("t", "id = 13"), 0);
}

TEST_F(BaseTest, DerniereInstructionSansPointVirgule) {
    Executeur(cx, "insert into t (id) values (20);\ninsert into t (id) values (21)\n\n").execute();
    EXPECT_EQ(soc.compte("t", "id in (20, 21)"), 2);
}

TEST_F(BaseTest, ParametreUtiliseTroisFoisEtParametreJamaisDonne) {
    Executeur ex(cx, "insert into t (id, nom, montant, r) values (:v, :texte, :v, :v)");
    ex.setEntier("v", 7);
    ex.execute();
    EXPECT_EQ(soc.reel("select id + montant + r from t where id=7"), 21);
    EXPECT_TRUE(soc.estNul("select nom from t where id=7"));
}

TEST_F(BaseTest, LectureDesNulsEtDUneRequeteVide) {
    Requete q(cx, "select id, nom, montant, r from t where id=:id");
    q.setEntier("id", 2);
    q.open();
    EXPECT_FALSE(q.eof());
    EXPECT_TRUE(q.estNul("nom"));
    EXPECT_EQ(q.texte("nom"), "");
    EXPECT_EQ(q.reel("montant"), 0);
    EXPECT_EQ(q.entier("r"), 0);
    q.close();
    q.setEntier("id", 99);
    q.open();
    EXPECT_TRUE(q.eof());
    EXPECT_TRUE(q.estNul("id"));
    EXPECT_EQ(q.texte("nom"), "");
    EXPECT_EQ(q.recordCount(), 0);
    EXPECT_THROW(q.indiceChamp("absent"), ErreurBase);
}

TEST_F(BaseTest, ReelVersNumeriqueArrondiAuPairLePlusProche) {
    // 0.125 and 0.375 are exact halves at two decimals; 0.135 lies just above its half.
    const struct {
        double valeur;
        double attendu;
    } cas[] = {{0.125, 0.12}, {0.375, 0.38}, {-0.125, -0.12}, {0.135, 0.14}, {2.5, 2.5}, {1.005, 1.0}};
    Executeur ex(cx, "update t set montant=:p where id=1");
    for (const auto& c : cas) {
        ex.setReel("p", c.valeur);
        ex.execute();
        EXPECT_EQ(soc.reel("select montant from t where id=1"), c.attendu) << c.valeur;
    }
}

TEST_F(BaseTest, TexteWindows1252AllerRetour) {
    Executeur ex(cx, "update t set nom=:n where id=1");
    ex.setTexte("n", "Société Générale – «Café» €");
    ex.execute();
    EXPECT_EQ(soc.texte("select nom from t where id=1"), "Société Générale – «Café» €");
    EXPECT_EQ(soc.reel("select char_length(nom) from t where id=1"), 27);
    Executeur(cx, "update t set nom='Mérignac' where id=2").execute();
    EXPECT_EQ(soc.texte("select nom from t where id=2"), "Mérignac");
    EXPECT_EQ(soc.reel("select octet_length(nom) from t where id=2"), 8) << "one byte per character";
}

TEST_F(BaseTest, TriCoteClientGardeApresChangementDeTexteEtLocate) {
    soc.sql("insert into t (id, nom) values (3, 'b'); insert into t (id, nom) values (4, 'a')");
    Requete q(cx, "select id, nom from t where nom is not null order by id desc");
    q.setTri("NOM");
    q.setSql("select id, nom from t where nom is not null order by id");
    EXPECT_EQ(q.tri(), "NOM");
    q.open();
    std::vector<std::string> noms;
    for (; !q.eof(); q.next()) noms.push_back(q.texte("nom"));
    EXPECT_EQ(noms, (std::vector<std::string>{"a", "b", "un"}));
    EXPECT_TRUE(q.locate("NOM", "b"));
    EXPECT_EQ(q.entier("id"), 3);
    EXPECT_FALSE(q.locate("NOM", "zz"));
    EXPECT_EQ(q.entier("id"), 3);
    q.first();
    EXPECT_EQ(q.texte("nom"), "a");
}

TEST_F(BaseTest, DeconnexionFermeLesRequetesEtReconnexionRepreparer) {
    Requete q(cx, "select id from t order by id");
    q.open();
    cx.disconnect();
    EXPECT_FALSE(q.active());
    EXPECT_FALSE(cx.connected());
    cx.disconnect();  // nothing when not connected
    EXPECT_THROW(q.open(), ErreurBase);
    cx.connect();
    cx.connect();
    q.open();
    EXPECT_EQ(q.recordCount(), 2);
}

TEST_F(BaseTest, ConflitDeVerrouImmediat) {
    // Another user holds the row in an open transaction (isql), and says so through a file.
    const std::string signal = dossier / "verrou-pris";
    const std::string commande = "isql-fb -q '" + SocieteEssai::fichier(dossier / "soc1") + "' >/dev/null 2>&1";
    FILE* autre = popen(commande.c_str(), "w");
    ASSERT_NE(autre, nullptr);
    std::fprintf(autre, "update t set nom='pris' where id=1;\nshell touch '%s';\n", signal.c_str());
    std::fflush(autre);
    for (int i = 0; i < 200 && !std::filesystem::exists(signal); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(std::filesystem::exists(signal));

    const auto debut = std::chrono::steady_clock::now();
    try {
        Executeur(cx, "update t set nom='moi' where id=1").execute();
        FAIL() << "pas de conflit";
    } catch (const ErreurBase& e) {
        EXPECT_EQ(e.gdscode(), 335544336);
        EXPECT_EQ(e.sqlcode(), -913);
        EXPECT_NE(std::string(e.what()).find("update conflicts with concurrent update"), std::string::npos);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(5));
    std::fprintf(autre, "rollback;\nquit;\n");
    pclose(autre);
    Executeur(cx, "update t set nom='moi' where id=1").execute();  // the transaction stays usable
    EXPECT_EQ(soc.texte("select nom from t where id=1"), "moi");
}

TEST(ServeurTcp, AttachementParAdresseEtAlias) {
    DossierEssai dossier("tcp");
    SocieteEssai soc(dossier / "soc1");
    soc.magasin("M1", "Magasin un");
    Connexion cx;
    cx.setHostName("127.0.0.1");
    cx.setDatabase(SocieteEssai::fichier(dossier / "soc1"));
    EXPECT_EQ(cx.chaineAttachement(), "127.0.0.1:" + SocieteEssai::fichier(dossier / "soc1"));
    cx.connect();
    Requete q(cx, "select magasin from magasins");
    q.open();
    EXPECT_EQ(q.texte("MAGASIN"), "Magasin un");
}

TEST(DataModule, ListeDesSocietesParAliasLocalEtParAdresse) {
    const std::string liste = racineFirebird() + "/data/societes.fdb";
    std::filesystem::remove(liste);
    {
        ListeSocietesEssai societes(liste);
        societes.societe("S2", "Deux", "/x");
        societes.societe("S10", "Dix", "/y");
        societes.societe("S1", "Un", "/z");
    }
    for (const std::string adresse : {"", "127.0.0.1"}) {
        int erreurs = 0;
        Tdatam datam(adresse, [&](const std::exception&) { ++erreurs; });
        EXPECT_EQ(erreurs, 0);
        EXPECT_EQ(datam.societe.database(), adresse.empty() ? "mabase" : "127.0.0.1:mabase");
        EXPECT_EQ(datam.societe.hostName(), "");
        std::vector<std::string> codes;
        for (datam.socsource.first(); !datam.socsource.eof(); datam.socsource.next())
            codes.push_back(datam.socsource.texte("SOCIETE"));
        EXPECT_EQ(codes, (std::vector<std::string>{"S1", "S10", "S2"}));
        EXPECT_FALSE(datam.dbsource.connected());
    }
    std::filesystem::remove(liste);
}

TEST(DataModule, ListeInjoignableSignaleeUneFoisEtCreationContinue) {
    const std::string liste = racineFirebird() + "/data/societes.fdb";
    std::filesystem::remove(liste);
    std::vector<std::string> messages;
    Tdatam datam("", [&](const std::exception& e) { messages.push_back(e.what()); });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(datam.socsource.active());
    EXPECT_TRUE(datam.socsource.eof());
}

}  // namespace
