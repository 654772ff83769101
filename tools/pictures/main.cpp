// Draws the embedded pictures 102-147 of the game as PNG files:
//   102-127 letter cards A-Z (59x100), 128 the star card (59x100),
//   129/131 upright card backs (59x100; 131 turned half a turn),
//   130/132 quarter-turned backs (100x59), 133-143 deck poses (69x114),
//   144-147 pointers (32x32), 200 the about box (420x300; the window takes
//   the outline of everything that differs from its top-left pixel); and the
//   board game's pictures by name (BoardPictures.h). Every picture is drawn
//   at 1x and at 2x ("<id>@2x.png", for screens of device pixel ratio 2).
// Usage: mordaventa-pictures OUTPUT_FOLDER [ICON_FOLDER]   (the build target
// regenerate-pictures runs it on resources/pictures and resources/icons; the
// desktop icons are drawn in AppIcon.cpp). PNG rather than GIF because Qt
// writes no GIF; the game only needs a picture it can decode.
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QTransform>

#include <array>
#include <cmath>

#include "AppIcon.h"
#include "BoardPictures.h"
#include "PictureFiles.h"
#include "shell/PointerHotSpots.h"

namespace {

constexpr int kCardW = 59;
constexpr int kCardH = 100;
constexpr int kDeckW = 69;
constexpr int kDeckH = 114;
constexpr qreal kCardRadius = 5.0; // matches the control's 10 by 10 corner ellipse

// Points printed on the cards, A to Z.
constexpr std::array<int, 26> kValues = {1, 3, 3, 3,  1, 3, 3, 3, 1, 7, 5,  2, 3,
                                         2, 1, 5, 10, 1, 1, 1, 1, 7, 5, 10, 5, 10};

QString g_family = QStringLiteral("DejaVu Sans");

QFont BoldFont(int pixelSize) {
    QFont font(g_family);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Colour of a card by its points, so a child sees the dear letters at a glance.
QColor ValueColor(int value) {
    switch (value) {
    case 1:
        return QColor(46, 160, 67); // green
    case 2:
        return QColor(0, 150, 170); // teal
    case 3:
        return QColor(40, 100, 210); // blue
    case 5:
        return QColor(235, 130, 20); // orange
    case 7:
        return QColor(150, 60, 190); // purple
    default:
        return QColor(215, 40, 50); // red (10)
    }
}

void DrawCardBody(QPainter& p, const QColor& accent, const QColor& paper) {
    const QRectF outer(0.5, 0.5, kCardW - 1, kCardH - 1);
    p.setPen(QPen(accent.darker(130), 1.2));
    p.setBrush(paper);
    p.drawRoundedRect(outer, kCardRadius, kCardRadius);
    // Inner frame in the card's colour.
    p.setPen(QPen(accent, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
}

void DrawValueBadge(QPainter& p, const QPointF& centre, qreal radius, int value,
                    const QColor& accent) {
    p.setPen(QPen(accent.darker(140), 1));
    p.setBrush(accent);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::white);
    p.setFont(BoldFont(value >= 10 ? int(radius * 1.05) : int(radius * 1.35)));
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               Qt::AlignCenter, QString::number(value));
}

// What tells cartoon faces apart.
struct Look {
    int skin;       // 0-4
    int hair;       // 0 curls, 1 cap, 2 spikes, 3 bow
    int expression; // 0 smile, 1 grin, 2 surprised, 3 wink, 4 tongue out
    int gaze;       // -1 left, 0 ahead, 1 right
};

// The letter cards cycle through the looks so neighbours differ.
Look LetterLook(int index) {
    return {index % 5, index % 4, index % 5, index % 3 - 1};
}

// A round cartoon face.
void DrawFace(QPainter& p, const QPointF& c, qreal r, const Look& look, const QColor& accent) {
    static const std::array<QColor, 5> skins = {QColor(255, 224, 189), QColor(241, 194, 125),
                                                QColor(224, 172, 105), QColor(198, 134, 66),
                                                QColor(255, 236, 210)};
    const QColor skin = skins[size_t(look.skin) % skins.size()];
    // Hair or hat behind/above the head.
    p.setPen(Qt::NoPen);
    const int hair = look.hair;
    if (hair == 0) { // curls
        p.setBrush(QColor(110, 70, 40));
        for (int i = -2; i <= 2; ++i)
            p.drawEllipse(QPointF(c.x() + i * r * 0.38, c.y() - r * 0.85), r * 0.3, r * 0.3);
    } else if (hair == 1) { // cap in the card's colour
        p.setBrush(accent);
        p.drawChord(QRectF(c.x() - r, c.y() - r * 1.15, 2 * r, 1.6 * r), 0, 180 * 16);
        p.drawRect(QRectF(c.x(), c.y() - r * 0.4, r * 1.2, r * 0.18));
    } else if (hair == 2) { // spiky
        p.setBrush(QColor(240, 190, 40));
        QPolygonF spikes;
        for (int i = 0; i <= 6; ++i) {
            const qreal x = c.x() - r + i * (2 * r / 6);
            spikes << QPointF(x, c.y() - r * 0.55) << QPointF(x + r / 6, c.y() - r * 1.25);
        }
        spikes << QPointF(c.x() + r, c.y() - r * 0.55);
        p.drawPolygon(spikes);
    } else { // bow on top
        p.setBrush(QColor(230, 60, 120));
        QPolygonF left{{c.x(), c.y() - r * 0.95},
                       {c.x() - r * 0.55, c.y() - r * 1.3},
                       {c.x() - r * 0.55, c.y() - r * 0.65}};
        QPolygonF right{{c.x(), c.y() - r * 0.95},
                        {c.x() + r * 0.55, c.y() - r * 1.3},
                        {c.x() + r * 0.55, c.y() - r * 0.65}};
        p.drawPolygon(left);
        p.drawPolygon(right);
    }
    // Head.
    p.setPen(QPen(QColor(90, 60, 40), 1));
    p.setBrush(skin);
    p.drawEllipse(c, r, r * 0.95);
    // Cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 130, 120));
    p.drawEllipse(QPointF(c.x() - r * 0.55, c.y() + r * 0.2), r * 0.18, r * 0.12);
    p.drawEllipse(QPointF(c.x() + r * 0.55, c.y() + r * 0.2), r * 0.18, r * 0.12);
    // Eyes.
    const qreal ex = r * 0.36, ey = c.y() - r * 0.15;
    const int expression = look.expression;
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.drawEllipse(QPointF(c.x() - ex, ey), r * 0.2, r * 0.24);
    if (expression == 3) { // wink
        p.setPen(QPen(QColor(40, 40, 40), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() + ex - r * 0.18, ey), QPointF(c.x() + ex + r * 0.18, ey));
    } else {
        p.drawEllipse(QPointF(c.x() + ex, ey), r * 0.2, r * 0.24);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    const qreal gaze = look.gaze * r * 0.08;
    p.drawEllipse(QPointF(c.x() - ex + gaze, ey + r * 0.03), r * 0.1, r * 0.12);
    if (expression != 3)
        p.drawEllipse(QPointF(c.x() + ex + gaze, ey + r * 0.03), r * 0.1, r * 0.12);
    // Mouth.
    const QRectF mouth(c.x() - r * 0.45, c.y() + r * 0.05, r * 0.9, r * 0.55);
    switch (expression) {
    case 0: // smile
    case 3:
        p.setPen(QPen(QColor(120, 30, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(mouth, 200 * 16, 140 * 16);
        break;
    case 1: // open grin
        p.setPen(QPen(QColor(120, 30, 30), 1));
        p.setBrush(QColor(200, 60, 60));
        p.drawChord(mouth, 180 * 16, 180 * 16);
        break;
    case 2: // surprised
        p.setPen(QPen(QColor(120, 30, 30), 1));
        p.setBrush(QColor(150, 40, 40));
        p.drawEllipse(QPointF(c.x(), c.y() + r * 0.45), r * 0.14, r * 0.18);
        break;
    default: // tongue out
        p.setPen(QPen(QColor(120, 30, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(mouth, 200 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 110, 130));
        p.drawEllipse(QPointF(c.x() + r * 0.1, c.y() + r * 0.62), r * 0.14, r * 0.16);
        break;
    }
}

QPolygonF StarPolygon(const QPointF& c, qreal outer, qreal inner) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
    }
    return star;
}

// The top 31 pixels of a card stay visible when cards overlap on a pile and
// the left 35 when discards overlap: letter and value live there, large.
QImage LetterCard(int index, int scale) {
    const QChar letter(QLatin1Char(char('A' + index)));
    const int value = kValues[size_t(index)];
    const QColor accent = ValueColor(value);
    QImage image = Canvas(kCardW, kCardH, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawCardBody(p, accent, QColor(255, 253, 240));

    const QRectF letterBox(3, 2, 34, 27);
    p.setPen(accent.darker(150));
    p.setFont(BoldFont(26));
    p.drawText(letterBox, Qt::AlignCenter, QString(letter));
    const bool vowel = QStringLiteral("AEIOU").contains(letter);
    if (vowel) {
        p.setPen(QPen(accent.darker(150), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 29), QPointF(29, 29));
    }
    DrawValueBadge(p, QPointF(46.5, 14), 8.5, value, accent);

    DrawFace(p, QPointF(29.5, 62), 16, LetterLook(index), accent);

    // Small letter and value again at the foot.
    p.setPen(accent.darker(150));
    p.setFont(BoldFont(11));
    p.drawText(QRectF(6, 84, 24, 13), Qt::AlignLeft | Qt::AlignVCenter, QString(letter));
    p.drawText(QRectF(29, 84, 24, 13), Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    return image;
}

QImage StarCard(int scale) {
    const QColor accent(230, 170, 0);
    QImage image = Canvas(kCardW, kCardH, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawCardBody(p, accent, QColor(255, 250, 225));
    p.setPen(QPen(QColor(170, 110, 0), 1));
    p.setBrush(QColor(255, 200, 30));
    p.drawPolygon(StarPolygon(QPointF(20, 15), 12.5, 5.5));
    DrawValueBadge(p, QPointF(46.5, 14), 8.5, 5, QColor(235, 130, 20));
    // A big smiling star in the middle.
    p.setPen(QPen(QColor(170, 110, 0), 1.2));
    p.setBrush(QColor(255, 215, 40));
    p.drawPolygon(StarPolygon(QPointF(29.5, 61), 24, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(25.5, 59), 1.8, 2.4);
    p.drawEllipse(QPointF(33.5, 59), 1.8, 2.4);
    p.setPen(QPen(QColor(140, 50, 20), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(25, 60, 9, 6), 200 * 16, 140 * 16);
    p.setPen(QColor(170, 110, 0));
    p.setFont(BoldFont(11));
    p.drawText(QRectF(6, 84, 24, 13), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("*"));
    p.drawText(QRectF(29, 84, 24, 13), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("5"));
    return image;
}

// The upright back: a lattice in two blues with a smiling sun near the top,
// so a turned back looks turned.
QImage UprightBack(int scale, bool withSun = true) {
    QImage image = Canvas(kCardW, kCardH, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 0.5, kCardW - 1, kCardH - 1);
    p.setPen(QPen(QColor(20, 40, 110), 1.2));
    p.setBrush(QColor(250, 250, 255));
    p.drawRoundedRect(outer, kCardRadius, kCardRadius);
    const QRectF inner = outer.adjusted(3.5, 3.5, -3.5, -3.5);
    QPainterPath clip;
    clip.addRoundedRect(inner, 3, 3);
    p.setClipPath(clip);
    p.fillRect(inner, QColor(45, 90, 200));
    p.setPen(QPen(QColor(90, 140, 235), 1.5));
    for (int k = -12; k < 20; ++k) {
        const qreal x = k * 8.0;
        p.drawLine(QPointF(x, 0), QPointF(x + 100, 100));
        p.drawLine(QPointF(x, 100), QPointF(x + 100, 0));
    }
    p.setClipping(false);
    // Sun near the top.
    if (withSun) {
        p.setPen(QPen(QColor(200, 120, 0), 1));
        p.setBrush(QColor(255, 205, 40));
        p.drawPolygon(StarPolygon(QPointF(29.5, 30), 15, 10));
        p.drawEllipse(QPointF(29.5, 30), 9, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 40, 20));
        p.drawEllipse(QPointF(26.5, 28.5), 1.3, 1.6);
        p.drawEllipse(QPointF(32.5, 28.5), 1.3, 1.6);
        p.setPen(QPen(QColor(140, 50, 20), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(25.5, 28.5, 8, 5), 200 * 16, 140 * 16);
    }
    // A white "M" badge near the foot.
    p.setPen(QPen(QColor(20, 40, 110), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(29.5, 74), 10, 10);
    p.setPen(QColor(45, 90, 200));
    p.setFont(BoldFont(13));
    p.drawText(QRectF(19.5, 64, 20, 20), Qt::AlignCenter, QStringLiteral("M"));
    return image;
}

QImage Turned(const QImage& image, int degrees) {
    QImage turned = image.transformed(QTransform().rotate(degrees), Qt::SmoothTransformation);
    turned.setDevicePixelRatio(image.devicePixelRatio());
    return turned;
}

// The deck: a stack of backs with the cartoon character leaning on it.
// Poses 0-10 for pictures 133-143: 2 (135) cheers after a made word,
// 10 (143) is sad after a refused card, 9 (142) holds a card up for the deal.
QImage DeckPose(int pose, const QImage& back) {
    QImage image = Canvas(kDeckW, kDeckH, qRound(back.devicePixelRatio()));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 4; i >= 0; --i)
        p.drawImage(QPointF(2 + i * 2, 12 + i * 0.5), back);
    const QColor accent(235, 130, 20); // the character's orange shirt
    // Character: body peeking above the deck, head and arms by pose.
    const QPointF head(31 + ((pose == 5) ? -6 : (pose == 6) ? 6 : 0), (pose == 7) ? 16 : 22);
    const qreal r = 12;
    // Arms.
    p.setPen(QPen(QColor(241, 194, 125).darker(115), 3.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF lShoulder(head.x() - 9, head.y() + 14), rShoulder(head.x() + 9, head.y() + 14);
    QPointF lHand, rHand;
    switch (pose) {
    case 1: // waving left hand
        lHand = {head.x() - 20, head.y() - 8};
        rHand = {head.x() + 14, head.y() + 24};
        break;
    case 2: // cheering, both hands up
    case 7:
        lHand = {head.x() - 18, head.y() - 12};
        rHand = {head.x() + 18, head.y() - 12};
        break;
    case 3: // waving right hand
        rHand = {head.x() + 20, head.y() - 8};
        lHand = {head.x() - 14, head.y() + 24};
        break;
    case 8: // thinking: hand at chin
        lHand = {head.x() - 14, head.y() + 24};
        rHand = {head.x() + 4, head.y() + 10};
        break;
    case 9: // holding a card up
        lHand = {head.x() - 16, head.y() - 2};
        rHand = {head.x() + 18, head.y() - 4};
        break;
    case 10: // sad: hands down over the edge
        lHand = {head.x() - 16, head.y() + 30};
        rHand = {head.x() + 16, head.y() + 30};
        break;
    default: // resting on the deck
        lHand = {head.x() - 16, head.y() + 24};
        rHand = {head.x() + 16, head.y() + 24};
        break;
    }
    p.drawLine(lShoulder, lHand);
    p.drawLine(rShoulder, rHand);
    // Body (shirt).
    p.setPen(QPen(accent.darker(140), 1));
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(head.x() - 10, head.y() + 9, 20, 16), 6, 6);
    // Hands.
    p.setPen(QPen(QColor(150, 100, 60), 0.8));
    p.setBrush(QColor(241, 194, 125));
    p.drawEllipse(lHand, 3, 3);
    p.drawEllipse(rHand, 3, 3);
    if (pose == 9) { // the card being dealt
        p.save();
        p.translate(rHand + QPointF(-2, -14));
        p.rotate(15);
        p.setPen(QPen(QColor(20, 40, 110), 1));
        p.setBrush(QColor(45, 90, 200));
        p.drawRoundedRect(QRectF(-6, -9, 12, 18), 2, 2);
        p.restore();
    }
    // The same character in every pose: only the expression and gaze change.
    static const std::array<int, 11> expressions = {0, 1, 1, 1, 3, 0, 0, 1, 2, 4, 0};
    static const std::array<int, 11> gazes = {0, -1, 0, 1, 0, -1, 1, 0, 1, 0, 0};
    DrawFace(p, head, r, Look{1, 1, expressions[size_t(pose)], gazes[size_t(pose)]},
             QColor(40, 100, 210));
    if (pose == 10) { // sad: turn the mouth down, add a tear
        p.setPen(QPen(QColor(241, 194, 125), 3));
        p.setBrush(QColor(241, 194, 125));
        p.drawEllipse(QPointF(head.x(), head.y() + r * 0.45), r * 0.22, r * 0.22);
        p.setPen(QPen(QColor(120, 30, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(head.x() - 4.5, head.y() + 5, 9, 6), 20 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 170, 255));
        p.drawEllipse(QPointF(head.x() - 5, head.y() + 3), 1.4, 2.2);
    }
    if (pose == 2 || pose == 7) { // sparkles for joy
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 210, 30));
        p.drawPolygon(StarPolygon(QPointF(8, 8), 5, 2));
        p.drawPolygon(StarPolygon(QPointF(61, 6), 5, 2));
    }
    if (pose == 4) { // a note while humming
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(56, 14), 2.5, 2);
        p.drawLine(QPointF(58.3, 14), QPointF(58.3, 4));
    }
    return image;
}

void PointerOutline(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QImage Pointer(int id, int scale) {
    QImage image = Canvas(32, 32, scale);
    QPainter p(&image);
    PointerOutline(p);
    const QPoint hot = PointerHotSpots::HotSpot(id);
    switch (id) {
    case 145: { // arrow, tip at the hot spot
        QPolygonF arrow{{0, 0}, {0, 19}, {4.5, 15}, {8, 23}, {11, 21.6}, {7.6, 14}, {13.5, 14}};
        arrow.translate(hot);
        p.setBrush(QColor(255, 255, 255));
        p.drawPolygon(arrow);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 190, 30));
        p.drawEllipse(QPointF(hot.x() + 3.2, hot.y() + 9), 1.6, 1.6);
        break;
    }
    case 146: { // four-way arrows around the hot spot
        p.translate(hot);
        p.setBrush(QColor(255, 255, 255));
        for (int i = 0; i < 4; ++i) {
            QPolygonF arm{{-2.5, -3}, {-2.5, -9}, {-6, -9}, {0, -15},
                          {6, -9},    {2.5, -9},  {2.5, -3}};
            p.drawPolygon(arm);
            p.rotate(90);
        }
        p.setBrush(QColor(255, 190, 30));
        p.drawEllipse(QPointF(0, 0), 3.2, 3.2);
        break;
    }
    case 147: { // pointing hand pressing, fingertip at the hot spot
        p.translate(hot);
        p.setBrush(QColor(255, 236, 210));
        QPainterPath hand;
        hand.addRoundedRect(QRectF(-2.5, 0, 5, 14), 2.5, 2.5); // index finger
        hand.addRoundedRect(QRectF(-5, 10, 16, 14), 4, 4);     // palm
        hand.addRoundedRect(QRectF(2, 8.5, 4.5, 6), 2, 2);     // middle
        hand.addRoundedRect(QRectF(6.5, 9.5, 4.5, 6), 2, 2);   // ring
        hand.addRoundedRect(QRectF(-9, 13, 6, 4.5), 2, 2);     // thumb
        p.drawPath(hand.simplified());
        p.setPen(QPen(QColor(192, 0, 0), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-6, -1), QPointF(-8.5, -3));
        p.drawLine(QPointF(6, -1), QPointF(8.5, -3));
        break;
    }
    default: { // 144: hourglass
        p.translate(hot);
        p.setBrush(QColor(230, 230, 240));
        p.drawRect(QRectF(-8, -13, 16, 3));
        p.drawRect(QRectF(-8, 10, 16, 3));
        QPolygonF glass{{-6, -10}, {6, -10}, {1, 0}, {6, 10}, {-6, 10}, {-1, 0}};
        p.setBrush(QColor(255, 255, 255));
        p.drawPolygon(glass);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 180, 40));
        p.drawPolygon(QPolygonF{{-4, 9}, {4, 9}, {0, 3}});
        break;
    }
    }
    return image;
}

// The about box: a cream sheet with three cards fanned out above its top-left
// corner, on magenta that the window leaves out. The silhouette is drawn
// without anti-aliasing so that no pink fringe stays inside the outline.
// The window takes its outline from the 1x picture; the 2x one gets exactly
// that silhouette (`outline1x`), or a finer edge would show magenta inside it.
QImage AboutBox(const QImage& cardA, const QImage& cardStar, const QImage& back,
                const QImage& outline1x = QImage()) {
    constexpr int w = 420, h = 300, top = 40;
    const int scale = qRound(cardA.devicePixelRatio());
    const QColor magenta(255, 0, 255);
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(magenta);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(122, 59, 0));
        p.drawRoundedRect(QRect(0, top, w, h - top), 18, 18);
        p.setBrush(QColor(244, 234, 203));
        p.drawRoundedRect(QRect(4, top + 4, w - 8, h - top - 8), 15, 15);
        // The green felt behind the privacy and contact lines.
        p.setBrush(QColor(22, 112, 52));
        p.drawRoundedRect(QRect(14, 150, w - 28, 96), 10, 10);
        // The fan of cards: each card's own transparent corners are filled with
        // the card's paper so the silhouette stays closed.
        const QImage cards[3] = {back, cardA, cardStar};
        const qreal angles[3] = {-18, -4, 10};
        const QPointF pivots[3] = {{50, 112}, {82, 104}, {116, 110}};
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(pivots[i]);
            p.rotate(angles[i]);
            p.setBrush(QColor(255, 253, 240));
            p.drawRoundedRect(QRectF(-29.5, -96, 59, 100), 5, 5);
            p.drawImage(QPointF(-29.5, -96), cards[i]);
            p.restore();
        }
    }
    if (scale > 1 && outline1x.size() == QSize(w, h)) {
        const QRgb outside = outline1x.pixel(0, 0);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb coarse = outline1x.pixel(x / scale, y / scale);
                const bool in1x = coarse != outside;
                const bool in2x = image.pixel(x, y) != magenta.rgb();
                if (!in1x)
                    image.setPixel(x, y, magenta.rgb());
                else if (!in2x)
                    image.setPixel(x, y, coarse);
            }
        }
    }
    return image;
}

bool Save(const QImage& image, const QDir& dir, int id) {
    return SavePicture(image, dir, QString::number(id));
}

// Every picture of the game at one scale; `about1x` is the 1x about box
// whose outline the 2x one keeps.
bool DrawPictures(const QDir& dir, int scale, const QImage& about1x, QImage* about) {
    bool ok = true;
    for (int i = 0; i < 26; ++i)
        ok &= Save(LetterCard(i, scale), dir, 102 + i);
    ok &= Save(StarCard(scale), dir, 128);
    const QImage back = UprightBack(scale);
    const QImage deckBack =
        UprightBack(scale, false); // the character stands where the sun would be
    ok &= Save(back, dir, 129);
    ok &= Save(Turned(back, 90), dir, 130);
    ok &= Save(Turned(back, 180), dir, 131);
    ok &= Save(Turned(back, 270), dir, 132);
    for (int pose = 0; pose < 11; ++pose)
        ok &= Save(DeckPose(pose, deckBack), dir, 133 + pose);
    for (int id = 144; id <= 147; ++id)
        ok &= Save(Pointer(id, scale), dir, id);
    *about = AboutBox(LetterCard(0, scale), StarCard(scale), back, about1x);
    ok &= Save(*about, dir, 200);
    ok &= DrawBoardPictures(dir, g_family, scale);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 3) {
        QTextStream(stderr) << "usage: mordaventa-pictures OUTPUT_FOLDER [ICON_FOLDER]\n";
        return 2;
    }
    const int fontId = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
    if (fontId >= 0 && !QFontDatabase::applicationFontFamilies(fontId).isEmpty())
        g_family = QFontDatabase::applicationFontFamilies(fontId).first();

    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "mordaventa-pictures: cannot create " << args.at(1) << "\n";
        return 1;
    }
    bool ok = args.size() < 3 || WriteAppIcons(args.at(2), g_family);
    QImage about1x;
    for (int scale : kPictureScales) {
        QImage about;
        ok &= DrawPictures(dir, scale, about1x, &about);
        if (scale == 1)
            about1x = Unpremultiplied(about);
    }
    return ok ? 0 : 1;
}
