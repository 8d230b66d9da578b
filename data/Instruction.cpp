#include "Instruction.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "ApiFirebird.h"
#include "Connexion.h"
#include "ErreurBase.h"
#include "Texte1252.h"

namespace {

constexpr long kFinDesLignes = 100;

XSQLDA* da(const std::unique_ptr<char[]>& tampon) { return reinterpret_cast<XSQLDA*>(tampon.get()); }

std::unique_ptr<char[]> nouveauDescripteur(short n) {
    const short taille = std::max<short>(n, 1);
    auto tampon = std::make_unique<char[]>(XSQLDA_LENGTH(taille));
    std::memset(tampon.get(), 0, XSQLDA_LENGTH(taille));
    auto* d = reinterpret_cast<XSQLDA*>(tampon.get());
    d->version = SQLDA_VERSION1;
    d->sqln = taille;
    return tampon;
}

long double puissanceDix(int n) {
    long double p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

bool egalSansCasse(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// A scaled integer as exact decimal text.
std::string texteEntierEchelonne(std::int64_t valeur, int echelle) {
    std::string chiffres = std::to_string(valeur < 0 ? -static_cast<unsigned long long>(valeur)
                                                     : static_cast<unsigned long long>(valeur));
    if (echelle < 0) {
        const std::size_t decimales = static_cast<std::size_t>(-echelle);
        if (chiffres.size() <= decimales) chiffres = std::string(decimales + 1 - chiffres.size(), '0') + chiffres;
        const std::size_t entiers = chiffres.size() - decimales;
        chiffres = chiffres.substr(0, entiers) + "." + chiffres.substr(entiers);
    }
    return valeur < 0 ? "-" + chiffres : chiffres;
}

// Days since 17 November 1858 (the server's day zero) as a civil date.
void dateCivile(int jours, int& annee, int& mois, int& jour) {
    long z = jours + 678881L;  // days since 1 March of year 0
    const long ere = (z >= 0 ? z : z - 146096) / 146097;
    const long jde = z - ere * 146097;
    const long ade = (jde - jde / 1460 + jde / 36524 - jde / 146096) / 365;
    const long jda = jde - (365 * ade + ade / 4 - ade / 100);
    const long mp = (5 * jda + 2) / 153;
    jour = static_cast<int>(jda - (153 * mp + 2) / 5 + 1);
    mois = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    annee = static_cast<int>(ade + ere * 400 + (mois <= 2 ? 1 : 0));
}

std::string texteDate(int jours) {
    int a, m, j;
    dateCivile(jours, a, m, j);
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%04d-%02d-%02d", a, m, j);
    return tampon;
}

std::string texteHeure(unsigned int dixMillisecondes) {
    const unsigned secondes = dixMillisecondes / 10000;
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%02u:%02u:%02u", secondes / 3600, secondes / 60 % 60, secondes % 60);
    return tampon;
}

std::string texteReel(double x) {
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%.15g", x);
    return tampon;
}

}  // namespace

Instruction::Instruction(Connexion& connexion, std::string_view sql)
    : connexion_(connexion), sql_(sql), positionnel_(versPositionnel(sql)) {
    connexion_.instructions_.push_back(this);
}

Instruction::~Instruction() {
    relacher();
    auto& liste = connexion_.instructions_;
    liste.erase(std::remove(liste.begin(), liste.end(), this), liste.end());
}

void Instruction::relacher() noexcept {
    if (poignee_ && connexion_.connected()) {
        ISC_STATUS_ARRAY statut;
        api().liberer(statut, &poignee_, DSQL_drop);
    }
    poignee_ = 0;
    curseurOuvert_ = false;
}

void Instruction::preparer() {
    if (!connexion_.connected()) throw ErreurBase("La connexion à la base de données n'est pas ouverte");
    ISC_STATUS_ARRAY statut;
    isc_stmt_handle poignee = 0;
    api().allouer(statut, &connexion_.base_poignee_, &poignee);
    verifier(statut);
    poignee_ = poignee;

    sortie_ = nouveauDescripteur(20);
    // Literals in the text reach the database in its code page, like bound texts.
    const std::string texte = versWindows1252(positionnel_.texte);
    api().preparer(statut, &connexion_.transaction_, &poignee_, 0, texte.c_str(), SQL_DIALECT_V6, da(sortie_));
    if (statut[0] == 1 && statut[1]) {
        relacher();
        verifier(statut);
    }
    if (da(sortie_)->sqld > da(sortie_)->sqln) {
        sortie_ = nouveauDescripteur(da(sortie_)->sqld);
        api().decrireColonnes(statut, &poignee_, 1, da(sortie_));
        verifier(statut);
    }

    static const char demande[] = {isc_info_sql_stmt_type};
    char reponse[16] = {};
    api().infoSql(statut, &poignee_, sizeof demande, demande, sizeof reponse, reponse);
    verifier(statut);
    const int type = reponse[0] == isc_info_sql_stmt_type ? reponse[3] : 0;
    select_ = type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd;

    const short nombreParametres = static_cast<short>(positionnel_.noms.size());
    entree_ = nouveauDescripteur(nombreParametres);
    api().decrireParametres(statut, &poignee_, 1, da(entree_));
    verifier(statut);
    typesParametres_.assign(static_cast<std::size_t>(nombreParametres), {});
    short plusLong = 8;
    for (short i = 0; i < nombreParametres && i < da(entree_)->sqld; ++i) {
        const XSQLVAR& v = da(entree_)->sqlvar[i];
        typesParametres_[static_cast<std::size_t>(i)] = {static_cast<short>(v.sqltype & ~1), v.sqlscale, v.sqllen};
        plusLong = std::max<short>(plusLong, static_cast<short>(v.sqllen + 2));
    }
    tamponsParametres_.assign(static_cast<std::size_t>(nombreParametres), 0);
    indicateursParametres_.assign(static_cast<std::size_t>(nombreParametres), 0);
    tamponNul_.assign(static_cast<std::size_t>(plusLong), 0);

    colonnes_.clear();
    std::size_t taille = 0;
    XSQLDA* sortie = da(sortie_);
    for (short i = 0; i < sortie->sqld; ++i) {
        const XSQLVAR& v = sortie->sqlvar[i];
        Colonne c;
        c.nom.assign(v.aliasname, static_cast<std::size_t>(v.aliasname_length));
        c.type = static_cast<short>(v.sqltype & ~1);
        c.echelle = v.sqlscale;
        c.longueur = v.sqllen;
        taille = (taille + 7) & ~std::size_t{7};
        c.donnees = taille;
        taille += static_cast<std::size_t>(v.sqllen) + (c.type == SQL_VARYING ? 2 : 0);
        taille = (taille + 1) & ~std::size_t{1};
        c.indicateur = taille;
        taille += sizeof(short);
        colonnes_.push_back(std::move(c));
    }
    ligne_.assign(taille, 0);
    for (short i = 0; i < sortie->sqld; ++i) {
        XSQLVAR& v = sortie->sqlvar[i];
        const Colonne& c = colonnes_[static_cast<std::size_t>(i)];
        v.sqltype = static_cast<short>(c.type | 1);
        v.sqldata = ligne_.data() + c.donnees;
        v.sqlind = reinterpret_cast<short*>(ligne_.data() + c.indicateur);
    }
}

void Instruction::lier(const Parametres& parametres) {
    XSQLDA* entree = da(entree_);
    for (std::size_t i = 0; i < positionnel_.noms.size() && i < static_cast<std::size_t>(entree->sqld); ++i) {
        XSQLVAR& v = entree->sqlvar[i];
        const Parametres::Valeur& valeur = parametres.valeur(positionnel_.noms[i]);
        const TypeDecrit& decrit = typesParametres_[i];
        short& indicateur = indicateursParametres_[i];
        indicateur = 0;
        v.sqlind = &indicateur;
        v.sqlscale = 0;
        v.sqlsubtype = 0;
        switch (valeur.type) {
            case Parametres::Type::Nul:
                v.sqltype = static_cast<short>(decrit.type | 1);
                v.sqlscale = decrit.echelle;
                v.sqllen = decrit.longueur;
                v.sqldata = tamponNul_.data();
                indicateur = -1;
                break;
            case Parametres::Type::Texte:
                v.sqltype = SQL_TEXT | 1;
                v.sqllen = static_cast<short>(valeur.texte.size());
                v.sqldata = const_cast<char*>(valeur.texte.data());
                break;
            case Parametres::Type::Entier:
                v.sqltype = SQL_LONG | 1;
                v.sqllen = sizeof(ISC_LONG);
                *reinterpret_cast<ISC_LONG*>(&tamponsParametres_[i]) = valeur.entier;
                v.sqldata = reinterpret_cast<char*>(&tamponsParametres_[i]);
                break;
            case Parametres::Type::Reel: {
                const bool echelonne = (decrit.type == SQL_SHORT || decrit.type == SQL_LONG ||
                                        decrit.type == SQL_INT64) && decrit.echelle < 0;
                v.sqllen = 8;
                v.sqldata = reinterpret_cast<char*>(&tamponsParametres_[i]);
                if (echelonne) {
                    // Rounded to the column's scale here, ties to even, rather than by the server.
                    const long double mis = std::rint(static_cast<long double>(valeur.reel) *
                                                      puissanceDix(-decrit.echelle));
                    if (!(std::fabs(mis) < 9.2233720368547758e18L))
                        throw ErreurBase("Valeur hors des limites de la colonne : " + texteReel(valeur.reel));
                    tamponsParametres_[i] = static_cast<std::int64_t>(mis);
                    v.sqltype = SQL_INT64 | 1;
                    v.sqlscale = decrit.echelle;
                } else {
                    std::memcpy(&tamponsParametres_[i], &valeur.reel, sizeof(double));
                    v.sqltype = SQL_DOUBLE | 1;
                }
                break;
            }
        }
    }
}

void Instruction::executer(const Parametres& parametres) {
    if (!poignee_) preparer();
    fermerCurseur();
    parametres_ = &parametres;
    if (connexion_.enregistreur_) connexion_.enregistreur_(*this);
    lier(parametres);
    ISC_STATUS_ARRAY statut;
    api().executer(statut, &connexion_.transaction_, &poignee_, 1, da(entree_)->sqld ? da(entree_) : nullptr);
    verifier(statut);
    curseurOuvert_ = select_;
}

bool Instruction::lireLigne() {
    if (!curseurOuvert_) return false;
    ISC_STATUS_ARRAY statut;
    const ISC_STATUS resultat = api().lire(statut, &poignee_, 1, da(sortie_));
    if (resultat == kFinDesLignes) {
        fermerCurseur();
        return false;
    }
    verifier(statut);
    return true;
}

void Instruction::fermerCurseur() {
    if (!curseurOuvert_) return;
    curseurOuvert_ = false;
    ISC_STATUS_ARRAY statut;
    api().liberer(statut, &poignee_, DSQL_close);
    verifier(statut);
}

int Instruction::indiceColonne(std::string_view nom) const {
    for (std::size_t i = 0; i < colonnes_.size(); ++i)
        if (egalSansCasse(colonnes_[i].nom, nom)) return static_cast<int>(i);
    return -1;
}

bool Instruction::estNul(const char* ligne, int colonne) const {
    short indicateur;
    std::memcpy(&indicateur, ligne + colonnes_[static_cast<std::size_t>(colonne)].indicateur, sizeof indicateur);
    return indicateur < 0;
}

std::string Instruction::texte(const char* ligne, int colonne) const {
    if (estNul(ligne, colonne)) return {};
    const Colonne& c = colonnes_[static_cast<std::size_t>(colonne)];
    const char* p = ligne + c.donnees;
    switch (c.type) {
        case SQL_TEXT:
            return depuisWindows1252(std::string_view(p, static_cast<std::size_t>(c.longueur)));
        case SQL_VARYING: {
            unsigned short n;
            std::memcpy(&n, p, sizeof n);
            return depuisWindows1252(std::string_view(p + 2, n));
        }
        case SQL_SHORT: {
            short v;
            std::memcpy(&v, p, sizeof v);
            return texteEntierEchelonne(v, c.echelle);
        }
        case SQL_LONG: {
            ISC_LONG v;
            std::memcpy(&v, p, sizeof v);
            return texteEntierEchelonne(v, c.echelle);
        }
        case SQL_INT64: {
            ISC_INT64 v;
            std::memcpy(&v, p, sizeof v);
            return texteEntierEchelonne(v, c.echelle);
        }
        case SQL_TYPE_DATE: {
            ISC_DATE v;
            std::memcpy(&v, p, sizeof v);
            return texteDate(v);
        }
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP v;
            std::memcpy(&v, p, sizeof v);
            return texteDate(v.timestamp_date) + " " + texteHeure(v.timestamp_time);
        }
        case SQL_TYPE_TIME: {
            ISC_TIME v;
            std::memcpy(&v, p, sizeof v);
            return texteHeure(v);
        }
        case SQL_BOOLEAN:
            return *p ? "True" : "False";
        default:
            return texteReel(reel(ligne, colonne));
    }
}

double Instruction::reel(const char* ligne, int colonne) const {
    if (estNul(ligne, colonne)) return 0;
    const Colonne& c = colonnes_[static_cast<std::size_t>(colonne)];
    const char* p = ligne + c.donnees;
    auto echelonner = [&](long double entier) {
        return static_cast<double>(c.echelle < 0 ? entier / puissanceDix(-c.echelle) : entier);
    };
    switch (c.type) {
        case SQL_DOUBLE:
        case SQL_D_FLOAT: {
            double v;
            std::memcpy(&v, p, sizeof v);
            return v;
        }
        case SQL_FLOAT: {
            float v;
            std::memcpy(&v, p, sizeof v);
            return v;
        }
        case SQL_SHORT: {
            short v;
            std::memcpy(&v, p, sizeof v);
            return echelonner(v);
        }
        case SQL_LONG: {
            ISC_LONG v;
            std::memcpy(&v, p, sizeof v);
            return echelonner(v);
        }
        case SQL_INT64: {
            ISC_INT64 v;
            std::memcpy(&v, p, sizeof v);
            return echelonner(static_cast<long double>(v));
        }
        case SQL_TEXT:
        case SQL_VARYING:
            return std::strtod(texte(ligne, colonne).c_str(), nullptr);
        case SQL_TYPE_DATE: {
            ISC_DATE v;
            std::memcpy(&v, p, sizeof v);
            return v;
        }
        default:
            return 0;
    }
}

std::int32_t Instruction::entier(const char* ligne, int colonne) const {
    const Colonne& c = colonnes_[static_cast<std::size_t>(colonne)];
    if (c.type == SQL_TEXT || c.type == SQL_VARYING)
        return static_cast<std::int32_t>(std::strtol(texte(ligne, colonne).c_str(), nullptr, 10));
    return static_cast<std::int32_t>(std::llround(reel(ligne, colonne)));
}
