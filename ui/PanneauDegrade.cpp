#include "PanneauDegrade.h"

#include <QLinearGradient>
#include <QPainter>

namespace ui {

PanneauDegrade::PanneauDegrade(QColor debut, QColor fin, QWidget* parent)
    : QWidget(parent), debut_(debut), fin_(fin) {}

void PanneauDegrade::paintEvent(QPaintEvent*) {
    QLinearGradient degrade(0, 0, 0, height());
    degrade.setColorAt(0, debut_);
    degrade.setColorAt(1, fin_);
    QPainter(this).fillRect(rect(), degrade);
}

}  // namespace ui
