// Where a window was left, kept for the user in the settings of the user's configuration folder, in a file
// named after the executable, under a group named after the window's class.
#pragma once

#include <QString>
#include <QWidget>

namespace ui {

void ecrirePlacement(const QWidget& fenetre, const QString& groupe);
// Puts the window back as last written (position, size, state); false when nothing was written yet.
bool lirePlacement(QWidget& fenetre, const QString& groupe);

}  // namespace ui
