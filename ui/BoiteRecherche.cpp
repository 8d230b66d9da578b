#include "BoiteRecherche.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include "Requete.h"

namespace ui {

namespace {

constexpr int kLignesDeroulees = 8;
constexpr int kRoleCle = Qt::UserRole;

}  // namespace

BoiteRecherche::BoiteRecherche(Requete& requete, std::string cle, std::vector<std::string> colonnes,
                               const Dialogues& dialogues, QWidget* parent)
    : QComboBox(parent),
      requete_(requete),
      cle_(std::move(cle)),
      colonnes_(std::move(colonnes)),
      dialogues_(dialogues),
      lignes_(new QStandardItemModel(0, static_cast<int>(colonnes_.size()), this)) {
    setModel(lignes_);
    if (colonnes_.size() > 1) {
        auto* vue = new QTableView(this);
        vue->horizontalHeader()->hide();
        vue->verticalHeader()->hide();
        vue->setSelectionBehavior(QAbstractItemView::SelectRows);
        vue->setShowGrid(false);
        setView(vue);
    }
    setMaxVisibleItems(kLignesDeroulees);
    setCurrentIndex(-1);
    dialogues_.relier(this, &QComboBox::activated, this, &BoiteRecherche::choisirCourante);
}

void BoiteRecherche::setValeur(const QString& valeur) {
    valeur_ = valeur;
    recharger();
    if (requete_.active()) requete_.locate(cle_, valeur_.toStdString());
}

void BoiteRecherche::recharger() {
    lignes_->removeRows(0, lignes_->rowCount());
    if (requete_.active()) {
        const bool enFin = requete_.eof();
        const std::string courante = requete_.texte(cle_);
        for (requete_.first(); !requete_.eof(); requete_.next()) {
            QList<QStandardItem*> ligne;
            for (const std::string& colonne : colonnes_)
                ligne.append(new QStandardItem(QString::fromStdString(requete_.texte(colonne))));
            ligne.front()->setData(QString::fromStdString(requete_.texte(cle_)), kRoleCle);
            lignes_->appendRow(ligne);
        }
        if (!enFin) requete_.locate(cle_, courante);
    }
    montrerValeur();
}

void BoiteRecherche::montrerValeur() {
    setCurrentIndex(valeur_.isEmpty() ? -1 : findData(valeur_, kRoleCle));
}

void BoiteRecherche::showPopup() {
    dialogues_.executer([this] { recharger(); });
    if (auto* vue = qobject_cast<QTableView*>(view())) {
        vue->resizeColumnsToContents();
        int largeur = 0;
        for (int c = 0; c < lignes_->columnCount(); ++c) largeur += vue->columnWidth(c);
        vue->setMinimumWidth(largeur + vue->verticalScrollBar()->sizeHint().width() + 2 * vue->frameWidth());
    }
    QComboBox::showPopup();
}

void BoiteRecherche::focusInEvent(QFocusEvent* evenement) {
    dialogues_.executer([this] { recharger(); });
    QComboBox::focusInEvent(evenement);
}

void BoiteRecherche::choisirCourante() {
    valeur_ = currentData(kRoleCle).toString();
    requete_.locate(cle_, valeur_.toStdString());
}

}  // namespace ui
