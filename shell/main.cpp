// Pmupstock: recomputes the weighted average unit costs of the products of one store of one company.
#include <QCoreApplication>

#include "Application.h"
#include "Demarrage.h"
#include "Dialogues.h"

int main(int argc, char** argv) {
    ui::Application application(argc, argv);
    const ui::Dialogues dialogues(ui::titreApplication(QCoreApplication::applicationFilePath()));
    return demarrer(application, dialogues, QCoreApplication::applicationDirPath().toStdString());
}
