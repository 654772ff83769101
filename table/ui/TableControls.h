#pragma once
// The controls of the solitaire table as designed: where each one sits, its
// caption, font and colours, and how the caption bar and the panes follow the
// window's width. What the controls do belongs to the window (frmSolitaire),
// which is built on these and connects them.
#include <QList>
#include <QPixmap>
#include <QString>

class CardLayer;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QWidget;
class SavedGamesGrid;
class WebPane;

class TableControls {
public:
    // Design-time size of the window and of the playing area.
    static constexpr int kDesignWidth = 800;
    static constexpr int kDesignHeight = 592;
    static constexpr int kPlayAreaHeight = 460;
    // The hint list's heading before any search.
    static const QString kWizardCaption;

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QList<QLabel*> lblMenu; // 0 "New Game" to 7 "|||"
    CardLayer* picGame = nullptr;
    QWidget* picAdds = nullptr;
    WebPane* WebBrowser1 = nullptr; // the advertisement banner
    QPushButton* cmdDeck = nullptr;
    QListWidget* lstWords = nullptr;
    QListWidget* lstWizard = nullptr;
    QLabel* lblWizard = nullptr;
    QLabel* lblPoints = nullptr;
    QLabel* lblWinnable = nullptr; // whether the game can still be won
    QLabel* lblHelpPlay = nullptr;
    QPushButton* cmdLettersLeft = nullptr;
    QCheckBox* chkMusic = nullptr;
    QCheckBox* chkSound = nullptr;
    QSlider* sldMusic = nullptr;
    QSlider* sldSound = nullptr;
    SavedGamesGrid* FlexGrid = nullptr;

    // The felt of the playing area.
    static QPixmap FeltTile();

protected:
    // Builds every control on `window`, in the window's cream paper.
    void SetUpControls(QWidget* window);
    // The caption bar and the panes follow the window's width.
    void LayOutControls(int windowWidth);
    // The caption's font a point or two smaller when its text is too long.
    void FitFormCaption();
};
