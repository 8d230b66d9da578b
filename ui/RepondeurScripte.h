// Answers the program's message boxes in place of a person, for tests: keeps each box as the user would
// have seen it and presses the button scripted for it, or the box's default button when none is left.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace ui {

class RepondeurScripte final {
public:
    struct Boite {
        QString titre;
        QString texte;
        QMessageBox::Icon icone;
        QStringList boutons;
    };

    RepondeurScripte() = default;
    RepondeurScripte(const RepondeurScripte&) = delete;
    RepondeurScripte& operator=(const RepondeurScripte&) = delete;

    // The button to press on the next box not yet answered.
    void repondre(QMessageBox::StandardButton bouton) { reponses_.push_back(bouton); }
    const std::vector<Boite>& boites() const { return boites_; }

    // Takes the box in place of the user (given to Dialogues through std::ref).
    QMessageBox::StandardButton operator()(QMessageBox& boite);

private:
    std::deque<QMessageBox::StandardButton> reponses_;
    std::vector<Boite> boites_;
};

}  // namespace ui
