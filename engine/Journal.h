// The movement journal of one product in one store: every validated stock line, in replay order.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class Requete;

// The ten piece codes; sorted as text, a day's incoming kinds come before its outgoing ones.
inline constexpr std::array<std::string_view, 10> kCodesPiece = {
    "00BT", "10BE", "20PR", "30RE", "31RE", "40BL", "41BL", "50CO", "60BS", "70BT"};

// The statement of the journal query PROD; parameters :mag and :prod, both text.
extern const char* const kSqlJournal;

// One row of the journal.
struct LigneMouvement {
    std::string PIECE;
    double QTE = 0;
    double PUHT = 0;
    std::string DATE_BON;  // YYYY-MM-DD
    std::string C_PRODUIT;
    std::int32_t NUMBON = 0;
    std::int32_t ORDRE = 0;
    std::int32_t ORDRE2 = 0;
};

// Reads the current row of an open journal query; the field positions are looked up once.
class LecteurJournal {
public:
    explicit LecteurJournal(const Requete& prod);
    void lire(LigneMouvement& ligne) const;

private:
    const Requete& prod_;
    int piece_, qte_, puht_, date_, produit_, numbon_, ordre_, ordre2_;
};
