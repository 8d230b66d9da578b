#include "Application.h"

#include <QFileInfo>

namespace ui {

QString titreApplication(const QString& cheminExecutable) {
    const QString nom = QFileInfo(cheminExecutable).baseName();
    return nom.left(1).toUpper() + nom.mid(1).toLower();
}

QString nomProgramme(const QString& cheminExecutable) { return QFileInfo(cheminExecutable).completeBaseName(); }

void curseurParDefaut() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

void Application::demanderFin() {
    finDemandee_ = true;
    // Outside the loop exit() would also cut short every modal box still to come before it; and exit(),
    // not quit(), for quit() would first send every window a close of its own.
    if (enBoucle_) exit(0);
}

int Application::boucle() {
    if (finDemandee_) {
        finDemandee_ = false;
        return 0;
    }
    enBoucle_ = true;
    const int code = exec();
    enBoucle_ = false;
    finDemandee_ = false;
    return code;
}

}  // namespace ui
