#include "boardgame/ui/BoardDie.h"

#include "boardgame/BoardGame.h"
#include "boardgame/BoardTimings.h"
#include "boardgame/ui/BoardPictures.h"

#include <QLabel>
#include <QPainter>

using namespace BoardTimings;

DieShape::DieShape(QWidget* parent, bool round) : QWidget(parent), m_round(round) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void DieShape::SetFill(const QColor& colour) {
    m_fill = colour;
    update();
}

void DieShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(m_fill);
    const QRectF r = QRectF(rect()).adjusted(0.8, 0.8, -0.8, -0.8);
    if (m_round)
        p.drawEllipse(r);
    else
        p.drawRoundedRect(r, 8, 8);
}

BoardDie::BoardDie(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picDice"));
    setFixedSize(DieSize + 2, DieSize + 2);
    shpDice = new DieShape(this, false);
    shpDice->setObjectName(QStringLiteral("shpDice"));
    shpDice->setGeometry(1, 1, DieSize, DieSize);
    shpDice->SetFill(BoardColour(DieFaces[0].colour));
    // Columns left, middle, right; rows top, middle, bottom (see BoardTimings).
    const int near = 1 + DiePipInset;
    const int middle = 1 + (DieSize - DiePipSize) / 2;
    const int far = 1 + DieSize - DiePipInset - DiePipSize;
    const std::array<QPoint, DiePips> places = {
        QPoint(near, near), QPoint(near, middle), QPoint(near, far), QPoint(middle, middle),
        QPoint(far, near),  QPoint(far, middle),  QPoint(far, far)};
    for (int i = 0; i < DiePips; ++i) {
        auto* pip = new DieShape(this, true);
        pip->setObjectName(QStringLiteral("shpDiceNum_%1").arg(i));
        pip->setGeometry(QRect(places[size_t(i)], QSize(DiePipSize, DiePipSize)));
        pip->SetFill(BoardColour(DiePipColour));
        shpDiceNum[size_t(i)] = pip;
    }
    lblDice = new QLabel(QStringLiteral("Turn Lost"), this);
    lblDice->setObjectName(QStringLiteral("lblDice"));
    lblDice->setAlignment(Qt::AlignCenter);
    lblDice->setWordWrap(true);
    QFont bold = lblDice->font();
    bold.setBold(true);
    lblDice->setFont(bold);
    lblDice->setGeometry(shpDice->geometry());
    lblDice->hide();
    ShowFace(1);
}

void BoardDie::ShowFace(int value) {
    for (DieShape* pip : shpDiceNum)
        pip->hide();
    lblDice->hide();
    if (value < 1)
        return;
    if (value > 6) {
        lblDice->show();
        return;
    }
    const DieFace& face = DieFaces[size_t(value - 1)];
    shpDice->SetFill(BoardColour(face.colour));
    for (int i = 0; i < DiePips; ++i)
        shpDiceNum[size_t(i)]->setVisible(face.pips[size_t(i)]);
}

int BoardDie::Roll(int faces, RandomSource& random, const std::function<bool(bool)>& round) {
    int value = 1;
    for (int i = 0; i < BoardTimings::DieRounds && round(false); ++i) {
        value = BoardGame::DrawDie(faces, random);
        ShowFace(value);
        if (!round(true))
            break;
    }
    return value;
}
