// The access code dialog asked before a company is opened. For now only its caption.
#pragma once

#include <QDialog>

class TFacces final : public QDialog {
public:
    explicit TFacces(QWidget* parent = nullptr);
    TFacces(const TFacces&) = delete;
    TFacces& operator=(const TFacces&) = delete;
};
