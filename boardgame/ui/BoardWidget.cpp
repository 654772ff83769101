#include "boardgame/ui/BoardWidget.h"

#include "boardgame/BoardTimings.h"
#include "boardgame/ui/BoardPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QFontMetrics>
#include <QPainter>

using namespace BoardTimings;

namespace {

// The felt the board lies on and the frame of a square.
const QColor kFelt(0x16, 0x70, 0x34);
const QColor kSquareFrame(0x20, 0x30, 0x20);

// The largest of the caption sizes at which every word of the text fits the
// square's width, so that no word is cut.
int CaptionPixelSize(const QFont& base, const QString& text, int width) {
    QFont font = base;
    int size = CaptionLargest;
    for (; size > CaptionSmallest; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            fits = fits && metrics.horizontalAdvance(word) <= width;
        if (fits)
            break;
    }
    return size;
}

void SetTextColours(QLabel* label, const QColor& text, const QColor& back) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, back);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

// A caption in its background's colour cannot be read (a board file without
// colours): black or white instead, whichever stands out.
QColor ReadableOn(const QColor& text, const QColor& back) {
    if (text.rgb() != back.rgb())
        return text;
    return back.lightness() > 127 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

BoardSquare::BoardSquare(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSquare::SetFill(const QColor& colour) {
    m_fill = colour;
    update();
}

void BoardSquare::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_fill);
    p.setPen(kSquareFrame);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent), m_plan(BoardGeometry::PlanBoard()) {
    setObjectName(QStringLiteral("picBoard"));
    setFixedSize(BoardWidth, BoardHeight);
    const char* pictureNames[] = {"imgBoard_0", "imgBoard_1"};
    for (int i = 0; i < 2; ++i) {
        imgBoard[size_t(i)] = WindowChrome::MakeLabel(this, pictureNames[i]);
        imgBoard[size_t(i)]->setScaledContents(true);
        imgBoard[size_t(i)]->hide();
    }
    for (int i = 0; i < 2; ++i) {
        sphBoard << NewSquare(i);
        lblBoardCaption << NewCaption(i);
        lblBoardNumber << NewNumber(i);
        sphBoard[i]->hide();
        lblBoardCaption[i]->hide();
        lblBoardNumber[i]->hide();
    }
    auto* arrow = WindowChrome::MakeLabel(this, "imgArrow_0");
    arrow->setScaledContents(true);
    arrow->hide();
    imgArrow << arrow;
    for (int seat = 0; seat < SeatCount; ++seat) {
        QLabel* token = WindowChrome::MakeLabel(this, "");
        token->setObjectName(QStringLiteral("imgBoardPlayer_%1").arg(seat));
        token->setPixmap(SeatPicture(seat));
        token->setScaledContents(true);
        token->resize(TokenWidth, TokenHeight);
        token->hide();
        imgBoardPlayer[size_t(seat)] = token;
    }
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kFelt);
}

BoardSquare* BoardWidget::NewSquare(int index) {
    auto* square = new BoardSquare(this);
    square->setObjectName(QStringLiteral("sphBoard_%1").arg(index));
    return square;
}

QLabel* BoardWidget::NewCaption(int index) {
    QLabel* caption = WindowChrome::MakeLabel(this, "");
    caption->setObjectName(QStringLiteral("lblBoardCaption_%1").arg(index));
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setWordWrap(true);
    QFont font = caption->font();
    font.setPixelSize(CaptionLargest);
    font.setBold(true);
    caption->setFont(font);
    // The square's frame stays visible around its caption.
    caption->resize(SquareWidth - 2, CaptionHeight);
    return caption;
}

QLabel* BoardWidget::NewNumber(int index) {
    QLabel* number = WindowChrome::MakeLabel(this, "");
    number->setObjectName(QStringLiteral("lblBoardNumber_%1").arg(index));
    number->setAlignment(Qt::AlignCenter);
    QFont font = number->font();
    font.setPixelSize(10);
    number->setFont(font);
    number->resize(SquareWidth, NumberHeight);
    return number;
}

void BoardWidget::ClearBoard() {
    while (sphBoard.size() > 2)
        delete sphBoard.takeLast();
    while (lblBoardCaption.size() > 2)
        delete lblBoardCaption.takeLast();
    while (lblBoardNumber.size() > 2)
        delete lblBoardNumber.takeLast();
    while (imgArrow.size() > 1)
        delete imgArrow.takeLast();
    for (QLabel* picture : imgBoard)
        picture->hide();
    imgArrow[0]->hide();
    for (int i = 0; i < 2; ++i) {
        sphBoard[i]->hide();
        lblBoardCaption[i]->hide();
        lblBoardNumber[i]->hide();
    }
}

void BoardWidget::LoadBoard(const QList<BoardSquareRow>& rows) {
    ClearBoard();
    imgBoard[0]->setPixmap(BoardPicture(QStringLiteral("Start")));
    imgBoard[1]->setPixmap(BoardPicture(QStringLiteral("Finnish")));
    imgBoard[0]->setGeometry(m_plan.positions[0]);
    imgBoard[0]->show();
    sphBoard[0]->setGeometry(m_plan.positions[0]);

    const QColor windowColour = BoardColour(SystemWindowColour);
    for (int i = 1; i <= 56; ++i) {
        const BoardSquareRow row = rows.value(i - 1);
        if (i >= sphBoard.size()) {
            sphBoard << NewSquare(i);
            lblBoardCaption << NewCaption(i);
            lblBoardNumber << NewNumber(i);
        }
        const QRect square = m_plan.positions[size_t(i)];
        BoardSquare* shape = sphBoard[i];
        shape->setGeometry(square);
        shape->SetFill(row.backColor ? BoardColour(*row.backColor) : windowColour);
        shape->show();
        QLabel* caption = lblBoardCaption[i];
        caption->move(square.left() + 1, square.top() + 1);
        caption->setText(row.caption);
        QFont font = caption->font();
        font.setPixelSize(CaptionPixelSize(font, row.caption, caption->width() - 2));
        caption->setFont(font);
        const QColor captionBack =
            row.fontBackColor ? BoardColour(*row.fontBackColor) : windowColour;
        SetTextColours(
            caption,
            ReadableOn(row.fontColor ? BoardColour(*row.fontColor) : windowColour, captionBack),
            captionBack);
        caption->show();
        caption->raise();
        QLabel* number = lblBoardNumber[i];
        number->move(square.left(), square.top() + NumberOffset);
        number->setText(QString::number(i));
        number->show();
        number->raise();
    }
    // Arrows: 0 by the start, 1 to 10 at the turns.
    for (int a = 0; a < m_plan.arrows.size(); ++a) {
        if (a >= imgArrow.size()) {
            QLabel* arrow = WindowChrome::MakeLabel(this, "");
            arrow->setObjectName(QStringLiteral("imgArrow_%1").arg(a));
            arrow->setScaledContents(true);
            imgArrow << arrow;
        }
        const BoardGeometry::ArrowPlacement& place = m_plan.arrows[a];
        imgArrow[a]->setPixmap(BoardPicture(QLatin1String(place.picture)));
        imgArrow[a]->setGeometry(place.rect);
        imgArrow[a]->show();
        imgArrow[a]->raise();
    }
    imgBoard[1]->setGeometry(m_plan.positions[57]);
    imgBoard[1]->show();
    sphBoard << NewSquare(57);
    sphBoard[57]->setGeometry(m_plan.positions[57]);
    sphBoard[57]->hide();
    for (QLabel* token : imgBoardPlayer)
        token->raise();
}

QRect BoardWidget::PositionRect(int position) const {
    if (position < 0 || position > 57)
        return {};
    return m_plan.positions[size_t(position)];
}

void BoardWidget::ShowToken(int seat, bool shown) {
    if (seat < 0 || seat >= SeatCount)
        return;
    QLabel* token = imgBoardPlayer[size_t(seat)];
    token->setVisible(shown);
    if (shown)
        token->raise();
}

void BoardWidget::ArrangeTokens(int position, const QList<int>& seats) {
    const QList<QRect> places =
        BoardGeometry::TokenSlots(PositionRect(position), int(seats.size()));
    for (int k = 0; k < seats.size() && k < places.size(); ++k) {
        const int seat = seats[k];
        if (seat < 0 || seat >= SeatCount)
            continue;
        imgBoardPlayer[size_t(seat)]->setGeometry(places[k]);
    }
}

void BoardWidget::LiftToken(int seat) {
    if (seat < 0 || seat >= SeatCount)
        return;
    QLabel* token = imgBoardPlayer[size_t(seat)];
    token->resize(TokenWidth, TokenHeight);
    token->raise();
}

void BoardWidget::MoveToken(int seat, const QPoint& topLeft) {
    if (seat >= 0 && seat < SeatCount)
        imgBoardPlayer[size_t(seat)]->move(topLeft);
}

void BoardWidget::WalkToken(const TokenWalk& walk, const std::function<QList<int>(int)>& standing,
                            const std::function<bool(bool)>& hop) {
    ArrangeTokens(walk.from, standing(walk.from));
    LiftToken(walk.seat);
    QPoint at = imgBoardPlayer[size_t(walk.seat)]->pos();
    for (int square : walk.squares) {
        const QRect rect = PositionRect(square);
        at = BoardGeometry::WalkHop(at, BoardTimings::TokenWidth, rect);
        MoveToken(walk.seat, at);
        if (!hop(true))
            return;
        at = BoardGeometry::WalkLanding(rect);
        MoveToken(walk.seat, at);
        if (!hop(false))
            return;
    }
    ArrangeTokens(walk.to, standing(walk.to));
}
