#include "Insertion.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

namespace {

// Keeps each statement well inside the server's limits on text length and parameter count.
constexpr std::size_t kParametresParGroupe = 400;

std::string nomParametre(const std::string& colonne, std::size_t ligne) {
    return colonne + "_" + std::to_string(ligne);
}

}  // namespace

Insertion::Insertion(Connexion& connexion, std::string table, std::vector<std::string> colonnes)
    : connexion_(connexion),
      table_(std::move(table)),
      colonnes_(std::move(colonnes)),
      lignesParGroupe_(std::max<std::size_t>(1, kParametresParGroupe / colonnes_.size())) {}

void Insertion::ajouter(std::vector<ValeurColonne> valeurs) {
    if (valeurs.size() != colonnes_.size()) throw std::logic_error("insertion : nombre de valeurs incorrect");
    enAttente_.push_back(std::move(valeurs));
    ++lignes_;
    if (enAttente_.size() == lignesParGroupe_) vider();
}

void Insertion::vider() {
    if (enAttente_.empty()) return;
    Executeur& e = executeur(enAttente_.size());
    for (std::size_t ligne = 0; ligne < enAttente_.size(); ++ligne) {
        for (std::size_t i = 0; i < colonnes_.size(); ++i) {
            const std::string nom = nomParametre(colonnes_[i], ligne);
            std::visit([&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>) e.setNul(nom);
                else if constexpr (std::is_same_v<T, std::int32_t>) e.setEntier(nom, v);
                else if constexpr (std::is_same_v<T, double>) e.setReel(nom, v);
                else e.setTexte(nom, v);
            }, enAttente_[ligne][i]);
        }
    }
    e.execute();
    enAttente_.clear();
}

// insert into T (a, b) select cast(:a_0 as type of column T.a), ... from rdb$database union all select ...
Executeur& Insertion::executeur(std::size_t nombreLignes) {
    std::unique_ptr<Executeur>& e = executeurs_[nombreLignes];
    if (e) return *e;
    std::string noms;
    for (const std::string& colonne : colonnes_) noms += (noms.empty() ? "" : ",") + colonne;
    std::string sql = "insert into " + table_ + " (" + noms + ")";
    for (std::size_t ligne = 0; ligne < nombreLignes; ++ligne) {
        std::string valeurs;
        for (const std::string& colonne : colonnes_)
            valeurs.append(valeurs.empty() ? "cast(:" : ",cast(:")
                .append(nomParametre(colonne, ligne))
                .append(" as type of column " + table_ + "." + colonne + ")");
        sql += (ligne ? "\nunion all select " : "\nselect ") + valeurs + " from rdb$database";
    }
    e = std::make_unique<Executeur>(connexion_, sql);
    return *e;
}
