// The main window, in which a company is chosen and opened. For now only its caption and place.
#pragma once

#include <QWidget>

class TFtransfert final : public QWidget {
public:
    explicit TFtransfert(QWidget* parent = nullptr);
    TFtransfert(const TFtransfert&) = delete;
    TFtransfert& operator=(const TFtransfert&) = delete;
};
