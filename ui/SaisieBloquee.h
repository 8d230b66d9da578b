// Holds every window's input while a long task runs in the user-interface thread.
#pragma once

#include <QObject>

namespace ui {

// While it lives, every window takes no input but the modal box in front, and no window closes; the input
// queued meanwhile is dropped when it goes, so that nothing the user did during a run is played after it.
class SaisieBloquee final : public QObject {
public:
    SaisieBloquee();
    ~SaisieBloquee() override;
    SaisieBloquee(const SaisieBloquee&) = delete;
    SaisieBloquee& operator=(const SaisieBloquee&) = delete;

    bool eventFilter(QObject* cible, QEvent* evenement) override;
};

}  // namespace ui
