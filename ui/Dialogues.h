// The program's modal message boxes and the top-level error handler every event handler runs under.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <exception>
#include <functional>

namespace ui {

class Dialogues final {
public:
    // Takes each box about to be shown, in place of a person, and returns the button pressed (tests:
    // see RepondeurScripte).
    using Repondeur = std::function<QMessageBox::StandardButton(QMessageBox&)>;

    // titre: the application's title, on the error and information boxes.
    explicit Dialogues(QString titre, Repondeur repondeur = {});
    Dialogues(const Dialogues&) = delete;
    Dialogues& operator=(const Dialogues&) = delete;

    const QString& titre() const { return titre_; }

    // "Confirmation" with "&Oui" and "&Non"; true for Oui.
    bool confirmer(const QString& question) const;
    // One OK button.
    void informer(const QString& message) const;
    // The error box: error icon, one OK button, "." added when the last character sorts after ".".
    // A silent abort (Abandon) shows nothing.
    void montrerErreur(const std::exception& erreur) const;

    // Runs an event handler; an error it raises is shown here and goes no further.
    void executer(const std::function<void()>& gestionnaire) const noexcept;

    // Connects a signal to a handler of the receiver, run under executer(); these dialogues must outlive
    // the connection.
    template <class Emetteur, class Signal, class Recepteur>
    void relier(Emetteur* emetteur, Signal signal, Recepteur* recepteur, void (Recepteur::*gestionnaire)()) const {
        QObject::connect(emetteur, signal, recepteur,
                         [this, recepteur, gestionnaire] { executer([&] { (recepteur->*gestionnaire)(); }); });
    }

private:
    QMessageBox::StandardButton montrer(QMessageBox& boite) const;

    QString titre_;
    Repondeur repondeur_;
};

// The message as the error box shows it, with its final "." when one is due.
QString texteErreur(const QString& message);

}  // namespace ui
