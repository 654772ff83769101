#include "table/frmSolitaire.h"

frmSolitaire::frmSolitaire(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSolitaire"));
    setWindowTitle(QStringLiteral("Vantorell"));
}
