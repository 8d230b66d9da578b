// The demo companies' catalogue: a French do-it-yourself and garden business, the same for both companies.
#pragma once

#include <string>
#include <vector>

#include "Essai.h"

struct FamilleDemo {
    std::string code;
    std::string nom;
};

// A quantity of one product inside a kit or inside the recipe of a made product.
struct ComposantDemo {
    std::string produit;
    double qte;
};

struct ProduitDemo {
    std::string code;  // family code, article number on two digits, variant number
    std::string description;
    std::string famille;
    Texte gere;        // "OUI" for stock-managed products
    double prixAchat;  // purchase price at the start of the year
    double tva;
    bool achete;       // bought from suppliers
    std::vector<ComposantDemo> kit;     // sold as a kit: its components leave the stock
    std::vector<ComposantDemo> recette; // made by production from these components, per unit
};

struct CatalogueDemo {
    std::vector<FamilleDemo> familles;
    std::vector<ProduitDemo> produits;

    const ProduitDemo& produit(const std::string& code) const;
};

// The product whose journal shows every kind of movement in the store below, in both companies: bought,
// made, sold alone and in a kit, returned alone and in a kit, consumed by a made product, transferred.
inline constexpr const char* kProduitVedette = "ATE011";
inline constexpr const char* kKitVedette = "KIT011";
inline constexpr const char* kFabriqueAvecVedette = "ATE021";
inline constexpr const char* kMagasinVedette = "M01";

const CatalogueDemo& catalogueDemo();
