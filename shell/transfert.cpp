#include "transfert.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "Apparence.h"
#include "USTOCK.h"
#include "base.h"
#include "uacces.h"

namespace {

const QSize kTailleImage(257, 281);

}  // namespace

TFtransfert::TFtransfert(const QLineEdit& EIP, ui::Application& application, const ui::Dialogues& dialogues,
                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      EIP_(EIP),
      application_(application),
      dialogues_(dialogues) {
    setObjectName(QStringLiteral("Ftransfert"));
    setWindowTitle(QStringLiteral("Modifier pmup produit stock"));

    Label1 = new QLabel(QStringLiteral("Choix de la société :"), this);
    QFont gras = Label1->font();
    gras.setBold(true);
    Label1->setFont(gras);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/shell/etagere.png")));
    Image1->setScaledContents(true);
    Image1->setFixedSize(kTailleImage);

    bouton = ui::boutonRouge(QStringLiteral("Activer"), Image1);
    bouton->setObjectName(QStringLiteral("bouton"));
    bouton->setFixedSize(201, 34);
    auto* surImage = new QVBoxLayout(Image1);
    surImage->setContentsMargins(0, 0, 0, 24);
    surImage->addStretch();
    surImage->addWidget(bouton, 0, Qt::AlignHCenter);

    auto* cadre = new QVBoxLayout(this);
    cadre->setSizeConstraint(QLayout::SetFixedSize);
    cadre->setContentsMargins(8, 8, 8, 8);
    cadre->setSpacing(6);
    cadre->addWidget(Label1);
    cadre->addWidget(Image1);

    dialogues.relier(bouton, &QPushButton::clicked, this, &TFtransfert::boutonClick);
    move(281, 69);
}

void TFtransfert::lier(Tdatam& datam, TFacces& Facces, TForm1& Form1, QWidget& FMajTarifs) {
    liens_.emplace(Liens{datam, Facces, Form1, FMajTarifs});
    choixSociete = new ui::BoiteRecherche(datam.socsource, "SOCIETE", {"RAISONSOCIALE"}, dialogues_, this);
    choixSociete->setObjectName(QStringLiteral("choixSociete"));
    choixSociete->setFixedWidth(185);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, choixSociete, 0, Qt::AlignLeft);
}

void TFtransfert::closeEvent(QCloseEvent* evenement) {
    // Unlinked, nothing was opened through it.
    if (liens_) dialogues_.executer([this] { FormClose(); });
    // The wizard may still be shown: the program ends with this window all the same.
    application_.demanderFin();
    QWidget::closeEvent(evenement);
}

void TFtransfert::boutonClick() {
    Connexion& dbsource = liens_->datam.dbsource;
    Requete& socsource = liens_->datam.socsource;
    TForm1& Form1 = liens_->Form1;
    QWidget& FMajTarifs = liens_->FMajTarifs;

    if (!EIP_.text().isEmpty()) dbsource.setHostName(EIP_.text().toStdString());
    dbsource.disconnect();
    dbsource.setDatabase(socsource.texte("CHEMIN") + "\\CONTACT.DTK");
    dbsource.connect();
    Form1.Modele.open();
    Form1.produit.open();
    if (liens_->Facces.exec() != QDialog::Accepted) {
        ui::curseurParDefaut();
        // A wizard left open by an earlier Activer would now work on this company, whose code was not given.
        if (FMajTarifs.isVisible()) FMajTarifs.close();
        return;
    }
    FMajTarifs.setWindowTitle(QStringLiteral(" Sociétie en Cours  ") +
                              QString::fromStdString(socsource.texte("SOCIETE")));
    FMajTarifs.show();
    FMajTarifs.raise();
    FMajTarifs.activateWindow();
}

void TFtransfert::FormClose() {
    TForm1& Form1 = liens_->Form1;
    for (Requete* liste : {&Form1.Modele, &Form1.produit, &Form1.PROD, &Form1.famille, &liens_->datam.socsource})
        liste->close();
    liens_->datam.societe.disconnect();
    liens_->datam.dbsource.disconnect();
}
