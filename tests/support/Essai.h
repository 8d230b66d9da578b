// Test and demo databases: a scratch folder, a company list and company databases built one row per call.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "Connexion.h"

// std::nullopt writes NULL.
using Nombre = std::optional<double>;
using Texte = std::optional<std::string>;

// A folder of its own, removed with everything in it when the object goes.
class DossierEssai {
public:
    explicit DossierEssai(std::string_view nom);
    ~DossierEssai();
    DossierEssai(const DossierEssai&) = delete;
    DossierEssai& operator=(const DossierEssai&) = delete;
    const std::filesystem::path& chemin() const { return chemin_; }
    std::string operator/(std::string_view nom) const { return (chemin_ / nom).string(); }

private:
    std::filesystem::path chemin_;
};

// Runs a script on a connection and reads single values back.
class AccesEssai {
public:
    explicit AccesEssai(std::string chaine);
    Connexion& connexion() { return cx_; }
    void sql(std::string_view script);
    double reel(std::string_view select);
    std::string texte(std::string_view select);
    bool estNul(std::string_view select);
    int compte(std::string_view table, std::string_view condition = "1=1");

protected:
    Connexion cx_;
};

// The company list database, created empty at the given attachment string.
class ListeSocietesEssai : public AccesEssai {
public:
    explicit ListeSocietesEssai(const std::string& chaine);
    void societe(std::string_view code, Texte raison, Texte chemin);
};

// One company database, created at CHEMIN + "\CONTACT.DTK" as the program opens it.
class SocieteEssai : public AccesEssai {
public:
    explicit SocieteEssai(const std::string& chemin);
    static std::string fichier(const std::string& chemin) { return chemin + "\\CONTACT.DTK"; }
    // Attaches another connection to this database, as the program's own.
    void connecter(Connexion& autre) const;
    // Two stores, three families, three managed products and one unmanaged, stock rows in M1 and M2.
    void petitCommerce();

    void entete(Texte majPrixAchat, Texte motDePasse);
    void magasin(std::string_view code, std::string_view nom, std::string_view localisation = "");
    void famille(std::string_view code, std::string_view nom);
    void produit(std::string_view code, std::string_view description, Texte gere = "OUI", Texte famille = {},
                 Nombre puht = 0);
    void marges(std::string_view produit, Nombre dist, Nombre v1, Nombre v2, Nombre v3, Nombre v4, Nombre v5);
    void stock(std::string_view produit, std::string_view magasin, Nombre pmup, Nombre qteDebut,
               Nombre qteStock = 0);

    // Headers: date as 'YYYY-MM-DD' (or a timestamp for deliveries), valide "OUI" unless said.
    void bonEntree(int numbon, std::string_view date, std::string_view magasin, Texte valide = "OUI");
    void bonLivraison(int numbon, std::string_view date, std::string_view magasin, Texte valide = "OUI");
    void bonRetour(int numbon, std::string_view date, std::string_view magasin, Texte valide = "OUI");
    void bonSortie(int numbon, std::string_view date, std::string_view magasin, Texte valide = "OUI");
    void bonProduction(int numbon, std::string_view date, std::string_view magEnsemble,
                       std::string_view magComposant, Texte valide = "OUI");
    void bonTransfert(int numbon, std::string_view date, std::string_view source, std::string_view destination,
                      Texte valide = "OUI");

    // Lines and component lines.
    void ligneEntree(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff, Nombre puht);
    void ligneLivraison(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff, Nombre pmup,
                        Nombre tva = 0);
    void composantLivraison(int numpiece, int ordreens, int ordre, std::string_view produit, Nombre qte,
                            Nombre pmup);
    void ligneRetour(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff, Nombre pump);
    void composantRetour(int numpiece, int ordreens, int ordre, std::string_view produit, Nombre qte, Nombre pmup);
    void ligneSortie(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff, Nombre puht,
                     Nombre tva = 0);
    void ligneProduction(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre coeff, Nombre pmup);
    void composantProduction(int numpiece, int ordreens, int ordre, std::string_view produit, Nombre qte,
                             Nombre pmup);
    void ligneTransfert(int numbon, int ordre, std::string_view produit, Nombre qte, Nombre puht, Nombre tva = 0);
};

// SQL literal of a value: 'text' with quotes doubled, a number, or NULL.
std::string litteral(const Texte& texte);
std::string litteral(const Nombre& nombre);
