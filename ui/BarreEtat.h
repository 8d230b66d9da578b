// A status bar of fixed-width panels whose new text is painted at once, so that progress shows while long
// work holds the event loop.
#pragma once

#include <QLabel>
#include <QStatusBar>
#include <initializer_list>
#include <vector>

namespace ui {

class BarreEtat final : public QStatusBar {
public:
    struct Panneau {
        QString texte;
        int largeur;
    };

    explicit BarreEtat(std::initializer_list<Panneau> panneaux, QWidget* parent = nullptr);
    BarreEtat(const BarreEtat&) = delete;
    BarreEtat& operator=(const BarreEtat&) = delete;

    QString texte(int panneau) const { return panneaux_.at(panneau)->text(); }
    void setTexte(int panneau, const QString& texte);

private:
    std::vector<QLabel*> panneaux_;
};

}  // namespace ui
