// The application object, and the names the program takes from its executable.
#pragma once

#include <QApplication>
#include <QString>

namespace ui {

// The executable's file name up to its first dot, its first letter a capital and the others in lower case:
// the title of every message box.
QString titreApplication(const QString& cheminExecutable);
// The executable's file name without its extension: the key the user's settings are kept under.
QString nomProgramme(const QString& cheminExecutable);
// Puts the application's cursor back to the default arrow, whatever was put over it.
void curseurParDefaut();

// A request to end made before the event loop runs is kept, and that loop then stops at once.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void demanderFin();
    // Runs the event loop until the end is asked; returns at once when it already was.
    int boucle();

private:
    bool finDemandee_ = false;
    bool enBoucle_ = false;
};

}  // namespace ui
