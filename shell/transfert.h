// The main window, in which a company is chosen and opened: Activer connects the company's database, asks
// its access code and hands the company to the recalculation wizard. Closing it ends the program.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "Application.h"
#include "BoiteRecherche.h"
#include "Dialogues.h"

class Tdatam;
class TFacces;
class TForm1;

class TFtransfert final : public QWidget {
public:
    // EIP: the settings dialog's address box, the configured server address (empty: none).
    TFtransfert(const QLineEdit& EIP, ui::Application& application, const ui::Dialogues& dialogues,
                QWidget* parent = nullptr);
    TFtransfert(const TFtransfert&) = delete;
    TFtransfert& operator=(const TFtransfert&) = delete;

    // The data module and the other windows are created after this one; start-up hands them over before
    // the event loop runs. The wizard is any window whose close runs its close handler.
    void lier(Tdatam& datam, TFacces& Facces, TForm1& Form1, QWidget& FMajTarifs);

    QLabel* Label1;
    ui::BoiteRecherche* choixSociete = nullptr;  // once linked
    QLabel* Image1;
    QPushButton* bouton;

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void boutonClick();
    void FormClose();

    struct Liens {
        Tdatam& datam;
        TFacces& Facces;
        TForm1& Form1;
        QWidget& FMajTarifs;
    };

    const QLineEdit& EIP_;
    ui::Application& application_;
    const ui::Dialogues& dialogues_;
    std::optional<Liens> liens_;
};
