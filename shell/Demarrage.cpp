#include "Demarrage.h"

#include "MajTarifs.h"
#include "USTOCK.h"
#include "Uconnection.h"
#include "Veridoru.h"
#include "base.h"
#include "transfert.h"
#include "uacces.h"

int demarrer(ui::Application& application, const ui::Dialogues& dialogues, const std::filesystem::path& dossier) {
    // Created directly, before the main window, so that it never becomes the main window.
    TFConnection FConnection(dossier, dialogues, application);
    if (!trouverVeridoru(dossier)) FConnection.exec();

    TFtransfert Ftransfert(*FConnection.EIP, application, dialogues);
    Ftransfert.show();
    Tdatam datam(FConnection.EIP->text().toStdString(),
                 [&dialogues](const std::exception& erreur) { dialogues.montrerErreur(erreur); });
    TFacces Facces(dialogues);
    TForm1 Form1(datam.dbsource);
    TFMajTarifs FMajTarifs(datam, Form1, dialogues);

    // Each window reaches the others once all exist.
    Facces.lier(Form1.pass);
    Ftransfert.lier(datam, Facces, Form1, FMajTarifs);
    return application.boucle();
}
