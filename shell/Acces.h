// The company's access code rule, shared by the access dialog and the command line.
#pragma once

#include <string>

class Requete;

// The error shown when the code is refused: two lines separated by a lone CR.
inline constexpr const char* kMessageCodeRefuse =
    "ERREUR: Code Accès Incorrect, Accès pour Utilisateur :\r Refusé ...!";

// Opens pass when closed (an open one is not read again) and compares the typed code exactly with the
// stored one; a NULL or empty stored code, or no row, lets any code through.
bool codeAccepte(Requete& pass, const std::string& saisi);
