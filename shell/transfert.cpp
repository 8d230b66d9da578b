#include "transfert.h"

TFtransfert::TFtransfert(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Ftransfert"));
    setWindowTitle(QStringLiteral("Modifier pmup produit stock"));
    move(281, 69);
    resize(257, 340);
}
