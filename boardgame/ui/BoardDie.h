#pragma once
// The die of the board window: its body `shpDice`, seven pips `shpDiceNum`
// and the "Turn Lost" label `lblDice` shown on a turn-lost face.
#include <QColor>
#include <QWidget>

#include <array>

class QLabel;

// A filled round or rounded shape.
class DieShape : public QWidget {
    Q_OBJECT
public:
    DieShape(QWidget* parent, bool round);
    void SetFill(const QColor& colour);
    QColor Fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    bool m_round;
};

class BoardDie : public QWidget {
    Q_OBJECT
public:
    explicit BoardDie(QWidget* parent = nullptr);

    DieShape* shpDice = nullptr;
    std::array<DieShape*, 7> shpDiceNum{};
    QLabel* lblDice = nullptr;

    // Shows a value: the pips of faces 1 to 6 in the face's colour; above six
    // no pips and "Turn Lost", the colour unchanged.
    void ShowFace(int value);
};
