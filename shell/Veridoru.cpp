#include "Veridoru.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "Texte1252.h"

namespace {

constexpr const char* kNomEcrit = "veridoru.txt";

std::string minuscules(std::string texte) {
    std::transform(texte.begin(), texte.end(), texte.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); });
    return texte;
}

// The system's reason in French, as the user reads it.
std::string raison(int code) {
    switch (code) {
        case EACCES:
        case EPERM: return "Accès refusé";
        case ENOENT: return "Le fichier ou le dossier est introuvable";
        case ENOTDIR: return "Un élément du chemin n'est pas un dossier";
        case EISDIR: return "Le nom désigne un dossier";
        case EROFS: return "Le disque est en lecture seule";
        case ENOSPC: return "Le disque est plein";
        case EDQUOT: return "Le quota du disque est dépassé";
        case EMFILE:
        case ENFILE: return "Trop de fichiers sont ouverts";
        case ENAMETOOLONG: return "Le nom du fichier est trop long";
        case EBUSY:
        case ETXTBSY: return "Le fichier est utilisé par un autre processus";
        case EIO: return "Erreur d'entrée-sortie";
        default: return "Erreur système " + std::to_string(code);
    }
}

[[noreturn]] void echec(const char* action, const std::filesystem::path& chemin, int code) {
    throw std::runtime_error(std::string(action) + " le fichier \"" + chemin.string() + "\". " + raison(code));
}

// Closes the descriptor when it goes.
class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int get() const { return fd_; }
    int fermer() { return ::close(std::exchange(fd_, -1)); }

private:
    int fd_;
};

std::string lireTout(const std::filesystem::path& chemin) {
    constexpr const char* kOuvrir = "Impossible d'ouvrir";
    Descripteur fichier(::open(chemin.c_str(), O_RDONLY | O_CLOEXEC));
    if (fichier.get() < 0) echec(kOuvrir, chemin, errno);
    struct stat etat {};
    if (::fstat(fichier.get(), &etat) != 0) echec(kOuvrir, chemin, errno);
    if (S_ISDIR(etat.st_mode)) echec(kOuvrir, chemin, EISDIR);
    std::string octets;
    char tampon[4096];
    for (;;) {
        const ssize_t lus = ::read(fichier.get(), tampon, sizeof tampon);
        if (lus < 0 && errno == EINTR) continue;
        if (lus < 0) echec(kOuvrir, chemin, errno);
        if (lus == 0) return octets;
        octets.append(tampon, static_cast<std::size_t>(lus));
    }
}

std::vector<std::string> lignes(const std::string& octets) {
    std::vector<std::string> resultat;
    std::size_t debut = 0;
    while (debut < octets.size()) {
        const std::size_t fin = std::min(octets.find_first_of("\r\n", debut), octets.size());
        resultat.push_back(depuisWindows1252(std::string_view(octets).substr(debut, fin - debut)));
        debut = fin + (octets.compare(fin, 2, "\r\n") == 0 ? 2 : 1);
    }
    return resultat;
}

}  // namespace

std::optional<std::filesystem::path> trouverVeridoru(const std::filesystem::path& dossier) {
    std::optional<std::filesystem::path> trouve;
    std::error_code erreur;
    for (const auto& entree : std::filesystem::directory_iterator(dossier, erreur)) {
        const std::string nom = entree.path().filename().string();
        if (minuscules(nom) == kNomEcrit && (!trouve || nom < trouve->filename().string())) trouve = entree.path();
    }
    return trouve;
}

std::optional<std::vector<std::string>> lireVeridoru(const std::filesystem::path& dossier) {
    const std::optional<std::filesystem::path> chemin = trouverVeridoru(dossier);
    if (!chemin) return std::nullopt;
    return lignes(lireTout(*chemin));
}

void ecrireVeridoru(const std::filesystem::path& dossier, const std::vector<std::string>& lignes) {
    constexpr const char* kCreer = "Impossible de créer";
    const std::filesystem::path chemin = trouverVeridoru(dossier).value_or(dossier / kNomEcrit);
    std::string octets;
    for (std::size_t i = 0; i < lignes.size(); ++i) octets += (i == 0 ? "" : "\r\n") + versWindows1252(lignes[i]);
    Descripteur fichier(::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (fichier.get() < 0) echec(kCreer, chemin, errno);
    for (std::size_t ecrits = 0; ecrits < octets.size();) {
        const ssize_t n = ::write(fichier.get(), octets.data() + ecrits, octets.size() - ecrits);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) echec(kCreer, chemin, errno);
        ecrits += static_cast<std::size_t>(n);
    }
    if (fichier.fermer() != 0) echec(kCreer, chemin, errno);
}

std::string adresseServeurConfiguree(const std::optional<std::vector<std::string>>& lignes) {
    if (!lignes || lignes->size() < 2 || (*lignes)[1] == "0") return {};
    return (*lignes)[1];
}
