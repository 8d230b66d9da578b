#include "Requete.h"

#include <algorithm>

#include "Connexion.h"
#include "ErreurBase.h"
#include "Instruction.h"

Requete::Requete(Connexion& connexion, std::string sql) : connexion_(connexion), sql_(std::move(sql)) {
    connexion_.requetes_.push_back(this);
}

Requete::~Requete() {
    try {
        close();
    } catch (const ErreurBase&) {
    }
    instruction_.reset();
    auto& liste = connexion_.requetes_;
    liste.erase(std::remove(liste.begin(), liste.end(), this), liste.end());
}

void Requete::setSql(std::string sql) {
    close();
    instruction_.reset();
    sql_ = std::move(sql);
}

void Requete::open() {
    if (actif_) return;
    if (!instruction_) instruction_ = std::make_unique<Instruction>(connexion_, sql_);
    instruction_->executer(parametres_);
    actif_ = true;
    toutLu_ = false;
    tailleLigne_ = instruction_->ligne().size();
    lignes_.clear();
    ordre_.clear();
    position_ = 0;
    if (unidirectionnel_) {
        eof_ = !instruction_->lireLigne();
        return;
    }
    if (!tri_.empty()) {
        const int champ = indiceChamp(tri_);
        while (chargerLigne()) {
        }
        std::stable_sort(ordre_.begin(), ordre_.end(), [&](std::uint32_t a, std::uint32_t b) {
            return instruction_->texte(&lignes_[a * tailleLigne_], champ) <
                   instruction_->texte(&lignes_[b * tailleLigne_], champ);
        });
    } else {
        chargerLigne();
    }
    eof_ = ordre_.empty();
}

void Requete::close() {
    if (!actif_) return;
    actif_ = false;
    eof_ = true;
    lignes_.clear();
    lignes_.shrink_to_fit();
    ordre_.clear();
    instruction_->fermerCurseur();
}

bool Requete::chargerLigne() {
    if (toutLu_ || !instruction_->lireLigne()) {
        toutLu_ = true;
        return false;
    }
    const std::vector<char>& ligne = instruction_->ligne();
    lignes_.insert(lignes_.end(), ligne.begin(), ligne.end());
    ordre_.push_back(static_cast<std::uint32_t>(ordre_.size()));
    return true;
}

void Requete::exigerActive() const {
    if (!actif_) throw ErreurBase("Opération impossible sur une requête fermée");
}

void Requete::first() {
    exigerActive();
    if (unidirectionnel_) throw ErreurBase("Retour à la première ligne impossible sur une requête unidirectionnelle");
    position_ = 0;
    eof_ = ordre_.empty();
}

void Requete::next() {
    exigerActive();
    if (eof_) return;
    if (unidirectionnel_) {
        eof_ = !instruction_->lireLigne();
        return;
    }
    if (position_ + 1 < ordre_.size() || chargerLigne()) {
        ++position_;
    } else {
        eof_ = true;
    }
}

int Requete::recordCount() {
    exigerActive();
    if (unidirectionnel_) throw ErreurBase("Comptage impossible sur une requête unidirectionnelle");
    while (chargerLigne()) {
    }
    return static_cast<int>(ordre_.size());
}

bool Requete::locate(std::string_view champ, std::string_view valeur) {
    exigerActive();
    const int indice = indiceChamp(champ);
    while (chargerLigne()) {
    }
    for (std::size_t i = 0; i < ordre_.size(); ++i) {
        if (instruction_->texte(&lignes_[ordre_[i] * tailleLigne_], indice) == valeur) {
            position_ = i;
            eof_ = false;
            return true;
        }
    }
    return false;
}

void Requete::setPosition(std::size_t position) {
    exigerActive();
    if (unidirectionnel_ || position >= ordre_.size()) throw ErreurBase("Ligne inexistante dans la requête");
    position_ = position;
    eof_ = false;
}

int Requete::indiceChamp(std::string_view nom) const {
    const int indice = instruction_ ? instruction_->indiceColonne(nom) : -1;
    if (indice < 0) throw ErreurBase(std::string("Champ introuvable : ") + std::string(nom));
    return indice;
}

const char* Requete::ligneCourante() const {
    if (!actif_ || (ordre_.empty() && !unidirectionnel_)) return nullptr;
    if (unidirectionnel_) return eof_ ? nullptr : instruction_->ligne().data();
    return &lignes_[ordre_[std::min(position_, ordre_.size() - 1)] * tailleLigne_];
}

bool Requete::estNul(int champ) const {
    const char* ligne = ligneCourante();
    return !ligne || instruction_->estNul(ligne, champ);
}

std::string Requete::texte(int champ) const {
    const char* ligne = ligneCourante();
    return ligne ? instruction_->texte(ligne, champ) : std::string();
}

double Requete::reel(int champ) const {
    const char* ligne = ligneCourante();
    return ligne ? instruction_->reel(ligne, champ) : 0;
}

std::int32_t Requete::entier(int champ) const {
    const char* ligne = ligneCourante();
    return ligne ? instruction_->entier(ligne, champ) : 0;
}
