#include "Dialogues.h"

#include <QAbstractButton>

#include "Abandon.h"

namespace ui {

QString texteErreur(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

Dialogues::Dialogues(QString titre, Repondeur repondeur)
    : titre_(std::move(titre)), repondeur_(std::move(repondeur)) {}

QMessageBox::StandardButton Dialogues::montrer(QMessageBox& boite) const {
    if (repondeur_) return repondeur_(boite);
    return static_cast<QMessageBox::StandardButton>(boite.exec());
}

bool Dialogues::confirmer(const QString& question) const {
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"), question,
                      QMessageBox::Yes | QMessageBox::No);
    boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    boite.setDefaultButton(QMessageBox::Yes);
    return montrer(boite) == QMessageBox::Yes;
}

void Dialogues::informer(const QString& message) const {
    QMessageBox boite(QMessageBox::NoIcon, titre_, message, QMessageBox::Ok);
    montrer(boite);
}

void Dialogues::montrerErreur(const std::exception& erreur) const {
    if (dynamic_cast<const Abandon*>(&erreur)) return;
    QMessageBox boite(QMessageBox::Critical, titre_, texteErreur(QString::fromUtf8(erreur.what())),
                      QMessageBox::Ok);
    montrer(boite);
}

void Dialogues::executer(const std::function<void()>& gestionnaire) const noexcept {
    try {
        gestionnaire();
    } catch (const std::exception& erreur) {
        montrerErreur(erreur);
    }
}

}  // namespace ui
