#include "BarreEtat.h"

namespace ui {

BarreEtat::BarreEtat(std::initializer_list<Panneau> panneaux, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (const Panneau& p : panneaux) {
        auto* etiquette = new QLabel(p.texte, this);
        etiquette->setFixedWidth(p.largeur);
        etiquette->setFrameShape(QFrame::Panel);
        etiquette->setFrameShadow(QFrame::Sunken);
        addWidget(etiquette);
        panneaux_.push_back(etiquette);
    }
}

void BarreEtat::setTexte(int panneau, const QString& texte) {
    QLabel* etiquette = panneaux_.at(panneau);
    etiquette->setText(texte);
    etiquette->repaint();
}

}  // namespace ui
