// The statement floor: the statements a recorded run executed, with the same values in the same order,
// run back to back by the smallest loop over the client library (each prepared once, rows fetched and
// dropped), the record read as it goes. Prints the seconds from attachment to detachment.
#include <ibase.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Enregistrement.h"
#include "TexteSql.h"

namespace {

void verifier(const ISC_STATUS* statut, const char* quoi) {
    if (statut[0] != 1 || statut[1] == 0) return;
    char ligne[512];
    const ISC_STATUS* curseur = statut;
    std::string message = quoi;
    while (fb_interpret(ligne, sizeof ligne, &curseur) > 0) message += std::string("\n") + ligne;
    throw std::runtime_error(message);
}

XSQLDA* descripteur(std::vector<char>& tampon, short n) {
    tampon.assign(XSQLDA_LENGTH(std::max<short>(n, 1)), 0);
    auto* d = reinterpret_cast<XSQLDA*>(tampon.data());
    d->version = SQLDA_VERSION1;
    d->sqln = std::max<short>(n, 1);
    return d;
}

struct Preparee {
    isc_stmt_handle poignee = 0;
    bool select = false;
    std::vector<std::string> noms;
    std::vector<char> entree, sortie, ligne;
};

void preparer(Preparee& p, isc_db_handle* base, isc_tr_handle* transaction, const std::string& sql) {
    ISC_STATUS_ARRAY statut;
    const SqlPositionnel positionnel = versPositionnel(sql);
    p.noms = positionnel.noms;
    isc_dsql_allocate_statement(statut, base, &p.poignee);
    verifier(statut, "allocation");
    XSQLDA* sortie = descripteur(p.sortie, 30);
    isc_dsql_prepare(statut, transaction, &p.poignee, 0, positionnel.texte.c_str(), SQL_DIALECT_V6, sortie);
    verifier(statut, sql.c_str());
    if (sortie->sqld > sortie->sqln) {
        sortie = descripteur(p.sortie, sortie->sqld);
        isc_dsql_describe(statut, &p.poignee, 1, sortie);
        verifier(statut, "description");
    }
    p.select = sortie->sqld > 0;
    std::size_t taille = 0;
    for (short i = 0; i < sortie->sqld; ++i) taille += static_cast<std::size_t>(sortie->sqlvar[i].sqllen) + 16;
    p.ligne.assign(taille, 0);
    std::size_t decalage = 0;
    for (short i = 0; i < sortie->sqld; ++i) {
        XSQLVAR& v = sortie->sqlvar[i];
        v.sqltype |= 1;
        v.sqldata = p.ligne.data() + decalage;
        v.sqlind = reinterpret_cast<short*>(p.ligne.data() + decalage + static_cast<std::size_t>(v.sqllen) + 2 + 6);
        decalage += static_cast<std::size_t>(v.sqllen) + 16;
    }
    XSQLDA* entree = descripteur(p.entree, static_cast<short>(p.noms.size()));
    isc_dsql_describe_bind(statut, &p.poignee, 1, entree);
    verifier(statut, "description");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage : plancher BASE ENREGISTREMENT\n");
        return 2;
    }
    try {
        LecteurEnregistrement enregistrement(argv[2]);
        std::vector<Preparee> instructions;
        ExecutionEnregistree execution;
        std::vector<const Parametres::Valeur*> valeurs;
        static const Parametres::Valeur nul;
        std::size_t nombreExecutions = 0;

        const auto debut = std::chrono::steady_clock::now();
        ISC_STATUS_ARRAY statut;
        isc_db_handle base = 0;
        const char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A',
                            isc_dpb_password, 9, 'p', 'i', 'n', 'e', 'c', 'r', 'e', 's', 't'};
        isc_attach_database(statut, 0, argv[1], &base, sizeof dpb, dpb);
        verifier(statut, "attachement");
        isc_tr_handle transaction = 0;
        const char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                            isc_tpb_nowait, isc_tpb_autocommit};
        isc_start_transaction(statut, &transaction, 1, &base, sizeof tpb, tpb);
        verifier(statut, "transaction");

        std::vector<ISC_INT64> entiers(64);
        while (enregistrement.lire(execution)) {
            ++nombreExecutions;
            const auto numero = static_cast<std::size_t>(execution.instruction);
            if (numero >= instructions.size()) instructions.resize(numero + 1);
            Preparee& p = instructions[numero];
            if (!p.poignee) preparer(p, &base, &transaction, enregistrement.textes()[numero]);
            // The values in parameter order, as the run binds them by name.
            valeurs.clear();
            for (const std::string& nom : p.noms) {
                const Parametres::Valeur* trouvee = &nul;
                for (const auto& v : execution.valeurs)
                    if (v.nom == nom) trouvee = &v;
                valeurs.push_back(trouvee);
            }
            auto* entree = reinterpret_cast<XSQLDA*>(p.entree.data());
            short nul = -1, present = 0;
            for (std::size_t i = 0; i < valeurs.size(); ++i) {
                XSQLVAR& v = entree->sqlvar[i];
                const Parametres::Valeur& valeur = *valeurs[i];
                v.sqlscale = 0;
                v.sqlsubtype = 0;
                v.sqlind = &present;
                switch (valeur.type) {
                    case Parametres::Type::Nul: v.sqlind = &nul; v.sqltype |= 1; v.sqldata = reinterpret_cast<char*>(&entiers[i]); break;
                    case Parametres::Type::Texte:
                        v.sqltype = SQL_TEXT | 1;
                        v.sqllen = static_cast<short>(valeur.texte.size());
                        v.sqldata = const_cast<char*>(valeur.texte.data());
                        break;
                    case Parametres::Type::Entier:
                        v.sqltype = SQL_LONG | 1;
                        v.sqllen = 4;
                        std::memcpy(&entiers[i], &valeur.entier, 4);
                        v.sqldata = reinterpret_cast<char*>(&entiers[i]);
                        break;
                    case Parametres::Type::Reel:
                        v.sqltype = SQL_DOUBLE | 1;
                        v.sqllen = 8;
                        std::memcpy(&entiers[i], &valeur.reel, 8);
                        v.sqldata = reinterpret_cast<char*>(&entiers[i]);
                        break;
                }
            }
            isc_dsql_execute(statut, &transaction, &p.poignee, 1, valeurs.empty() ? nullptr : entree);
            verifier(statut, "exécution");
            if (p.select) {
                auto* sortie = reinterpret_cast<XSQLDA*>(p.sortie.data());
                while (isc_dsql_fetch(statut, &p.poignee, 1, sortie) == 0) {
                }
                isc_dsql_free_statement(statut, &p.poignee, DSQL_close);
            }
        }
        isc_commit_transaction(statut, &transaction);
        isc_detach_database(statut, &base);
        const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        std::printf("%zu instructions en %.3f s\n", nombreExecutions, duree.count());
        return 0;
    } catch (const std::exception& erreur) {
        std::fprintf(stderr, "%s\n", erreur.what());
        return 1;
    }
}
