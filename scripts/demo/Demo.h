// The demo databases: a company list and two companies' stock databases holding a year of a French
// do-it-yourself business, made from one seed; and the demo's view of a product's movement journal.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "Connexion.h"
#include "Journal.h"

inline constexpr std::uint64_t kGraineDemo = 2025;
inline constexpr const char* kFichierSocietes = "societes.fdb";

struct CompteTable {
    std::string table;
    int lignes;
};

struct BilanSociete {
    std::string societe;
    std::vector<CompteTable> tables;
    int stocksNegatifs;  // product and store pairs whose stock went below zero during the year
};

// Creates the company list and both companies' databases in the folder, which must hold no demo yet.
std::vector<BilanSociete> creerDemo(const std::filesystem::path& dossier, std::uint64_t graine);

// Connects to a company's database as the program does: its CHEMIN in the demo's list, then "\CONTACT.DTK".
void connecterSociete(Connexion& dbsource, const std::filesystem::path& dossier, const std::string& societe);

// The journal of a product in a store, read through the program's own query.
std::vector<LigneMouvement> lireJournal(Connexion& dbsource, const std::string& produit, const std::string& magasin);

// The journal as an aligned French table, with the opening stock and the running quantity.
void afficherJournal(std::ostream& sortie, const std::filesystem::path& dossier, const std::string& societe,
                     const std::string& produit, const std::string& magasin);
