#include "ApiFirebird.h"

#include <dlfcn.h>

#include <array>

#include "ErreurBase.h"

namespace {

constexpr std::array<const char*, 2> kBibliotheques = {"libfbclient.so.2", "libfbclient.so"};

template <typename F>
void charger(void* bibliotheque, F& fonction, const char* nom) {
    fonction = reinterpret_cast<F>(dlsym(bibliotheque, nom));
    if (!fonction)
        throw ErreurBase(std::string("Fonction ") + nom + " absente de la bibliothèque cliente Firebird");
}

ApiFirebird chargerApi() {
    void* bibliotheque = nullptr;
    std::string essayees;
    for (const char* nom : kBibliotheques) {
        bibliotheque = dlopen(nom, RTLD_NOW | RTLD_GLOBAL);
        if (bibliotheque) break;
        essayees += (essayees.empty() ? "" : ", ") + std::string(nom);
    }
    if (!bibliotheque)
        throw ErreurBase("Aucune bibliothèque cliente Firebird n'a pu être chargée (essayé : " + essayees + ")");
    ApiFirebird a{};
    charger(bibliotheque, a.attach, "isc_attach_database");
    charger(bibliotheque, a.detach, "isc_detach_database");
    charger(bibliotheque, a.start, "isc_start_transaction");
    charger(bibliotheque, a.commit, "isc_commit_transaction");
    charger(bibliotheque, a.rollback, "isc_rollback_transaction");
    charger(bibliotheque, a.allouer, "isc_dsql_allocate_statement");
    charger(bibliotheque, a.preparer, "isc_dsql_prepare");
    charger(bibliotheque, a.decrireParametres, "isc_dsql_describe_bind");
    charger(bibliotheque, a.decrireColonnes, "isc_dsql_describe");
    charger(bibliotheque, a.executer2, "isc_dsql_execute2");
    charger(bibliotheque, a.executer, "isc_dsql_execute");
    charger(bibliotheque, a.executerImmediat, "isc_dsql_execute_immediate");
    charger(bibliotheque, a.lire, "isc_dsql_fetch");
    charger(bibliotheque, a.liberer, "isc_dsql_free_statement");
    charger(bibliotheque, a.infoSql, "isc_dsql_sql_info");
    charger(bibliotheque, a.interpreter, "fb_interpret");
    charger(bibliotheque, a.sqlcode, "isc_sqlcode");
    return a;
}

}  // namespace

const ApiFirebird& api() {
    static const ApiFirebird instance = chargerApi();
    return instance;
}

void verifier(const ISC_STATUS* statut) {
    if (statut[0] != 1 || statut[1] == 0) return;
    std::string message;
    char ligne[1024];
    const ISC_STATUS* curseur = statut;
    while (api().interpreter(ligne, sizeof ligne, &curseur) > 0)
        message += (message.empty() ? "" : "\n") + std::string(ligne);
    throw ErreurBase(message, statut[1], static_cast<int>(api().sqlcode(statut)));
}
