// The recalculation wizard: the store, the scope and its range chosen over five pages, a summary, and
// Appliquer running the batch with its progress in the status bar. Created once, hidden when closed.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QString>
#include <memory>
#include <string>

#include "BarreEtat.h"
#include "BoiteRecherche.h"
#include "Dialogues.h"
#include "GestionnairePages.h"
#include "Lot.h"
#include "SpinEntier.h"

class TForm1;
class Tdatam;

class TFMajTarifs final : public QWidget {
public:
    // The lists the boxes show are those of form1, on the company connection of datam.
    TFMajTarifs(Tdatam& datam, TForm1& form1, const ui::Dialogues& dialogues, QWidget* parent = nullptr);
    ~TFMajTarifs() override;
    TFMajTarifs(const TFMajTarifs&) = delete;
    TFMajTarifs& operator=(const TFMajTarifs&) = delete;

    // Puts the window back where it was last left before it shows; centred the first time.
    void setVisible(bool visible) override;

    QStackedWidget* Notebook;
    QWidget* Intervalle;
    QWidget* Familles;
    QWidget* Produits;
    QWidget* Periode;
    QWidget* Resume;
    ui::BoiteRecherche* mag;
    QGroupBox* RIntervalle;
    ui::BoiteRecherche* FamDeb;
    ui::BoiteRecherche* FamFin;
    ui::BoiteRecherche* PrDeb;
    ui::BoiteRecherche* PrFin;
    ui::SpinEntier* ben;
    QPlainTextEdit* MResume;
    QPushButton* BPrec;
    QPushButton* BSuiv;
    QPushButton* BApp;
    QPushButton* BAnn;
    ui::BarreEtat* StatusBar2;

    PorteeRecalcul Portee = PorteeTous;
    QString LigneMagasin;
    QString LignePortee;
    QString LigneIntervalle;

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    bool event(QEvent* evenement) override;

private:
    // What the batch reads from the window and shows in it.
    class Choix final : public FenetreLot {
    public:
        explicit Choix(TFMajTarifs& fenetre) : f_(fenetre) {}
        PorteeRecalcul Portee() const override { return f_.Portee; }
        std::string codeMagasin() const override;
        std::string nomMagasin() const override;
        std::string familleDebut() const override;
        std::string familleFin() const override;
        std::string produitDebut() const override;
        std::string produitFin() const override;
        std::string numeroBon() const override;
        void panneau(int indice, const std::string& texte) override;
        bool confirmer(const std::string& question) override;
        void informer(const std::string& message) override;

    private:
        TFMajTarifs& f_;
    };

    void RIntervalleClick();
    void PageManagerGetNextPage(int CurrentPage, int& NewPage);
    void PageManagerGetPriorPage(int CurrentPage, int& NewPage);
    void PreparerResume(int page);
    void NotebookPageChanged();
    void FormShow();
    void FormActivate();
    void FormCloseQuery(bool& CanClose);
    void BAnnClick();
    void BAppClick();

    TForm1& form1_;
    const ui::Dialogues& dialogues_;
    QButtonGroup* itemsIntervalle_;
    std::unique_ptr<ui::GestionnairePages> pageManager_;
    RecalculLot lot_;
    Choix choix_{*this};
    bool dejaMontre_ = false;
};
