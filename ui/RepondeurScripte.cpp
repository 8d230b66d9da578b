#include "RepondeurScripte.h"

#include <QAbstractButton>
#include <QPushButton>

namespace ui {

QMessageBox::StandardButton RepondeurScripte::operator()(QMessageBox& boite) {
    QStringList boutons;
    for (QAbstractButton* b : boite.buttons()) boutons << b->text();
    boites_.push_back({boite.windowTitle(), boite.text(), boite.icon(), boutons});
    if (reponses_.empty()) {
        QAbstractButton* parDefaut = boite.defaultButton();
        return boite.standardButton(parDefaut ? parDefaut : boite.buttons().front());
    }
    const QMessageBox::StandardButton bouton = reponses_.front();
    reponses_.pop_front();
    return bouton;
}

}  // namespace ui
