// A record of the statements a run executes, with their values, for replaying them elsewhere
// (the benchmarks compare a run with the same statements executed back to back).
#pragma once

#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "Parametres.h"

class Instruction;

// Writes one line per execution; the statements' texts are written once each.
class EnregistreurFichier {
public:
    explicit EnregistreurFichier(const std::string& chemin);
    void operator()(const Instruction& instruction);

private:
    std::ofstream fichier_;
    std::map<std::string, int> numeros_;
};

struct ExecutionEnregistree {
    int instruction;                            // index in the texts
    std::vector<Parametres::Valeur> valeurs;    // named, texts in Windows-1252
};

// Reads a record back one execution at a time, so that replaying it holds one execution in memory.
class LecteurEnregistrement {
public:
    explicit LecteurEnregistrement(const std::string& chemin);
    // The next execution; false at the end of the record.
    bool lire(ExecutionEnregistree& execution);
    // The statements' texts met so far, by index.
    const std::vector<std::string>& textes() const { return textes_; }

private:
    std::ifstream fichier_;
    std::vector<std::string> textes_;
};
