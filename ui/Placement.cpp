#include "Placement.h"

#include <QCoreApplication>
#include <QSettings>

#include "Application.h"

namespace ui {

namespace {

const QString kCle = QStringLiteral("placement");

QSettings reglagesUtilisateur() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     nomProgramme(QCoreApplication::applicationFilePath()));
}

}  // namespace

void ecrirePlacement(const QWidget& fenetre, const QString& groupe) {
    QSettings reglages = reglagesUtilisateur();
    reglages.beginGroup(groupe);
    reglages.setValue(kCle, fenetre.saveGeometry());
}

bool lirePlacement(QWidget& fenetre, const QString& groupe) {
    QSettings reglages = reglagesUtilisateur();
    reglages.beginGroup(groupe);
    return fenetre.restoreGeometry(reglages.value(kCle).toByteArray());
}

}  // namespace ui
