#include "uacces.h"

TFacces::TFacces(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Facces"));
    setWindowTitle(QStringLiteral("Mot de pass"));
}
