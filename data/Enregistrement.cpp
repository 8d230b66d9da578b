#include "Enregistrement.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ErreurBase.h"
#include "Instruction.h"

namespace {

// Texts are written as their length then their bytes, so that any byte may occur in them.
void ecrireTexte(std::ostream& sortie, const std::string& texte) { sortie << texte.size() << ':' << texte; }

std::string lireTexte(std::istream& entree) {
    std::size_t taille = 0;
    char deuxPoints = 0;
    entree >> taille >> deuxPoints;
    std::string texte(taille, '\0');
    entree.read(texte.data(), static_cast<std::streamsize>(taille));
    return texte;
}

}  // namespace

EnregistreurFichier::EnregistreurFichier(const std::string& chemin) : fichier_(chemin, std::ios::binary) {
    if (!fichier_) throw ErreurBase("Impossible de créer le fichier d'enregistrement " + chemin);
}

void EnregistreurFichier::operator()(const Instruction& instruction) {
    auto [entree, nouveau] = numeros_.try_emplace(instruction.sql(), static_cast<int>(numeros_.size()));
    if (nouveau) {
        fichier_ << "S " << entree->second << ' ';
        ecrireTexte(fichier_, instruction.sql());
        fichier_ << '\n';
    }
    const auto& valeurs = instruction.parametres()->valeurs();
    fichier_ << "E " << entree->second << ' ' << valeurs.size();
    for (const Parametres::Valeur& v : valeurs) {
        fichier_ << ' ';
        ecrireTexte(fichier_, v.nom);
        fichier_ << ' ' << static_cast<int>(v.type) << ' ';
        switch (v.type) {
            case Parametres::Type::Nul: fichier_ << 0; break;
            case Parametres::Type::Texte: ecrireTexte(fichier_, v.texte); break;
            case Parametres::Type::Entier: fichier_ << v.entier; break;
            case Parametres::Type::Reel: {
                char exact[40];
                std::snprintf(exact, sizeof exact, "%a", v.reel);
                fichier_ << exact;
                break;
            }
        }
    }
    fichier_ << '\n';
}

LecteurEnregistrement::LecteurEnregistrement(const std::string& chemin) : fichier_(chemin, std::ios::binary) {
    if (!fichier_) throw ErreurBase("Impossible de lire le fichier d'enregistrement " + chemin);
}

bool LecteurEnregistrement::lire(ExecutionEnregistree& execution) {
    char genre = 0;
    while (fichier_ >> genre) {
        int numero = 0;
        fichier_ >> numero;
        fichier_.get();
        if (genre == 'S') {
            textes_.resize(std::max(textes_.size(), static_cast<std::size_t>(numero) + 1));
            textes_[static_cast<std::size_t>(numero)] = lireTexte(fichier_);
            continue;
        }
        execution.instruction = numero;
        std::size_t nombre = 0;
        fichier_ >> nombre;
        execution.valeurs.resize(nombre);
        for (Parametres::Valeur& v : execution.valeurs) {
            v.nom = lireTexte(fichier_);
            int type = 0;
            fichier_ >> type;
            v.type = static_cast<Parametres::Type>(type);
            fichier_.get();
            switch (v.type) {
                case Parametres::Type::Nul: fichier_ >> type; break;
                case Parametres::Type::Texte: v.texte = lireTexte(fichier_); break;
                case Parametres::Type::Entier: fichier_ >> v.entier; break;
                case Parametres::Type::Reel: {
                    std::string hexa;
                    fichier_ >> hexa;
                    v.reel = std::strtod(hexa.c_str(), nullptr);
                    break;
                }
            }
        }
        return true;
    }
    return false;
}
