// A list-only drop-down over the rows of a query of the data layer. Its value is the key field of the chosen
// row; the box shows the first of its columns and the drop-down lists all of them, eight rows at a time.
// The rows are read again whenever the list drops down or the box takes the focus, so the box follows the
// query as it is opened, closed and reopened; choosing a row moves the query's current row onto it.
#pragma once

#include <QComboBox>
#include <QStandardItemModel>
#include <string>
#include <vector>

#include "Dialogues.h"

class Requete;

namespace ui {

class BoiteRecherche final : public QComboBox {
public:
    BoiteRecherche(Requete& requete, std::string cle, std::vector<std::string> colonnes,
                   const Dialogues& dialogues, QWidget* parent = nullptr);
    BoiteRecherche(const BoiteRecherche&) = delete;
    BoiteRecherche& operator=(const BoiteRecherche&) = delete;

    // The key of the chosen row; empty when none was chosen. It stays when the row leaves the list, which
    // then shows nothing.
    const QString& valeur() const { return valeur_; }
    // Chooses the row of that key and moves the query onto it.
    void setValeur(const QString& valeur);
    // Reads the query's rows again; its current row is kept.
    void recharger();

protected:
    void showPopup() override;
    void focusInEvent(QFocusEvent* evenement) override;

private:
    void choisirCourante();  // the user picked a row, by mouse or keyboard
    void montrerValeur();

    Requete& requete_;
    std::string cle_;
    std::vector<std::string> colonnes_;
    const Dialogues& dialogues_;
    QStandardItemModel* lignes_;
    QString valeur_;
};

}  // namespace ui
