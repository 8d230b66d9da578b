// A query on a connection: named parameters, rows read forwards from the server and kept for going
// back to the first one, an optional sort on the client, and fields read by name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Parametres.h"

class Connexion;
class Instruction;

class Requete {
public:
    explicit Requete(Connexion& connexion, std::string sql = {});
    ~Requete();
    Requete(const Requete&) = delete;
    Requete& operator=(const Requete&) = delete;

    Connexion& connexion() const { return connexion_; }

    // Replacing the text closes the query and keeps its sort.
    void setSql(std::string sql);
    const std::string& sql() const { return sql_; }
    // Rows sorted ascending on this field's text once all are fetched; empty for the server's order.
    void setTri(std::string champ) { tri_ = std::move(champ); }
    const std::string& tri() const { return tri_; }
    // Rows are not kept: only forwards, no count, no return to the first row.
    void setUnidirectionnel(bool oui) { unidirectionnel_ = oui; }

    void setTexte(std::string_view nom, std::string_view valeur) { parametres_.setTexte(nom, valeur); }
    void setEntier(std::string_view nom, std::int32_t valeur) { parametres_.setEntier(nom, valeur); }
    void setReel(std::string_view nom, double valeur) { parametres_.setReel(nom, valeur); }
    void setNul(std::string_view nom) { parametres_.setNul(nom); }

    void open();  // nothing when open
    void close();
    bool active() const { return actif_; }

    void first();
    void next();
    bool eof() const { return eof_; }
    int recordCount();  // fetches every remaining row
    // Moves to the first row whose field text equals the value; false (row unchanged) when none does.
    bool locate(std::string_view champ, std::string_view valeur);
    // The current row's number, and a return to it (rows already fetched only).
    std::size_t position() const { return position_; }
    void setPosition(std::size_t position);

    // Fields of the current row; NULL, no row or a closed query read as 0 / "".
    int indiceChamp(std::string_view nom) const;  // throws when the field does not exist
    bool estNul(int champ) const;
    std::string texte(int champ) const;
    double reel(int champ) const;
    std::int32_t entier(int champ) const;
    bool estNul(std::string_view nom) const { return !actif_ || estNul(indiceChamp(nom)); }
    std::string texte(std::string_view nom) const { return actif_ ? texte(indiceChamp(nom)) : std::string(); }
    double reel(std::string_view nom) const { return actif_ ? reel(indiceChamp(nom)) : 0; }
    std::int32_t entier(std::string_view nom) const { return actif_ ? entier(indiceChamp(nom)) : 0; }

private:
    void exigerActive() const;
    bool chargerLigne();  // fetches one more row into the cache
    const char* ligneCourante() const;

    Connexion& connexion_;
    std::string sql_;
    std::string tri_;
    bool unidirectionnel_ = false;
    Parametres parametres_;
    std::unique_ptr<Instruction> instruction_;
    bool actif_ = false;
    bool eof_ = true;
    bool toutLu_ = false;
    std::size_t tailleLigne_ = 0;
    std::vector<char> lignes_;            // fetched rows, end to end
    std::vector<std::uint32_t> ordre_;    // row numbers in reading order
    std::size_t position_ = 0;
};
