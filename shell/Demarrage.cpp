#include "Demarrage.h"

#include "USTOCK.h"
#include "Uconnection.h"
#include "Veridoru.h"
#include "base.h"
#include "placeholder_assistant.h"
#include "transfert.h"
#include "uacces.h"

int demarrer(ui::Application& application, const ui::Dialogues& dialogues, const std::filesystem::path& dossier) {
    // Created directly, before the main window, so that it never becomes the main window.
    TFConnection FConnection(dossier, dialogues, application);
    if (!trouverVeridoru(dossier)) FConnection.exec();

    TFtransfert Ftransfert;
    Ftransfert.show();
    Tdatam datam(FConnection.EIP->text().toStdString(),
                 [&dialogues](const std::exception& erreur) { dialogues.montrerErreur(erreur); });
    TFacces Facces;
    TForm1 Form1(datam.dbsource);
    TFMajTarifs FMajTarifs;

    return application.boucle();
}
