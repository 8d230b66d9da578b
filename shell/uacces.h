// The access code dialog asked before a company is opened: it ends with OK only when the typed code matches
// the company's stored one, or when the company has none.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Dialogues.h"

class Requete;

class TFacces final : public QDialog {
public:
    explicit TFacces(const ui::Dialogues& dialogues, QWidget* parent = nullptr);
    TFacces(const TFacces&) = delete;
    TFacces& operator=(const TFacces&) = delete;

    // The statement holder that owns the stored-code query is created after this dialog.
    void lier(Requete& pass) { pass_ = &pass; }

    QLabel* Label1;
    QLineEdit* Password;
    QPushButton* okbtn;
    QPushButton* fermer;

protected:
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void FormActivate();
    void OKBtnClick();

    Requete* pass_ = nullptr;
};
