#include "MajTarifs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "Placement.h"
#include "SaisieBloquee.h"
#include "USTOCK.h"

namespace {

enum Page { PageIntervalle = 0, PageFamilles = 1, PageProduits = 2, PagePeriode = 3, PageResume = 4 };

const QString kGroupePlacement = QStringLiteral("TFMajTarifs");
// What the product list holds once the wizard is closed, until the company window opens it again.
constexpr const char* kSqlProduitsGeres = "Select * from produit where gere='OUI' ";
const QColor kMarron(128, 0, 0);

template <class Controle>
Controle* nomme(Controle* controle, const char* nom) {
    controle->setObjectName(QString::fromLatin1(nom));
    return controle;
}

void peindreEnMarron(QWidget* controle, QPalette::ColorRole role) {
    QPalette palette = controle->palette();
    palette.setColor(role, kMarron);
    controle->setPalette(palette);
}

// A page's heading, bold and maroon, over the page's own layout.
QVBoxLayout* nouvellePage(QWidget* page, const QString& titre) {
    auto* entete = new QLabel(titre, page);
    QFont gras = entete->font();
    gras.setBold(true);
    entete->setFont(gras);
    entete->setWordWrap(true);
    peindreEnMarron(entete, QPalette::WindowText);
    auto* disposition = new QVBoxLayout(page);
    disposition->setContentsMargins(10, 14, 10, 10);
    disposition->setSpacing(14);
    disposition->addWidget(entete);
    return disposition;
}

// Two boxes under their labels, for a range's first and last rows.
void ajouterIntervalle(QVBoxLayout* page, const QString& debut, QWidget* boiteDebut, const QString& fin,
                       QWidget* boiteFin) {
    auto* grille = new QFormLayout;
    grille->setLabelAlignment(Qt::AlignRight);
    grille->setHorizontalSpacing(10);
    grille->setVerticalSpacing(12);
    for (QWidget* boite : {boiteDebut, boiteFin}) boite->setFixedWidth(260);
    grille->addRow(debut, boiteDebut);
    grille->addRow(fin, boiteFin);
    page->addLayout(grille);
    page->addStretch();
}

QPushButton* bouton(const QString& legende, const char* nom, QWidget* parent) {
    auto* b = nomme(new QPushButton(legende, parent), nom);
    b->setFixedSize(80, 24);
    return b;
}

}  // namespace

TFMajTarifs::TFMajTarifs(Tdatam& datam, TForm1& form1, const ui::Dialogues& dialogues, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      form1_(form1),
      dialogues_(dialogues),
      lot_(datam, form1) {
    setObjectName(QStringLiteral("FMajTarifs"));
    setFixedSize(465, 372);
    // Small type, so that every heading line holds on the page's width.
    QFont police = font();
    police.setPointSize(8);
    setFont(police);
    // Closing only hides it: the program ends with the company window.
    setAttribute(Qt::WA_QuitOnClose, false);

    Notebook = nomme(new QStackedWidget(this), "Notebook");
    Notebook->setFixedSize(465, 289);
    Intervalle = nomme(new QWidget, "Intervalle");
    Familles = nomme(new QWidget, "Familles");
    Produits = nomme(new QWidget, "Produits");
    Periode = nomme(new QWidget, "Periode");
    Resume = nomme(new QWidget, "Resume");
    for (QWidget* page : {Intervalle, Familles, Produits, Periode, Resume}) Notebook->addWidget(page);

    QVBoxLayout* page = nouvellePage(
        Intervalle, QStringLiteral("Choisissez l'Intervalle de Produits à Inclure dans la Mise à Jour de\n"
                                   " la quantité et du PMUP :"));
    mag = nomme(new ui::BoiteRecherche(form1.Modele, "CODEMAGASIN", {"MAGASIN"}, dialogues, Intervalle), "mag");
    mag->setFixedWidth(260);
    page->addWidget(mag);
    RIntervalle = nomme(new QGroupBox(QStringLiteral("&Intervalle de Produits : "), Intervalle), "RIntervalle");
    itemsIntervalle_ = new QButtonGroup(RIntervalle);
    auto* items = new QVBoxLayout(RIntervalle);
    for (const QString& item : {QStringLiteral("TOUS"), QStringLiteral("Quelques Familles"),
                                QStringLiteral("Quelques Produits"), QStringLiteral("Les produits d'un Bon d'entrée")}) {
        auto* radio = new QRadioButton(item, RIntervalle);
        itemsIntervalle_->addButton(radio, itemsIntervalle_->buttons().size());
        items->addWidget(radio);
    }
    itemsIntervalle_->button(PorteeTous)->setChecked(true);
    page->addWidget(RIntervalle);
    page->addStretch();

    page = nouvellePage(Familles, QStringLiteral("Veuillez choisir l'intervalle des Familles à Inclure pour la mise "
                                                 "à Jour :"));
    FamDeb = nomme(new ui::BoiteRecherche(form1.famille, "C_FAMIL", {"D_FAMIL", "C_FAMIL"}, dialogues, Familles),
                   "FamDeb");
    FamFin = nomme(new ui::BoiteRecherche(form1.famille, "C_FAMIL", {"D_FAMIL", "C_FAMIL"}, dialogues, Familles),
                   "FamFin");
    ajouterIntervalle(page, QStringLiteral("De la Famille :"), FamDeb, QStringLiteral("A la Famille :"), FamFin);

    page = nouvellePage(Produits, QStringLiteral("Veuillez choisir l'intervalle des Produits à Inclure pour la mise "
                                                 "à Jour :"));
    PrDeb = nomme(new ui::BoiteRecherche(form1.produit, "C_PRODUIT", {"C_PRODUIT", "D1_PROD"}, dialogues, Produits),
                  "PrDeb");
    PrFin = nomme(new ui::BoiteRecherche(form1.produit, "C_PRODUIT", {"C_PRODUIT", "D1_PROD"}, dialogues, Produits),
                  "PrFin");
    ajouterIntervalle(page, QStringLiteral("Du Produit :"), PrDeb, QStringLiteral("Au Produit :"), PrFin);

    page = nouvellePage(Periode, QStringLiteral("Veuillez définir le N° du Bon d'entré \n"
                                                "Tout les produits qui sont dans ce bon seront touchés par le "
                                                "recalcul :"));
    ben = nomme(new ui::SpinEntier(Periode), "ben");
    ben->setFixedWidth(120);
    auto* libelleBon = new QLabel(QStringLiteral("&N° Bon d'entré:"), Periode);
    libelleBon->setBuddy(ben);
    auto* ligneBon = new QHBoxLayout;
    ligneBon->addWidget(libelleBon);
    ligneBon->addWidget(ben);
    ligneBon->addStretch();
    page->addLayout(ligneBon);
    page->addStretch();

    page = nouvellePage(Resume, QStringLiteral("Résumé de l'Opération de Mise à Jour des tarifs :"));
    MResume = nomme(new QPlainTextEdit(QStringLiteral("MResume"), Resume), "MResume");
    MResume->setReadOnly(true);
    peindreEnMarron(MResume, QPalette::Text);
    page->addWidget(MResume);

    BPrec = bouton(QStringLiteral("< &Précedent"), "BPrec", this);
    BSuiv = bouton(QStringLiteral("&Suivant >"), "BSuiv", this);
    BApp = bouton(QStringLiteral("Appliquer"), "BApp", this);
    BApp->setEnabled(false);
    BAnn = bouton(QStringLiteral("&Annuler"), "BAnn", this);
    auto* boutons = new QHBoxLayout;
    boutons->setContentsMargins(10, 0, 10, 0);
    boutons->setSpacing(6);
    boutons->addWidget(BPrec);
    boutons->addWidget(BSuiv);
    boutons->addStretch();
    boutons->addWidget(BApp);
    boutons->addWidget(BAnn);

    StatusBar2 = nomme(new ui::BarreEtat({{QStringLiteral("Message"), 300}, {QStringLiteral("Compteur"), 50}}, this),
                       "StatusBar2");

    auto* fenetre = new QVBoxLayout(this);
    fenetre->setContentsMargins(0, 0, 0, 0);
    fenetre->setSpacing(0);
    fenetre->addWidget(Notebook);
    fenetre->addStretch();
    fenetre->addLayout(boutons);
    fenetre->addStretch();
    fenetre->addWidget(StatusBar2);

    dialogues.relier(itemsIntervalle_, &QButtonGroup::idClicked, this, &TFMajTarifs::RIntervalleClick);
    dialogues.relier(BApp, &QPushButton::clicked, this, &TFMajTarifs::BAppClick);
    dialogues.relier(BAnn, &QPushButton::clicked, this, &TFMajTarifs::BAnnClick);
    pageManager_ = std::make_unique<ui::GestionnairePages>(
        *Notebook, *BSuiv, *BPrec,
        ui::GestionnairePages::Reponses{
            [this](int courante, int& nouvelle) { PageManagerGetNextPage(courante, nouvelle); },
            [this](int courante, int& nouvelle) { PageManagerGetPriorPage(courante, nouvelle); },
            [this] { NotebookPageChanged(); }},
        dialogues);
    // The page manager's first look at the buttons is no visit of the first page.
    LigneMagasin.clear();
    LignePortee.clear();
}

TFMajTarifs::~TFMajTarifs() { ui::ecrirePlacement(*this, kGroupePlacement); }

void TFMajTarifs::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ui::lirePlacement(*this, kGroupePlacement);
        if (!dejaMontre_) move(screen()->availableGeometry().center() - rect().center());
        dejaMontre_ = true;
    }
    QWidget::setVisible(visible);
}

void TFMajTarifs::showEvent(QShowEvent* evenement) {
    if (!evenement->spontaneous()) dialogues_.executer([this] { FormShow(); });
    QWidget::showEvent(evenement);
}

void TFMajTarifs::closeEvent(QCloseEvent* evenement) {
    bool CanClose = false;
    dialogues_.executer([&] {
        bool accord = true;
        FormCloseQuery(accord);
        CanClose = accord;
    });
    evenement->setAccepted(CanClose);
    if (CanClose) ui::ecrirePlacement(*this, kGroupePlacement);
}

bool TFMajTarifs::event(QEvent* evenement) {
    if (evenement->type() == QEvent::WindowActivate) dialogues_.executer([this] { FormActivate(); });
    return QWidget::event(evenement);
}

void TFMajTarifs::RIntervalleClick() { Portee = static_cast<PorteeRecalcul>(itemsIntervalle_->checkedId()); }

void TFMajTarifs::PageManagerGetNextPage(int CurrentPage, int& NewPage) {
    switch (CurrentPage) {
        case PageIntervalle: {
            constexpr int suivantes[] = {PageResume, PageFamilles, PageProduits, PagePeriode};
            NewPage = suivantes[Portee];
            break;
        }
        case PageFamilles:
        case PageProduits:
        case PagePeriode:
            NewPage = PageResume;
            break;
        default:
            break;
    }
    PreparerResume(CurrentPage);
}

void TFMajTarifs::PageManagerGetPriorPage(int CurrentPage, int& NewPage) {
    switch (CurrentPage) {
        case PageFamilles:
        case PageProduits:
        case PagePeriode:
            NewPage = PageIntervalle;
            break;
        case PageResume: {
            // The voucher's page is skipped on the way back.
            constexpr int precedentes[] = {PageIntervalle, PageFamilles, PageProduits, PageIntervalle};
            NewPage = precedentes[Portee];
            break;
        }
        default:
            break;
    }
}

void TFMajTarifs::PreparerResume(int page) {
    switch (page) {
        case PageIntervalle: {
            static const QString portees[] = {QStringLiteral("Produits concernés par la mise à jour : TOUS"),
                                              QStringLiteral("Intervalle de Familles :"),
                                              QStringLiteral("Intervalle de Produits :"),
                                              QStringLiteral("Tout les produits du :")};
            LigneMagasin = QStringLiteral("Magasin ") + mag->currentText();
            LignePortee = portees[Portee];
            break;
        }
        case PageFamilles:
            LigneIntervalle = QStringLiteral("De la Famille :") + FamDeb->currentText() +
                              QStringLiteral(" A la Famille :") + FamFin->currentText();
            break;
        case PageProduits:
            LigneIntervalle = QStringLiteral("Du Produit :") + PrDeb->currentText() + QStringLiteral(" Au Produit :") +
                              PrFin->currentText();
            break;
        case PagePeriode:
            LigneIntervalle = QStringLiteral("Be N° :") + ben->text();
            break;
        default:
            break;
    }
}

void TFMajTarifs::NotebookPageChanged() {
    const bool resume = Notebook->currentIndex() == PageResume;
    BApp->setEnabled(resume);
    if (!resume) return;
    MResume->clear();
    for (const QString& ligne : {LigneMagasin, LignePortee, LigneIntervalle}) MResume->appendPlainText(ligne);
}

void TFMajTarifs::FormShow() {
    form1_.produit.close();
    form1_.produit.open();
    if (!form1_.famille.active()) form1_.famille.open();
    for (ui::BoiteRecherche* boite : {FamDeb, FamFin, PrDeb, PrFin}) boite->recharger();
}

void TFMajTarifs::FormActivate() { mag->setValeur(QString::fromStdString(form1_.Modele.texte("CODEMAGASIN"))); }

void TFMajTarifs::FormCloseQuery(bool& CanClose) {
    form1_.produit.close();
    form1_.produit.setTri("C_PRODUIT");
    form1_.produit.setSql(kSqlProduitsGeres);
    CanClose = true;
}

void TFMajTarifs::BAnnClick() { close(); }

void TFMajTarifs::BAppClick() {
    const ui::SaisieBloquee saisieBloquee;
    lot_.appliquer(choix_);
}

std::string TFMajTarifs::Choix::codeMagasin() const { return f_.mag->valeur().toStdString(); }
std::string TFMajTarifs::Choix::nomMagasin() const { return f_.mag->currentText().toStdString(); }
std::string TFMajTarifs::Choix::familleDebut() const { return f_.FamDeb->valeur().toStdString(); }
std::string TFMajTarifs::Choix::familleFin() const { return f_.FamFin->valeur().toStdString(); }
std::string TFMajTarifs::Choix::produitDebut() const { return f_.PrDeb->currentText().toStdString(); }
std::string TFMajTarifs::Choix::produitFin() const { return f_.PrFin->currentText().toStdString(); }
std::string TFMajTarifs::Choix::numeroBon() const { return f_.ben->text().toStdString(); }

void TFMajTarifs::Choix::panneau(int indice, const std::string& texte) {
    f_.StatusBar2->setTexte(indice, QString::fromStdString(texte));
}

bool TFMajTarifs::Choix::confirmer(const std::string& question) {
    return f_.dialogues_.confirmer(QString::fromStdString(question));
}

void TFMajTarifs::Choix::informer(const std::string& message) { f_.dialogues_.informer(QString::fromStdString(message)); }
