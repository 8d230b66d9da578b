#include "SpinEntier.h"

#include <QLocale>
#include <limits>

namespace ui {

SpinEntier::SpinEntier(QWidget* parent) : QSpinBox(parent) {
    QLocale chiffres = QLocale::c();
    chiffres.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    setLocale(chiffres);
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    setSingleStep(1);
    setValue(1);
    // An unfinished text ("" or a lone sign) is completed by fixup() rather than dropped.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

void SpinEntier::fixup(QString& texte) const {
    const QString nombre = texte.trimmed();
    if (nombre.isEmpty() || nombre == QLatin1String("-") || nombre == QLatin1String("+"))
        texte = QStringLiteral("0");
    else
        QSpinBox::fixup(texte);
}

}  // namespace ui
