#include "Catalogue.h"

#include <stdexcept>

#include "Bons.h"

namespace {

// An article sold in several variants, each a product; the variants cost more as they grow.
struct ArticleDemo {
    const char* nom;
    double prix;
    std::vector<const char*> variantes;
    double tva = 20;
};

struct RayonDemo {
    const char* code;
    const char* nom;
    std::vector<ArticleDemo> articles;
};

const std::vector<RayonDemo> kRayons = {
    {"QUI", "Quincaillerie", {
        {"Vis à bois tête fraisée", 6.90,
         {"3x30, boîte de 100", "4x40, boîte de 100", "5x50, boîte de 100", "6x60, boîte de 50"}},
        {"Chevilles nylon", 3.20, {"6 mm, sachet de 50", "8 mm, sachet de 50", "10 mm, sachet de 25"}},
        {"Équerre d'assemblage acier zingué", 1.10, {"40 mm", "60 mm", "80 mm"}},
        {"Charnière inox", 2.40, {"40 mm", "60 mm", "80 mm"}},
        {"Boulon tête hexagonale", 0.45, {"M6x40", "M8x60", "M10x80"}},
        {"Cadenas laiton", 7.50, {"30 mm", "40 mm", "50 mm"}},
        {"Crochet à visser", 0.90, {"petit modèle", "grand modèle"}}}},
    {"OUT", "Outillage", {
        {"Marteau de menuisier", 11.50, {"25 mm", "28 mm"}},
        {"Jeu de tournevis", 14.90, {"6 pièces", "10 pièces"}},
        {"Mètre ruban", 4.80, {"3 m", "5 m", "8 m"}},
        {"Scie égoïne", 12.30, {"450 mm", "550 mm"}},
        {"Perceuse-visseuse sans fil", 62.00, {"12 V", "18 V"}},
        {"Niveau à bulle aluminium", 8.90, {"40 cm", "60 cm", "100 cm"}},
        {"Clé à molette", 9.40, {"200 mm", "250 mm", "300 mm"}},
        {"Coffret de forets à bois", 6.50, {"8 pièces", "13 pièces"}},
        {"Cutter à lame sécable", 3.40, {"9 mm", "18 mm"}}}},
    {"ELE", "Électricité", {
        {"Ampoule LED E27", 2.90, {"806 lm blanc chaud", "1055 lm blanc chaud", "1521 lm blanc neutre"}},
        {"Ampoule LED GU10", 2.40, {"345 lm", "460 lm"}},
        {"Douille E27 à vis", 1.60, {"blanche", "noire"}},
        {"Câble H07V-U", 8.50, {"1,5 mm², 25 m", "2,5 mm², 25 m"}},
        {"Interrupteur va-et-vient", 3.10, {"blanc", "anthracite"}},
        {"Prise de courant 2P+T", 2.70, {"blanche", "anthracite"}},
        {"Rallonge électrique", 7.90, {"3 m", "5 m", "10 m"}},
        {"Multiprise parafoudre", 12.40, {"4 prises", "6 prises"}},
        {"Boîte de dérivation étanche", 1.90, {"80x80 mm", "100x100 mm"}}}},
    {"PLO", "Plomberie", {
        {"Siphon d'évier PVC", 4.20, {"diamètre 32", "diamètre 40"}},
        {"Flexible d'alimentation inox", 3.90, {"30 cm", "50 cm"}},
        {"Joints fibre", 0.80, {"12x17, sachet de 10", "15x21, sachet de 10", "20x27, sachet de 10"}},
        {"Robinet d'arrêt quart de tour", 6.70, {"12x17", "15x21"}},
        {"Mitigeur d'évier chromé", 39.00, {"bec bas", "bec haut"}},
        {"Tube PER", 18.50, {"12 mm, 25 m", "16 mm, 25 m"}},
        {"Colle PVC", 5.60, {"125 ml", "250 ml"}},
        {"Ruban PTFE d'étanchéité", 0.70, {"12 m"}},
        {"Raccord laiton à visser", 2.20, {"12x17", "15x21", "20x27"}}}},
    {"PEI", "Peinture et décoration", {
        {"Peinture acrylique mate blanche", 19.00, {"2,5 L", "5 L", "10 L"}},
        {"Peinture satinée", 24.00, {"lin, 2,5 L", "gris perle, 2,5 L", "bleu canard, 2,5 L"}},
        {"Rouleau anti-goutte", 5.20, {"180 mm", "250 mm"}},
        {"Bac à peinture", 2.10, {"petit", "grand"}},
        {"Ruban de masquage", 2.30, {"25 mm x 50 m", "50 mm x 50 m"}},
        {"Pinceau plat", 2.80, {"30 mm", "50 mm", "70 mm"}},
        {"Enduit de rebouchage", 7.40, {"1 kg", "5 kg"}},
        {"Lasure bois chêne clair", 21.00, {"1 L", "2,5 L"}}}},
    {"JAR", "Jardin", {
        {"Terreau universel", 4.50, {"20 L", "40 L", "70 L"}, 10},
        {"Graines de tomates", 1.90, {"cerise", "cœur de bœuf", "Marmande"}, 10},
        {"Graines de fleurs", 1.70, {"capucines", "cosmos", "soucis"}, 10},
        {"Plantoir en acier", 3.90, {"manche bois"}},
        {"Tuyau d'arrosage", 15.00, {"15 m", "25 m", "50 m"}},
        {"Sécateur de jardin", 9.80, {"lame franche", "enclume"}},
        {"Gants de jardinage", 3.20, {"taille 8", "taille 9", "taille 10"}},
        {"Bâche de protection", 6.50, {"2x3 m", "4x5 m"}}}},
    {"BOI", "Bois et panneaux", {
        {"Planche pin raboté", 6.20, {"200x20 cm", "250x20 cm"}},
        {"Tasseau pin brut", 2.10, {"27x27 mm, 2,4 m", "40x40 mm, 2,4 m"}},
        {"Panneau contreplaqué", 18.00, {"5 mm", "10 mm", "18 mm"}},
        {"Panneau MDF", 12.50, {"3 mm", "10 mm", "16 mm"}},
        {"Lame de terrasse pin traité", 9.40, {"2,4 m", "3 m"}},
        {"Tourillons hêtre", 2.60, {"6 mm, sachet de 50", "8 mm, sachet de 50"}},
        {"Colle à bois vinylique", 4.90, {"250 g", "750 g"}}}},
    {"RAN", "Rangement", {
        {"Étagère métal galvanisé 5 tablettes", 29.00, {"150 cm", "180 cm"}},
        {"Boîte de rangement plastique", 4.90, {"15 L", "30 L", "50 L"}},
        {"Crochet de garage", 1.90, {"simple", "double", "vélo"}},
        {"Caisse à outils", 16.00, {"40 cm", "50 cm"}},
        {"Casier à vis", 9.90, {"12 tiroirs", "24 tiroirs"}},
        {"Patère murale", 3.40, {"simple", "triple"}},
        {"Console d'étagère", 1.70, {"150 mm", "200 mm", "250 mm"}}}},
    {"LUM", "Luminaires", {
        {"Plafonnier LED rond", 24.00, {"18 W", "24 W"}},
        {"Réglette LED étanche", 17.00, {"60 cm", "120 cm", "150 cm"}},
        {"Applique murale extérieure", 22.00, {"noire", "grise"}},
        {"Lampe de bureau articulée", 19.50, {"noire", "blanche"}},
        {"Projecteur LED à détecteur", 27.00, {"20 W", "30 W"}},
        {"Guirlande guinguette", 21.00, {"10 m", "20 m"}}}},
    {"SOL", "Sols et revêtements", {
        {"Parquet stratifié chêne", 14.90, {"7 mm, paquet de 2,2 m²", "8 mm, paquet de 2 m²"}},
        {"Sous-couche isolante", 11.00, {"rouleau de 15 m²"}},
        {"Plinthe MDF blanche", 3.80, {"2,4 m"}},
        {"Carrelage grès cérame", 16.50, {"30x30, carton de 1 m²", "60x60, carton de 1,44 m²"}},
        {"Mortier-colle carrelage", 6.90, {"5 kg", "25 kg"}},
        {"Joint de carrelage", 5.30, {"gris", "blanc"}},
        {"Dalle vinyle adhésive", 12.90, {"chêne gris, 1 m²", "béton ciré, 1 m²"}}}},
};

struct FabriqueDemo {
    const char* code;
    const char* description;
    std::vector<ComposantDemo> recette;
};

// Made in the workshop; the planter is also bought ready-made and goes into the raised bed.
const std::vector<FabriqueDemo> kFabriques = {
    {"ATE011", "Jardinière bois 80 cm", {{"BOI011", 1}, {"BOI021", 1}, {"QUI012", 0.2}, {"PEI081", 0.25}}},
    {"ATE021", "Bac potager sur pieds 100x50 cm", {{"ATE011", 2}, {"BOI051", 4}, {"BOI022", 2}, {"QUI013", 0.5}}},
    {"ATE031", "Étagère murale pin 80 cm", {{"BOI012", 1}, {"RAN071", 2}, {"QUI011", 0.1}, {"QUI021", 0.1}}},
    {"ATE041", "Banc de jardin pin traité", {{"BOI052", 5}, {"BOI022", 2}, {"QUI014", 0.5}, {"PEI081", 0.5}}},
    {"ATE051", "Composteur bois 400 L", {{"BOI051", 12}, {"QUI013", 0.6}}},
    {"ATE061", "Nichoir à mésanges", {{"BOI032", 0.25}, {"QUI011", 0.1}}},
    {"ATE071", "Coffre de rangement bois 90 cm", {{"BOI033", 1}, {"QUI041", 2}, {"QUI011", 0.3}, {"PEI081", 0.25}}},
    {"ATE081", "Support vélo mural bois", {{"BOI012", 1}, {"RAN033", 2}, {"QUI022", 0.1}}},
};

const std::vector<FabriqueDemo> kKits = {
    {"KIT011", "Coffret balcon fleuri", {{"ATE011", 1}, {"JAR011", 2}, {"JAR031", 2}}},
    {"KIT021", "Kit fixation murale", {{"QUI012", 1}, {"QUI022", 1}, {"QUI031", 4}}},
    {"KIT031", "Kit peinture chambre", {{"PEI011", 2}, {"PEI031", 1}, {"PEI041", 1}, {"PEI051", 1}}},
    {"KIT041", "Kit raccordement évier", {{"PLO011", 1}, {"PLO021", 2}, {"PLO081", 1}}},
    {"KIT051", "Pack éclairage LED x3", {{"ELE011", 3}, {"ELE031", 3}}},
    {"KIT061", "Coffret outillage essentiel", {{"OUT011", 1}, {"OUT021", 1}, {"OUT032", 1}, {"OUT061", 1}}},
    {"KIT071", "Kit potager débutant", {{"JAR021", 2}, {"JAR022", 1}, {"JAR012", 1}, {"JAR041", 1}}},
    {"KIT081", "Kit rangement garage", {{"RAN011", 1}, {"RAN031", 4}, {"RAN032", 2}}},
};

struct ServiceDemo {
    const char* code;
    const char* description;
    Texte gere;
    double prix;
};

// Services are sold but never stocked; the cutting service was entered without the flag.
const std::vector<ServiceDemo> kServices = {
    {"SRV011", "Livraison à domicile", "NON", 0},
    {"SRV021", "Montage et installation", "NON", 0},
    {"SRV031", "Découpe de bois sur mesure", std::nullopt, 0},
    {"SRV041", "Location de remorque, demi-journée", "NON", 0},
};

double coutDe(const std::vector<ComposantDemo>& composants, const CatalogueDemo& catalogue) {
    double cout = 0;
    for (const ComposantDemo& c : composants) cout += c.qte * catalogue.produit(c.produit).prixAchat;
    return cout;
}

CatalogueDemo construire() {
    CatalogueDemo catalogue;
    for (const RayonDemo& rayon : kRayons) {
        catalogue.familles.push_back({rayon.code, rayon.nom});
        for (std::size_t a = 0; a < rayon.articles.size(); ++a) {
            const ArticleDemo& article = rayon.articles[a];
            for (std::size_t v = 0; v < article.variantes.size(); ++v) {
                const std::string code = rayon.code + std::string(a < 9 ? "0" : "") + std::to_string(a + 1) +
                                         std::to_string(v + 1);
                catalogue.produits.push_back({code, std::string(article.nom) + " " + article.variantes[v], rayon.code,
                                              "OUI", centimes(article.prix * (1 + 0.35 * static_cast<double>(v))),
                                              article.tva, true, {}, {}});
            }
        }
    }
    catalogue.familles.push_back({"ATE", "Fabrication atelier"});
    for (const FabriqueDemo& f : kFabriques)  // in recipe order: a made component comes before its user
        catalogue.produits.push_back({f.code, f.description, "ATE", "OUI",
                                      centimes(coutDe(f.recette, catalogue) * 1.15), 20,
                                      f.code == std::string(kProduitVedette), {}, f.recette});
    catalogue.familles.push_back({"KIT", "Coffrets et kits"});
    for (const FabriqueDemo& k : kKits)
        catalogue.produits.push_back({k.code, k.description, "KIT", "NON", centimes(coutDe(k.recette, catalogue)), 20,
                                      false, k.recette, {}});
    catalogue.familles.push_back({"SRV", "Services"});
    for (const ServiceDemo& s : kServices)
        catalogue.produits.push_back({s.code, s.description, "SRV", s.gere, s.prix, 20, false, {}, {}});
    return catalogue;
}

}  // namespace

const ProduitDemo& CatalogueDemo::produit(const std::string& code) const {
    for (const ProduitDemo& p : produits)
        if (p.code == code) return p;
    throw std::logic_error("produit absent du catalogue de démonstration : " + code);
}

const CatalogueDemo& catalogueDemo() {
    static const CatalogueDemo catalogue = construire();
    return catalogue;
}
