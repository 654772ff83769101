#pragma once
// One seat's row of controls in the board window: its picture and name, the
// On/Off box, the turn-lost list, the chance list and (people only) the
// statistics button. The row shows a seat on, off or fixed for the game; the
// window decides when.
#include "boardgame/file/ItemLevels.h"
#include <QList>

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class SeatRow : public QWidget {
    Q_OBJECT
public:
    SeatRow(int seat, QWidget* parent = nullptr);

    int Seat() const { return m_seat; }

    QLabel* imgPlayer = nullptr;
    QLabel* lblPlayer = nullptr;
    QCheckBox* chkPlayer = nullptr;
    QComboBox* cboPlayer = nullptr;
    QComboBox* cboPlayerChance = nullptr;
    QPushButton* cmdStats = nullptr; // seats 1 to 5
    // What the two lists are for, above them.
    QLabel* lblTurnLost = nullptr;
    QLabel* lblChance = nullptr;
    // The seat's level for this game: "Any", "Primary", "Secondary", "Adult"
    // (seats 1 to 5).
    QComboBox* cboPlayerLevel = nullptr;
    // "Loading" while a login for the seat runs.
    QString chkPlayerTag;

    // Shows the seat switched on (lists at their first entry, in colour) or
    // off (lists empty and grey, name in the window colour).
    void ShowOn();
    void ShowOff();
    // Fixes the box and both lists once the game has begun.
    void Lock();
    // Who sits here: the person's nick name and token picture (ShowOff
    // brings back the seat's own).
    void ShowPlayer(const QString& nickName, const QPixmap& token);
    // The number of turn-lost faces chosen (0 to 3).
    int TurnLostFaces() const;
    // The level chosen in the level box; Any for the Professor.
    ItemLevel Level() const;
    void SetLevel(ItemLevel level);
    // The colour values last given to the lists and the name.
    quint32 ListBackColour() const { return m_listColour; }
    quint32 NameColour() const { return m_nameColour; }

Q_SIGNALS:
    void Switched(int seat);
    void StatsWanted(int seat);
    void TurnLostChosen(int seat, int faces);
    // The seat's picture was clicked: its person wants another token.
    void TokenWanted(int seat);

private:
    void SetListColour(quint32 colour);
    void SetNameColour(quint32 colour);

    int m_seat;
    quint32 m_listColour = 0;
    quint32 m_nameColour = 0;
};
