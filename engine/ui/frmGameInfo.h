#pragma once
// The details of one saved or finished game: its date, points, mistakes,
// level, wizard setting, made words and the player's best result at that
// level. A double click on a word looks it up in the dictionary window.
#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;

class frmGameInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmGameInfo(QWidget* parent = nullptr);

    // Fills the window from a saved-game record and the player's rating.
    void LoadGameInfo(const QString& gameInfo, const QString& rating);

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblFinnishGame = nullptr;
    QLabel* lblWizardOn = nullptr;
    QLabel* lblPoints = nullptr;
    QLabel* lblMistakeCount = nullptr;
    QLabel* lblGameLevel = nullptr;
    QLabel* lblRating = nullptr;
    QListWidget* lstWords = nullptr;
    QLabel* lblMenu = nullptr;

private:
    void lstWords_DblClick(QListWidgetItem* item);
};
