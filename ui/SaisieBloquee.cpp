#include "SaisieBloquee.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ui {

namespace {

bool estUneSaisie(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

}  // namespace

SaisieBloquee::SaisieBloquee() { QCoreApplication::instance()->installEventFilter(this); }

SaisieBloquee::~SaisieBloquee() {
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(this);
}

bool SaisieBloquee::eventFilter(QObject* cible, QEvent* evenement) {
    const auto* controle = qobject_cast<QWidget*>(cible);
    if (!controle || !estUneSaisie(evenement->type())) return false;
    const QWidget* boite = QApplication::activeModalWidget();
    if (boite && (controle == boite || boite->isAncestorOf(controle))) return false;
    evenement->ignore();  // a close event left accepted would still close
    return true;
}

}  // namespace ui
