#pragma once
// The die of the board window: its body `shpDice`, seven pips `shpDiceNum`
// and the "Turn Lost" label `lblDice` shown on a turn-lost face.
#include <QColor>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class RandomSource;

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
    // Rolls a die of `faces` faces in rounds, each drawn and shown between
    // two calls of `round` (false before, true after the draw), which may end
    // the roll by returning false. Returns the value last drawn.
    int Roll(int faces, RandomSource& random, const std::function<bool(bool drawn)>& round);
};
