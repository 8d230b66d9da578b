// The data module: the company-list connection and its list, the current company's connection,
// the purchase-price flag and the price-derivation statements, all living for the whole run.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "Connexion.h"
#include "ErreurBase.h"
#include "Executeur.h"
#include "Requete.h"

// What a lookup box is bound to: a query, its key field and the field it shows.
struct SourceDonnees {
    Requete& requete;
};

// The company list's attachment: the alias "mabase", on the configured server when there is one.
std::string baseListeSocietes(const std::string& adresseServeur);

class Tdatam {
public:
    // Shows an error raised during creation; creation goes on all the same.
    using RapportErreur = std::function<void(const std::exception&)>;

    // adresseServeur is the configured server address, empty for local connections.
    Tdatam(std::string adresseServeur, const RapportErreur& rapport);
    Tdatam(const Tdatam&) = delete;
    Tdatam& operator=(const Tdatam&) = delete;

    Connexion societe;
    Requete socsource{societe, "select * from societes"};
    SourceDonnees Ssocsource{socsource};
    Connexion dbsource;
    Requete entete{dbsource, "SELECT MAJPRIXACHATPRODUIT FROM entete"};
    Executeur upprod;
    Executeur upprod1;
    Executeur upprod2;
    Executeur upprod3;
    Executeur upprod4;
    Executeur upprod5;
    Executeur upprod6;

    const std::string& adresseServeur() const { return adresseServeur_; }

private:
    void DataModuleCreate();

    std::string adresseServeur_;
};
