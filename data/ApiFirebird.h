// Internal to the data layer: the client library's C entry points, loaded once at first use.
#pragma once

#include <ibase.h>

#include <string>

struct ApiFirebird {
    decltype(&isc_attach_database) attach;
    decltype(&isc_detach_database) detach;
    decltype(&isc_start_transaction) start;
    decltype(&isc_commit_transaction) commit;
    decltype(&isc_rollback_transaction) rollback;
    decltype(&isc_dsql_allocate_statement) allouer;
    decltype(&isc_dsql_prepare) preparer;
    decltype(&isc_dsql_describe_bind) decrireParametres;
    decltype(&isc_dsql_describe) decrireColonnes;
    decltype(&isc_dsql_execute2) executer2;
    decltype(&isc_dsql_execute) executer;
    decltype(&isc_dsql_execute_immediate) executerImmediat;
    decltype(&isc_dsql_fetch) lire;
    decltype(&isc_dsql_free_statement) liberer;
    decltype(&isc_dsql_sql_info) infoSql;
    decltype(&fb_interpret) interpreter;
    decltype(&isc_sqlcode) sqlcode;
};

// Throws ErreurBase naming the libraries tried when none loads.
const ApiFirebird& api();

// Throws ErreurBase with the interpreted status vector when it holds an error.
void verifier(const ISC_STATUS* statut);
