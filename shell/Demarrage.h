// The program's run: its windows and data module created once each, in their fixed order, the event loop,
// and their destruction when it ends.
#pragma once

#include <filesystem>

#include "Application.h"
#include "Dialogues.h"

// dossier: the executable's folder, where the settings file lives. Returns the event loop's exit code.
int demarrer(ui::Application& application, const ui::Dialogues& dialogues, const std::filesystem::path& dossier);
