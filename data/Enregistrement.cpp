#include "Enregistrement.h"

#include <cstdio>

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

Enregistrement lireEnregistrement(const std::string& chemin) {
    std::ifstream entree(chemin, std::ios::binary);
    if (!entree) throw ErreurBase("Impossible de lire le fichier d'enregistrement " + chemin);
    Enregistrement enregistrement;
    char genre = 0;
    while (entree >> genre) {
        int numero = 0;
        entree >> numero;
        entree.get();
        if (genre == 'S') {
            enregistrement.textes.resize(static_cast<std::size_t>(numero) + 1);
            enregistrement.textes[static_cast<std::size_t>(numero)] = lireTexte(entree);
            continue;
        }
        ExecutionEnregistree execution{numero, {}};
        std::size_t nombre = 0;
        entree >> nombre;
        for (std::size_t i = 0; i < nombre; ++i) {
            Parametres::Valeur v;
            v.nom = lireTexte(entree);
            int type = 0;
            entree >> type;
            v.type = static_cast<Parametres::Type>(type);
            entree.get();
            switch (v.type) {
                case Parametres::Type::Nul: entree >> type; break;
                case Parametres::Type::Texte: v.texte = lireTexte(entree); break;
                case Parametres::Type::Entier: entree >> v.entier; break;
                case Parametres::Type::Reel: {
                    std::string hexa;
                    entree >> hexa;
                    v.reel = std::strtod(hexa.c_str(), nullptr);
                    break;
                }
            }
            execution.valeurs.push_back(std::move(v));
        }
        enregistrement.executions.push_back(std::move(execution));
    }
    return enregistrement;
}
