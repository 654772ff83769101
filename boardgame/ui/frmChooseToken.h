#pragma once
// The token picker: a person just seated (or clicking their seat's picture)
// chooses the picture their token carries. Pictures other seats hold are
// shown but cannot be chosen.
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QToolButton;

class frmChooseToken : public QDialog {
    Q_OBJECT
public:
    frmChooseToken(const QString& nickName, const QString& current, const QStringList& taken,
                   QWidget* owner = nullptr);

    // Shows the picker modally over owner; the picture chosen, or "" when
    // the window was closed without a choice.
    static QString ChooseToken(QWidget* owner, const QString& nickName, const QString& current,
                               const QStringList& taken);

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QList<QToolButton*> cmdToken; // one per picture, named cmdToken_<picture>

private:
    QString m_chosen;
};
