#include "Terminal.h"

#include <iostream>

namespace {

constexpr int kLargeurBarre = 30;
constexpr std::string_view kPrefixeProduit = "Recalcul du pmup pour le produit ";

}  // namespace

TerminalLot::TerminalLot(ChoixLot choix, std::FILE* sortie, bool progression)
    : choix_(std::move(choix)), sortie_(sortie), progression_(progression) {}

void TerminalLot::panneau(int indice, const std::string& texte) {
    if (indice == 0) {
        produit_ = texte.starts_with(kPrefixeProduit) ? texte.substr(kPrefixeProduit.size()) : texte;
        if (!progression_) std::fprintf(sortie_, "%s (reste %d)\n", texte.c_str(), reste_);
    } else {
        const int valeur = std::stoi(texte);
        // A count larger than what was left starts a pass.
        if (valeur > reste_ || total_ == 0) total_ = valeur;
        reste_ = valeur;
    }
    if (progression_) afficherProgression();
}

void TerminalLot::afficherProgression() {
    const int faits = total_ - reste_;
    const int plein = total_ > 0 ? faits * kLargeurBarre / total_ : kLargeurBarre;
    const auto secondes =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - debut_).count();
    std::fprintf(sortie_, "\r[%s%s] %d/%d  reste %d  %02lld:%02lld  %-20s", std::string(plein, '#').c_str(),
                 std::string(kLargeurBarre - plein, '.').c_str(), faits, total_, reste_,
                 static_cast<long long>(secondes / 60), static_cast<long long>(secondes % 60), produit_.c_str());
    std::fflush(sortie_);
    ligneOuverte_ = true;
}

void TerminalLot::finirLigne() {
    if (ligneOuverte_) std::fputc('\n', sortie_);
    ligneOuverte_ = false;
}

bool TerminalLot::confirmer(const std::string& question) {
    finirLigne();
    if (choix_.oui) {
        std::fprintf(sortie_, "%s Oui (--oui)\n", question.c_str());
        return true;
    }
    std::fprintf(sortie_, "%s [o/N] ", question.c_str());
    std::fflush(sortie_);
    std::string reponse;
    std::getline(std::cin, reponse);
    return reponse == "o" || reponse == "O" || reponse == "oui" || reponse == "Oui" || reponse == "OUI";
}

void TerminalLot::informer(const std::string& message) {
    finirLigne();
    std::fprintf(sortie_, "%s\n", message.c_str());
    std::fflush(sortie_);
}
