#include "uacces.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <stdexcept>

#include "Acces.h"
#include "Apparence.h"
#include "Requete.h"

TFacces::TFacces(const ui::Dialogues& dialogues, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Facces"));
    setWindowTitle(QStringLiteral("Mot de pass"));
    setFixedSize(265, 180);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(226, 226, 226));
    setPalette(fond);
    setAutoFillBackground(true);

    Label1 = new QLabel(QStringLiteral("Veuillez saisir le mot de passe :"), this);
    QFont gras = Label1->font();
    gras.setBold(true);
    Label1->setFont(gras);
    Password = ui::champMasque(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setFixedWidth(217);

    okbtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&Ok"), this);
    fermer = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("&Annuler"), this);
    // Neither is pressed by Enter: a dialog would otherwise make the first of them its default button.
    for (QPushButton* b : {okbtn, fermer}) {
        b->setAutoDefault(false);
        b->setFixedSize(100, 28);
    }

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(okbtn);
    boutons->addWidget(fermer);
    boutons->addStretch();
    auto* cadre = new QVBoxLayout(this);
    cadre->setContentsMargins(20, 12, 20, 12);
    cadre->addStretch(1);
    cadre->addWidget(Label1);
    cadre->addWidget(Password, 0, Qt::AlignHCenter);
    cadre->addStretch(1);
    cadre->addLayout(boutons);
    cadre->addStretch(1);

    dialogues.relier(okbtn, &QPushButton::clicked, this, &TFacces::OKBtnClick);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    move(screen()->availableGeometry().center() - rect().center());
}

void TFacces::showEvent(QShowEvent* evenement) {
    if (!evenement->spontaneous()) FormActivate();
    QDialog::showEvent(evenement);
}

void TFacces::keyPressEvent(QKeyEvent* evenement) {
    // Escape is no cancel here: only Annuler and the close box are.
    if (evenement->key() == Qt::Key_Escape) {
        evenement->ignore();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void TFacces::FormActivate() { Password->clear(); }

void TFacces::OKBtnClick() {
    if (!codeAccepte(*pass_, Password->text().toStdString())) {
        Password->setFocus();
        throw std::runtime_error(kMessageCodeRefuse);
    }
    accept();
    pass_->close();
}
