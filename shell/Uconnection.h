// The connection settings dialog: whether the databases are on this machine or on a server, and that
// server's address, filled from the settings file at creation and written to it on OK. Its address box is,
// for the whole run, the configured server address (empty: none).
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "Application.h"
#include "Dialogues.h"

class TFConnection final : public QDialog {
public:
    // dossier: the executable's folder, where the settings file lives.
    TFConnection(std::filesystem::path dossier, const ui::Dialogues& dialogues, ui::Application& application,
                 QWidget* parent = nullptr);
    TFConnection(const TFConnection&) = delete;
    TFConnection& operator=(const TFConnection&) = delete;

    QComboBox* SER;
    QLabel* LIP;
    QLineEdit* EIP;
    QLabel* LExemple;
    QComboBox* Conf;
    QPushButton* ValiderSociete;
    QPushButton* RzBitBtn2;

private:
    void FormCreate();
    void SERChange();
    void ValiderSocieteClick();
    void RzBitBtn2Click();

    std::filesystem::path dossier_;
    ui::Application& application_;
};
