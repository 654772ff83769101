#pragma once
// The registration window: a nick name of letters and digits (it is the
// player file's name), a password of the letters A to Z and digits, and the player's details, which
// the new player's record keeps. A refused character is named under the
// boxes with the reason.
#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class ClassPlayerInfo;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class frmNewPlayer : public QDialog {
    Q_OBJECT
public:
    // created runs with the new player's record once the file is written.
    explicit frmNewPlayer(QWidget* owner = nullptr,
                          std::function<void(const ClassPlayerInfo&)> created = {});

    // Shows the window modally over owner until it is closed.
    void GetPlayerName(QWidget* owner);
    // "Create Player": checks the entries, writes the new player's file and
    // closes the window; false when something was refused.
    bool CreatePlayer();

    // The admitted characters of passwords.
    static const QString& AdmittedCharacters();
    // The province or state list of a country ("Canada", "United States",
    // "Other"); empty for anything else.
    static QStringList ProvStatesOf(const QString& country);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void PlayerTypeChanged();
    void CountryChosen();
    void FilterText(QLineEdit* box);
    // The admission rule of a box (see frmNewPlayer.cpp).
    int RuleOf(const QObject* box) const;
    void ShowRefused(QChar c, int rule);

    std::function<void(const ClassPlayerInfo&)> m_created;
    bool m_filtering = false;

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLineEdit* txtPlayerName = nullptr;
    QLineEdit* txtPassword = nullptr;
    QComboBox* cboPlayerType = nullptr;
    QLabel* lblSchoolName = nullptr;
    QLineEdit* txtSchoolName = nullptr;
    QLineEdit* txtAge = nullptr;
    QList<QRadioButton*> optGender;
    QComboBox* cboCountry = nullptr;
    QComboBox* cboProvState = nullptr;
    QLineEdit* txtCity = nullptr;
    QLabel* lblRefused = nullptr;
    QList<QLabel*> lblMenu;
};
