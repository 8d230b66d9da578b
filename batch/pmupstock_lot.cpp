// pmupstock-lot: the batch recalculation of one store of one company, without windows, for scheduled runs.
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "Acces.h"
#include "Enregistrement.h"
#include "Lot.h"
#include "Terminal.h"
#include "USTOCK.h"
#include "Veridoru.h"
#include "base.h"

namespace {

constexpr int kSucces = 0;
constexpr int kEchec = 1;
constexpr int kUsage = 2;
constexpr int kCodeRefuse = 3;

constexpr const char* kAide = R"(Usage : pmupstock-lot --societe CODE --magasin CODE [options]

Recalcule le PMUP des produits d'un magasin d'une société, comme le bouton Appliquer de l'assistant,
puis les prix d'achat et de vente.

  --societe CODE        code de la société (SOCIETES.SOCIETE)
  --magasin CODE        code du magasin (MAGASINS.CODEMAGASIN)
  --portee PORTEE       tous (par défaut), familles, produits ou bon
  --de CODE, --a CODE   première et dernière famille (familles) ou premier et dernier produit (produits)
  --bon N               numéro du bon d'entrée (bon ; 1 par défaut)
  --oui                 répond Oui à la confirmation (obligatoire sans terminal)
  --code-stdin          lit le mot de passe de la société sur l'entrée standard
  --enregistrer FICHIER écrit dans FICHIER chaque instruction exécutée et ses valeurs (pour les mesures)
  --help                affiche cette aide

L'adresse du serveur est lue dans le fichier Veridoru.txt à côté de l'exécutable (sans fichier : local).
Codes de sortie : 0 recalcul terminé, 1 erreur, 2 mauvais usage, 3 mot de passe refusé.
)";

struct Options {
    std::string societe;
    ChoixLot choix;
    bool codeStdin = false;
    bool aide = false;
    std::string enregistrement;
};

class ErreurUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Options lireOptions(int argc, char** argv) {
    Options options;
    static const std::map<std::string, PorteeRecalcul> portees = {
        {"tous", PorteeTous}, {"familles", PorteeFamilles}, {"produits", PorteeProduits}, {"bon", PorteeBonEntree}};
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        auto valeur = [&]() -> std::string {
            if (i + 1 >= argc) throw ErreurUsage("valeur manquante après " + option);
            return argv[++i];
        };
        if (option == "--societe") {
            options.societe = valeur();
        } else if (option == "--magasin") {
            options.choix.magasin = valeur();
        } else if (option == "--portee") {
            const std::string nom = valeur();
            const auto trouvee = portees.find(nom);
            if (trouvee == portees.end()) throw ErreurUsage("portée inconnue : " + nom);
            options.choix.portee = trouvee->second;
        } else if (option == "--de") {
            options.choix.de = valeur();
        } else if (option == "--a") {
            options.choix.a = valeur();
        } else if (option == "--bon") {
            options.choix.bon = valeur();
        } else if (option == "--oui") {
            options.choix.oui = true;
        } else if (option == "--enregistrer") {
            options.enregistrement = valeur();
        } else if (option == "--code-stdin") {
            options.codeStdin = true;
        } else if (option == "--help" || option == "-h") {
            options.aide = true;
        } else {
            throw ErreurUsage("option inconnue : " + option);
        }
    }
    if (options.aide) return options;
    if (options.societe.empty()) throw ErreurUsage("--societe est obligatoire");
    if (options.choix.magasin.empty()) throw ErreurUsage("--magasin est obligatoire");
    return options;
}

std::filesystem::path dossierExecutable() {
    std::error_code erreur;
    const auto chemin = std::filesystem::read_symlink("/proc/self/exe", erreur);
    return erreur ? std::filesystem::current_path() : chemin.parent_path();
}

// Read from the terminal without echo, or as one line of standard input.
std::string lireCode(bool depuisEntree) {
    if (!depuisEntree && !isatty(STDIN_FILENO))
        throw ErreurUsage("cette société a un mot de passe : ajoutez --code-stdin pour le lire sur l'entrée standard");
    termios avant{};
    const bool terminal = !depuisEntree && tcgetattr(STDIN_FILENO, &avant) == 0;
    if (terminal) {
        std::fprintf(stderr, "Mot de passe : ");
        termios sansEcho = avant;
        sansEcho.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &sansEcho);
    }
    std::string code;
    std::getline(std::cin, code);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &avant);
        std::fprintf(stderr, "\n");
    }
    if (!code.empty() && code.back() == '\r') code.pop_back();
    return code;
}

int executer(const Options& options) {
    std::string adresse;
    try {
        adresse = adresseServeurConfiguree(lireVeridoru(dossierExecutable()));
    } catch (const std::exception& erreur) {
        std::fprintf(stderr, "%s\n", erreur.what());  // as the program does: the run goes on, locally
    }
    std::string erreurListe;
    Tdatam datam(adresse, [&](const std::exception& e) { erreurListe = e.what(); });
    if (!erreurListe.empty()) throw std::runtime_error(erreurListe);
    if (!datam.socsource.locate("SOCIETE", options.societe))
        throw std::runtime_error("Société inconnue : " + options.societe);

    if (!options.enregistrement.empty()) {
        auto enregistreur = std::make_shared<EnregistreurFichier>(options.enregistrement);
        datam.dbsource.setEnregistreur([enregistreur](const Instruction& i) { (*enregistreur)(i); });
    }

    // What Activer does, without the window.
    TForm1 form1(datam.dbsource);
    if (!adresse.empty()) datam.dbsource.setHostName(adresse);
    datam.dbsource.disconnect();
    datam.dbsource.setDatabase(datam.socsource.texte("CHEMIN") + "\\CONTACT.DTK");
    datam.dbsource.connect();
    form1.Modele.open();
    form1.produit.open();
    if (!codeAccepte(form1.pass, "") && !codeAccepte(form1.pass, lireCode(options.codeStdin))) {
        std::string message = kMessageCodeRefuse;
        message.replace(message.find('\r'), 1, "\n");
        std::fprintf(stderr, "%s\n", message.c_str());
        return kCodeRefuse;
    }
    form1.pass.close();

    ChoixLot choix = options.choix;
    if (form1.Modele.locate("CODEMAGASIN", choix.magasin)) choix.nomMagasin = form1.Modele.texte("MAGASIN");
    RecalculLot lot(datam, form1);
    TerminalLot fenetre(choix, stdout, isatty(STDOUT_FILENO));
    lot.appliquer(fenetre);
    return kSucces;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    try {
        options = lireOptions(argc, argv);
        if (options.aide) {
            std::fputs(kAide, stdout);
            return kSucces;
        }
        if (!options.choix.oui && (options.codeStdin || !isatty(STDIN_FILENO)))
            throw ErreurUsage("pas de terminal pour confirmer le recalcul : ajoutez --oui");
        return executer(options);
    } catch (const ErreurUsage& erreur) {
        std::fprintf(stderr, "pmupstock-lot : %s\nEssayez pmupstock-lot --help.\n", erreur.what());
        return kUsage;
    } catch (const std::exception& erreur) {
        std::fprintf(stderr, "%s\n", erreur.what());
        return kEchec;
    }
}
