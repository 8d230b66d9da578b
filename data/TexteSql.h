// Reading SQL text the way the statement objects need it: named parameters and script statements.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A statement with each ":name" replaced by "?" and the names in the order they occur
// (upper case, one entry per occurrence).
struct SqlPositionnel {
    std::string texte;
    std::vector<std::string> noms;
};

// ":name" counts only outside string literals, quoted identifiers and comments.
SqlPositionnel versPositionnel(std::string_view sql);

// Splits at every ";" outside literals and comments; blank pieces are dropped.
std::vector<std::string> decouperScript(std::string_view script);
