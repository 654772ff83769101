#pragma once
// The foreign-character picker: 36 upper-case and 36 lower-case letters and
// signs the keyboard may lack; a click returns the character, "Cancel Insert"
// returns nothing.
#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;

class frmCharacters : public QDialog {
    Q_OBJECT
public:
    explicit frmCharacters(QWidget* owner = nullptr);

    // Shows the picker modally over owner; the chosen character, or "" when
    // it was cancelled or closed.
    static QString LoadCharactor(QWidget* owner);
    QString Choice() const { return m_choice; }

    void lblCharacters_Click(int index);
    void lblLowerCharacters_Click(int index);

private:
    void Choose(const QString& character);

    QString m_choice;
    QList<QLabel*> lblCharacters;
    QList<QLabel*> lblLowerCharacters;
    QPushButton* cmdCancel = nullptr;
};
