#pragma once
// The solitaire table window.
#include <QWidget>

class frmSolitaire : public QWidget {
    Q_OBJECT
public:
    explicit frmSolitaire(QWidget* parent = nullptr);
};
