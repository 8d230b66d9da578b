#include "GestionnairePages.h"

namespace ui {

GestionnairePages::GestionnairePages(QStackedWidget& pages, QAbstractButton& suivant, QAbstractButton& precedent,
                                     Reponses reponses, const Dialogues& dialogues)
    : pages_(pages), suivant_(suivant), precedent_(precedent), reponses_(std::move(reponses)) {
    dialogues.relier(&suivant_, &QAbstractButton::clicked, this, &GestionnairePages::suivant);
    dialogues.relier(&precedent_, &QAbstractButton::clicked, this, &GestionnairePages::precedent);
    pages_.setCurrentIndex(0);
    dialogues.executer([this] { mettreAJourBoutons(); });
}

int GestionnairePages::pageSuivante() const {
    const int courante = pages_.currentIndex();
    int nouvelle = courante + 1 < pages_.count() ? courante + 1 : -1;
    if (reponses_.suivante) reponses_.suivante(courante, nouvelle);
    return nouvelle;
}

int GestionnairePages::pagePrecedente() const {
    const int courante = pages_.currentIndex();
    int nouvelle = courante - 1;
    if (reponses_.precedente) reponses_.precedente(courante, nouvelle);
    return nouvelle;
}

void GestionnairePages::suivant() { montrer(pageSuivante()); }

void GestionnairePages::precedent() { montrer(pagePrecedente()); }

void GestionnairePages::montrer(int page) {
    if (page < 0 || page >= pages_.count()) return;
    pages_.setCurrentIndex(page);
    if (reponses_.pageChangee) reponses_.pageChangee();
    mettreAJourBoutons();
}

void GestionnairePages::mettreAJourBoutons() {
    precedent_.setEnabled(pagePrecedente() >= 0);
    suivant_.setEnabled(pageSuivante() >= 0);
}

}  // namespace ui
