#include "Uconnection.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "Apparence.h"
#include "PanneauDegrade.h"
#include "Veridoru.h"

namespace {

const QString kLocal = QStringLiteral("Local");
const QString kDistant = QStringLiteral("Distant");
const QString kConfigue1 = QStringLiteral("Configue1");
const QString kConfigue2 = QStringLiteral("Configue2");

}  // namespace

TFConnection::TFConnection(std::filesystem::path dossier, const ui::Dialogues& dialogues,
                           ui::Application& application, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dossier_(std::move(dossier)),
      application_(application) {
    setObjectName(QStringLiteral("FConnection"));
    setWindowTitle(QStringLiteral("Connection à la Base"));
    setFixedSize(640, 248);

    auto* panneau = new ui::PanneauDegrade(QColor(128, 128, 128), QColor(233, 233, 233), this);
    auto* cadre = new QVBoxLayout(this);
    cadre->setContentsMargins(0, 0, 0, 0);
    cadre->addWidget(panneau);

    auto* invite = new QLabel(QStringLiteral("Veuillez Confirmer ou Modifier l'adresse IP deu serveur"), panneau);
    invite->setAlignment(Qt::AlignCenter);
    invite->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); font-weight: bold; font-size: 17px;"));

    SER = new QComboBox(panneau);
    SER->addItems({kLocal, kDistant});
    LIP = new QLabel(QStringLiteral("Adresse IP Du Serveur :"), panneau);
    EIP = new QLineEdit(panneau);
    LExemple = new QLabel(QStringLiteral("Par Exemple      192.168.1.1"), panneau);
    Conf = new QComboBox(panneau);
    Conf->addItems({kConfigue1, kConfigue2});
    LIP->setEnabled(false);
    EIP->setEnabled(false);
    LExemple->setEnabled(false);

    ValiderSociete = ui::boutonRouge(QStringLiteral("OK"), panneau);
    ValiderSociete->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ValiderSociete->setDefault(true);
    RzBitBtn2 = ui::boutonRouge(QStringLiteral("&Annuler"), panneau);
    RzBitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    for (QPushButton* b : {ValiderSociete, RzBitBtn2}) b->setFixedSize(110, 32);

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(12);
    grille->setVerticalSpacing(10);
    grille->addWidget(new QLabel(QStringLiteral("Serveur :"), panneau), 0, 0, Qt::AlignRight);
    grille->addWidget(SER, 0, 1);
    grille->addWidget(LIP, 1, 0, Qt::AlignRight);
    grille->addWidget(EIP, 1, 1);
    grille->addWidget(LExemple, 1, 2);
    grille->addWidget(new QLabel(QStringLiteral("Config :"), panneau), 2, 0, Qt::AlignRight);
    grille->addWidget(Conf, 2, 1);
    grille->setColumnMinimumWidth(1, 170);
    grille->setColumnStretch(2, 1);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ValiderSociete);
    boutons->addWidget(RzBitBtn2);

    auto* contenu = new QVBoxLayout(panneau);
    contenu->setContentsMargins(24, 14, 24, 14);
    contenu->addWidget(invite);
    contenu->addSpacing(6);
    contenu->addLayout(grille);
    contenu->addStretch();
    contenu->addLayout(boutons);

    setTabOrder(SER, EIP);
    setTabOrder(EIP, RzBitBtn2);
    setTabOrder(RzBitBtn2, ValiderSociete);
    setTabOrder(ValiderSociete, Conf);

    // activated, not currentIndexChanged: only the user's choice runs the handler, not FormCreate setting
    // the boxes.
    dialogues.relier(SER, &QComboBox::activated, this, &TFConnection::SERChange);
    dialogues.relier(Conf, &QComboBox::activated, this, &TFConnection::SERChange);
    dialogues.relier(ValiderSociete, &QPushButton::clicked, this, &TFConnection::ValiderSocieteClick);
    dialogues.relier(RzBitBtn2, &QPushButton::clicked, this, &TFConnection::RzBitBtn2Click);

    move(screen()->availableGeometry().center() - rect().center());
    dialogues.executer([this] { FormCreate(); });
}

void TFConnection::FormCreate() {
    const std::optional<std::vector<std::string>> lignes = lireVeridoru(dossier_);
    if (!lignes) return;
    const auto ligne = [&](std::size_t i) {
        return i < lignes->size() ? QString::fromStdString((*lignes)[i]) : QString();
    };
    SER->setCurrentIndex(ligne(0) == QLatin1String("0") ? 0 : 1);
    SERChange();
    EIP->setText(ligne(1) == QLatin1String("0") ? QString() : ligne(1));
    Conf->setCurrentIndex(ligne(2) == QLatin1String("mabase1") ? 1 : 0);
}

void TFConnection::SERChange() {
    const bool distant = SER->currentIndex() != 0;
    LIP->setEnabled(distant);
    EIP->setEnabled(distant);
    LExemple->setEnabled(distant);
    if (!distant) EIP->clear();
}

void TFConnection::ValiderSocieteClick() {
    ecrireVeridoru(dossier_, {SER->currentText() == kDistant ? "1" : "0",
                              EIP->text().isEmpty() ? "0" : EIP->text().toStdString(),
                              Conf->currentText() == kConfigue2 ? "mabase1" : "mabase"});
    accept();
}

void TFConnection::RzBitBtn2Click() {
    application_.demanderFin();
    reject();
}
