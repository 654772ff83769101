#include "BoardPictures.h"

#include "PictureFiles.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <array>
#include <cmath>

namespace {

QFont Bold(const QString& family, int pixelSize) {
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The start: a green panel with a flag on a pole and "START"; the lower right
// corner stays plain for the arrow that points to square 1.
QImage Start(const QString& family, int scale) {
    QImage image = Canvas(60, 65, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 90, 40), 1.5));
    p.setBrush(QColor(120, 210, 120));
    p.drawRoundedRect(QRectF(1, 1, 58, 63), 7, 7);
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.drawLine(QPointF(14, 8), QPointF(14, 40));
    p.setPen(QPen(QColor(150, 20, 20), 1));
    p.setBrush(QColor(230, 50, 50));
    p.drawPolygon(QPolygonF{{15, 9}, {36, 15}, {15, 22}});
    p.setPen(QColor(10, 60, 25));
    p.setFont(Bold(family, 12));
    p.drawText(QRectF(2, 40, 40, 20), Qt::AlignCenter, QStringLiteral("GO"));
    p.setFont(Bold(family, 8));
    p.drawText(QRectF(20, 24, 38, 14), Qt::AlignCenter, QStringLiteral("START"));
    return image;
}

// The finish: a chequered flag over a golden panel and "FINISH".
QImage Finish(const QString& family, int scale) {
    QImage image = Canvas(60, 65, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 100, 0), 1.5));
    p.setBrush(QColor(255, 215, 70));
    p.drawRoundedRect(QRectF(1, 1, 58, 63), 7, 7);
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.drawLine(QPointF(12, 6), QPointF(12, 44));
    const QRectF flag(13, 7, 34, 22);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 6; ++col) {
            p.setBrush((row + col) % 2 ? Qt::white : Qt::black);
            p.drawRect(QRectF(flag.left() + col * flag.width() / 6,
                              flag.top() + row * flag.height() / 4, flag.width() / 6,
                              flag.height() / 4));
        }
    }
    p.setPen(QColor(120, 60, 0));
    p.setFont(Bold(family, 10));
    p.drawText(QRectF(2, 44, 56, 16), Qt::AlignCenter, QStringLiteral("FINISH"));
    return image;
}

// An arrow pointing right, turned for the other directions.
QImage Arrow(int degrees, int scale) {
    QImage image = Canvas(22, 18, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(11, 9);
    p.rotate(degrees);
    const qreal s = degrees % 180 == 0 ? 1.0 : 0.82; // keep a turned arrow inside the box
    p.scale(s, s);
    QPolygonF arrow{{-10, -3}, {1, -3}, {1, -8}, {10, 0}, {1, 8}, {1, 3}, {-10, 3}};
    p.setPen(QPen(QColor(120, 60, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 200, 40));
    p.drawPolygon(arrow);
    return image;
}

// What tells the seats apart.
struct Figure {
    QColor shirt;
    QColor skin;
    QColor hair;
    int style; // 0 professor, 1 boy, 2 girl, 3 man, 4 lady, 5 baby
};

void Eyes(QPainter& p, const QPointF& c, qreal r, bool glasses) {
    const qreal ex = r * 0.38, ey = c.y() - r * 0.1;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c.x() - ex, ey), r * 0.2, r * 0.24);
    p.drawEllipse(QPointF(c.x() + ex, ey), r * 0.2, r * 0.24);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(c.x() - ex, ey + r * 0.03), r * 0.1, r * 0.12);
    p.drawEllipse(QPointF(c.x() + ex, ey + r * 0.03), r * 0.1, r * 0.12);
    if (glasses) {
        p.setPen(QPen(QColor(40, 40, 40), 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(c.x() - ex, ey), r * 0.3, r * 0.28);
        p.drawEllipse(QPointF(c.x() + ex, ey), r * 0.3, r * 0.28);
        p.drawLine(QPointF(c.x() - ex + r * 0.3, ey), QPointF(c.x() + ex - r * 0.3, ey));
    }
}

QImage Token(const Figure& f, int scale) {
    QImage image = Canvas(43, 50, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF head(21.5, f.style == 5 ? 22 : 19);
    const qreal r = f.style == 5 ? 11.5 : 10.5;
    // A round base so the token reads on any square.
    p.setPen(QPen(f.shirt.darker(170), 1));
    p.setBrush(f.shirt.darker(130));
    p.drawEllipse(QRectF(5, 41, 33, 8));
    // Body.
    p.setBrush(f.shirt);
    QPainterPath body;
    body.moveTo(8, 45);
    body.cubicTo(8, 33, 14, 29, 21.5, 29);
    body.cubicTo(29, 29, 35, 33, 35, 45);
    body.closeSubpath();
    p.drawPath(body);
    if (f.style == 3) { // the man's tie
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawPolygon(QPolygonF{{20, 30}, {23, 30}, {24, 40}, {21.5, 43}, {19, 40}});
    }
    // Hair behind the head.
    p.setPen(Qt::NoPen);
    p.setBrush(f.hair);
    if (f.style == 2) { // pigtails
        p.drawEllipse(QPointF(head.x() - r * 1.05, head.y() + 2), 4, 5);
        p.drawEllipse(QPointF(head.x() + r * 1.05, head.y() + 2), 4, 5);
    } else if (f.style == 4) { // long hair
        p.drawRoundedRect(QRectF(head.x() - r * 1.15, head.y() - r, r * 2.3, r * 2.1), 6, 6);
    }
    // Head.
    p.setPen(QPen(QColor(90, 60, 40), 1));
    p.setBrush(f.skin);
    p.drawEllipse(head, r, r * 0.97);
    // Hair or hat on top.
    p.setPen(Qt::NoPen);
    switch (f.style) {
    case 0: { // mortarboard over grey hair
        p.setBrush(f.hair);
        p.drawEllipse(QPointF(head.x() - r * 0.9, head.y() - 1), 3, 4);
        p.drawEllipse(QPointF(head.x() + r * 0.9, head.y() - 1), 3, 4);
        p.setBrush(QColor(30, 30, 40));
        p.drawRect(QRectF(head.x() - 7, head.y() - r - 1, 14, 5));
        p.drawPolygon(QPolygonF{{head.x() - 15, head.y() - r - 2},
                                {head.x(), head.y() - r - 8},
                                {head.x() + 15, head.y() - r - 2},
                                {head.x(), head.y() - r + 3}});
        p.setPen(QPen(QColor(240, 200, 40), 1.2));
        p.drawLine(QPointF(head.x() + 9, head.y() - r - 3), QPointF(head.x() + 12, head.y() - 3));
        break;
    }
    case 1: // cap with a peak
        p.setBrush(QColor(40, 100, 210));
        p.drawChord(QRectF(head.x() - r, head.y() - r * 1.1, 2 * r, 1.5 * r), 0, 180 * 16);
        p.drawRect(QRectF(head.x(), head.y() - r * 0.4, r * 1.2, r * 0.2));
        break;
    case 2: // fringe and a bow
    case 4:
        p.setBrush(f.hair);
        p.drawChord(QRectF(head.x() - r, head.y() - r, 2 * r, 1.2 * r), 0, 180 * 16);
        if (f.style == 2) {
            p.setBrush(QColor(230, 60, 120));
            p.drawPolygon(QPolygonF{{head.x() + 4, head.y() - r + 1},
                                    {head.x() + 11, head.y() - r - 4},
                                    {head.x() + 11, head.y() - r + 5}});
        }
        break;
    case 3: // short hair
        p.setBrush(f.hair);
        p.drawChord(QRectF(head.x() - r, head.y() - r * 1.02, 2 * r, 1.0 * r), 0, 180 * 16);
        break;
    default: // the baby's curl
        p.setPen(QPen(f.hair, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(head.x() - 3, head.y() - r - 2, 6, 6), 0, 270 * 16);
        break;
    }
    Eyes(p, head, r, f.style == 0);
    // Cheeks and mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 130, 120));
    p.drawEllipse(QPointF(head.x() - r * 0.6, head.y() + r * 0.3), r * 0.17, r * 0.11);
    p.drawEllipse(QPointF(head.x() + r * 0.6, head.y() + r * 0.3), r * 0.17, r * 0.11);
    if (f.style == 5) { // dummy
        p.setBrush(QColor(120, 190, 255));
        p.drawEllipse(QPointF(head.x(), head.y() + r * 0.45), r * 0.28, r * 0.2);
    } else {
        p.setPen(QPen(QColor(120, 30, 30), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(head.x() - r * 0.4, head.y() + r * 0.05, r * 0.8, r * 0.5), 200 * 16,
                  140 * 16);
    }
    if (f.style == 3) { // moustache
        p.setPen(Qt::NoPen);
        p.setBrush(f.hair);
        p.drawEllipse(QPointF(head.x() - 2.2, head.y() + r * 0.25), 2.6, 1.2);
        p.drawEllipse(QPointF(head.x() + 2.2, head.y() + r * 0.25), 2.6, 1.2);
    }
    return image;
}

} // namespace

bool DrawBoardPictures(const QDir& dir, const QString& fontFamily, int scale) {
    bool ok = SavePicture(Start(fontFamily, scale), dir, QStringLiteral("Start"));
    ok &= SavePicture(Finish(fontFamily, scale), dir, QStringLiteral("Finnish"));
    ok &= SavePicture(Arrow(0, scale), dir, QStringLiteral("ArrowRight"));
    ok &= SavePicture(Arrow(90, scale), dir, QStringLiteral("ArrowDown"));
    ok &= SavePicture(Arrow(180, scale), dir, QStringLiteral("ArrowLeft"));
    const std::array<std::pair<const char*, Figure>, 6> seats{{
        {"Professor", {QColor(110, 70, 150), QColor(255, 224, 189), QColor(200, 200, 200), 0}},
        {"Boy", {QColor(40, 160, 70), QColor(241, 194, 125), QColor(110, 70, 40), 1}},
        {"Girl", {QColor(235, 110, 160), QColor(255, 224, 189), QColor(150, 80, 30), 2}},
        {"Man", {QColor(40, 90, 180), QColor(198, 134, 66), QColor(40, 30, 20), 3}},
        {"Lady", {QColor(235, 130, 20), QColor(224, 172, 105), QColor(60, 30, 20), 4}},
        {"Baby", {QColor(120, 200, 230), QColor(255, 236, 210), QColor(230, 180, 60), 5}},
    }};
    for (const auto& [key, figure] : seats)
        ok &= SavePicture(Token(figure, scale), dir, QLatin1String(key));
    return ok;
}
