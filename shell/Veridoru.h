// The connection settings file beside the executable: three lines of one byte per character (Windows-1252),
// CR LF between them and none after the last. File names here tell case apart while the file is written as
// "veridoru.txt" and read as "Veridoru.txt", so it is looked for whatever the case of its name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The file of that name in the folder, whatever its case; when several are, the first in byte order.
std::optional<std::filesystem::path> trouverVeridoru(const std::filesystem::path& dossier);

// Its lines in UTF-8, ended by CR LF, a lone CR or a lone LF; nothing when there is no such file.
// Throws, naming the path and the system's reason, when it cannot be read.
std::optional<std::vector<std::string>> lireVeridoru(const std::filesystem::path& dossier);

// Writes the lines over the file found, or as "veridoru.txt". Throws, naming the path and the system's
// reason, when it cannot be written.
void ecrireVeridoru(const std::filesystem::path& dossier, const std::vector<std::string>& lignes);

// The configured server address the file gives: its second line, "0" or a missing line meaning none.
std::string adresseServeurConfiguree(const std::optional<std::vector<std::string>>& lignes);
