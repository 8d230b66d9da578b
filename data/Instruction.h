// One prepared statement of a connection: its parameter and row buffers, prepared once per attachment.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Parametres.h"
#include "TexteSql.h"

class Connexion;

class Instruction {
public:
    Instruction(Connexion& connexion, std::string_view sql);
    ~Instruction();
    Instruction(const Instruction&) = delete;
    Instruction& operator=(const Instruction&) = delete;

    const std::string& sql() const { return sql_; }
    // The values bound by the last execution (for the recording hook).
    const Parametres* parametres() const { return parametres_; }

    // Binds the parameters by name and runs the statement; a SELECT leaves its cursor open.
    void executer(const Parametres& parametres);
    // Reads the next row of the cursor into the row buffer; false (cursor closed) past the last row.
    bool lireLigne();
    void fermerCurseur();
    bool estSelect() const { return select_; }

    // Columns of the current row buffer, or of a saved copy of it.
    std::size_t nombreColonnes() const { return colonnes_.size(); }
    int indiceColonne(std::string_view nom) const;  // -1 when absent; case does not matter
    const std::vector<char>& ligne() const { return ligne_; }
    bool estNul(const char* ligne, int colonne) const;
    std::string texte(const char* ligne, int colonne) const;  // UTF-8; NULL reads ""
    double reel(const char* ligne, int colonne) const;        // NULL reads 0
    std::int32_t entier(const char* ligne, int colonne) const;

    // The connection drops the statement handle before it detaches.
    void relacher() noexcept;

private:
    struct Colonne {
        std::string nom;
        short type = 0;  // without the nullable bit
        short echelle = 0;
        short longueur = 0;
        std::size_t donnees = 0;  // offset in the row buffer
        std::size_t indicateur = 0;
    };
    struct TypeDecrit {
        short type = 0;
        short echelle = 0;
        short longueur = 0;
    };

    void preparer();
    void lier(const Parametres& parametres);

    Connexion& connexion_;
    std::string sql_;
    SqlPositionnel positionnel_;
    std::uint32_t poignee_ = 0;
    bool select_ = false;
    bool curseurOuvert_ = false;
    const Parametres* parametres_ = nullptr;
    std::unique_ptr<char[]> entree_;  // XSQLDA of the parameters
    std::unique_ptr<char[]> sortie_;  // XSQLDA of the columns
    std::vector<TypeDecrit> typesParametres_;
    std::vector<std::int64_t> tamponsParametres_;
    std::vector<char> tamponNul_;
    std::vector<short> indicateursParametres_;
    std::vector<Colonne> colonnes_;
    std::vector<char> ligne_;
};
