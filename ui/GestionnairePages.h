// Ties a next and a prior button to the pages of a stacked widget. The window is asked which page comes
// after or before the one shown: it gets the default answer (the neighbouring page, or -1 past either end)
// and may replace it; a negative answer means there is none, and that button is disabled.
#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QStackedWidget>
#include <functional>

#include "Dialogues.h"

namespace ui {

class GestionnairePages final : public QObject {
public:
    using ChoixPage = std::function<void(int courante, int& nouvelle)>;
    struct Reponses {
        ChoixPage suivante;
        ChoixPage precedente;
        std::function<void()> pageChangee;  // after every change of page
    };

    // Shows the first page and sets the two buttons from the answers for it.
    GestionnairePages(QStackedWidget& pages, QAbstractButton& suivant, QAbstractButton& precedent,
                      Reponses reponses, const Dialogues& dialogues);
    GestionnairePages(const GestionnairePages&) = delete;
    GestionnairePages& operator=(const GestionnairePages&) = delete;

    // What the two buttons do.
    void suivant();
    void precedent();

private:
    int pageSuivante() const;
    int pagePrecedente() const;
    void montrer(int page);
    void mettreAJourBoutons();

    QStackedWidget& pages_;
    QAbstractButton& suivant_;
    QAbstractButton& precedent_;
    Reponses reponses_;
};

}  // namespace ui
