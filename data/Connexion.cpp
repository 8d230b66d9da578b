#include "Connexion.h"

#include <algorithm>
#include <type_traits>

#include "ApiFirebird.h"
#include "ErreurBase.h"
#include "Instruction.h"
#include "Requete.h"

static_assert(std::is_same_v<isc_db_handle, std::uint32_t> && std::is_same_v<isc_tr_handle, std::uint32_t>);

namespace {

constexpr const char* kUtilisateur = "SYSDBA";
constexpr const char* kMotDePasse = "pinecrest";
constexpr int kPortParDefaut = 3050;

void ajouterChaine(std::string& dpb, char code, std::string_view valeur) {
    dpb += code;
    dpb += static_cast<char>(valeur.size());
    dpb.append(valeur);
}

}  // namespace

Connexion::~Connexion() {
    try {
        disconnect();
    } catch (...) {  // a destructor never throws; the server rolls back nothing we rely on
    }
}

std::string Connexion::chaineAttachement() const {
    if (hote_.empty()) return base_;
    if (port_ == 0 || port_ == kPortParDefaut) return hote_ + ":" + base_;
    return hote_ + "/" + std::to_string(port_) + ":" + base_;
}

void Connexion::connect() {
    if (connected()) return;
    std::string dpb(1, static_cast<char>(isc_dpb_version1));
    ajouterChaine(dpb, isc_dpb_user_name, kUtilisateur);
    ajouterChaine(dpb, isc_dpb_password, kMotDePasse);
    const std::string chaine = chaineAttachement();
    ISC_STATUS_ARRAY statut;
    isc_db_handle base = 0;
    api().attach(statut, static_cast<short>(chaine.size()), chaine.c_str(), &base, static_cast<short>(dpb.size()),
                 dpb.data());
    verifier(statut);
    static const char tpb[] = {isc_tpb_version3,       isc_tpb_write,  isc_tpb_read_committed,
                               isc_tpb_rec_version,    isc_tpb_nowait, isc_tpb_autocommit};
    isc_tr_handle transaction = 0;
    api().start(statut, &transaction, 1, &base, static_cast<unsigned short>(sizeof tpb), tpb);
    if (statut[0] == 1 && statut[1]) {
        ISC_STATUS_ARRAY ignore;
        api().detach(ignore, &base);
        verifier(statut);
    }
    base_poignee_ = base;
    transaction_ = transaction;
}

void Connexion::disconnect() {
    if (!connected()) return;
    for (Requete* requete : requetes_) {
        try {
            requete->close();
        } catch (const ErreurBase&) {
        }
    }
    for (Instruction* instruction : instructions_) instruction->relacher();
    ISC_STATUS_ARRAY statut, statutDetache;
    api().commit(statut, &transaction_);
    api().detach(statutDetache, &base_poignee_);
    base_poignee_ = 0;
    transaction_ = 0;
    verifier(statut);
    verifier(statutDetache);
}

void creerBase(const std::string& chaine) {
    std::string echappee;
    for (char c : chaine) echappee += c == '\'' ? std::string("''") : std::string(1, c);
    const std::string sql = "CREATE DATABASE '" + echappee + "' USER '" + kUtilisateur + "' PASSWORD '" +
                            kMotDePasse + "' PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1252";
    ISC_STATUS_ARRAY statut;
    isc_db_handle base = 0;
    isc_tr_handle transaction = 0;
    api().executerImmediat(statut, &base, &transaction, 0, sql.c_str(), SQL_DIALECT_V6, nullptr);
    verifier(statut);
    api().detach(statut, &base);
    verifier(statut);
}
