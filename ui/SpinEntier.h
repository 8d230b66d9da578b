// A whole-number box with no bounds, at 1 and stepping by 1 at first. Typing takes only the characters of
// a number; leaving the box rewrites its text as a whole number, 0 for an empty text.
#pragma once

#include <QSpinBox>

namespace ui {

class SpinEntier final : public QSpinBox {
public:
    explicit SpinEntier(QWidget* parent = nullptr);
    SpinEntier(const SpinEntier&) = delete;
    SpinEntier& operator=(const SpinEntier&) = delete;

protected:
    void fixup(QString& texte) const override;
};

}  // namespace ui
