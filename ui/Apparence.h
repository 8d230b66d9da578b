// The looks the windows share that plain Qt widgets take from a few settings.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace ui {

// Dark red (187, 0, 0) with a white bold caption, lighter under the mouse, and a hand cursor.
QPushButton* boutonRouge(const QString& legende, QWidget* parent);
// One line of text that shows every typed character as "*", with no length limit.
QLineEdit* champMasque(QWidget* parent);

}  // namespace ui
