// Stands for the recalculation wizard until it lands in batch/MajTarifs.h.
#pragma once

#include <QWidget>

class TFMajTarifs final : public QWidget {
public:
    explicit TFMajTarifs(QWidget* parent = nullptr) : QWidget(parent) { setObjectName(QStringLiteral("FMajTarifs")); }
    TFMajTarifs(const TFMajTarifs&) = delete;
    TFMajTarifs& operator=(const TFMajTarifs&) = delete;
};
