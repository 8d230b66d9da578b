#include "Apparence.h"

#include <limits>

namespace ui {

QPushButton* boutonRouge(const QString& legende, QWidget* parent) {
    auto* bouton = new QPushButton(legende, parent);
    bouton->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(187, 0, 0); color: white; font-weight: bold;"
        " border: 1px solid rgb(110, 0, 0); border-radius: 3px; padding: 3px 10px; }"
        "QPushButton:hover { background-color: rgb(214, 40, 40); }"
        "QPushButton:pressed { background-color: rgb(140, 0, 0); }"
        "QPushButton:default { border: 2px solid rgb(70, 0, 0); }"));
    bouton->setCursor(Qt::PointingHandCursor);
    return bouton;
}

QLineEdit* champMasque(QWidget* parent) {
    auto* champ = new QLineEdit(parent);
    champ->setEchoMode(QLineEdit::Password);
    champ->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    champ->setMaxLength(std::numeric_limits<int>::max());
    return champ;
}

}  // namespace ui
