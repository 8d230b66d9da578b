// A panel shaded from one colour to another, top to bottom, behind the controls laid on it.
#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

class PanneauDegrade final : public QWidget {
public:
    PanneauDegrade(QColor debut, QColor fin, QWidget* parent = nullptr);
    PanneauDegrade(const PanneauDegrade&) = delete;
    PanneauDegrade& operator=(const PanneauDegrade&) = delete;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QColor debut_;
    QColor fin_;
};

}  // namespace ui
