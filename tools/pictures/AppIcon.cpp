#include "AppIcon.h"

#include "PictureFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QTextStream>

#include <functional>

namespace {

// Every icon is designed on this square and scaled to each size.
constexpr int kDesign = 256;
// Below this size the icons leave out the fine detail that would only blur.
constexpr int kDetailFromSize = 32;

const QColor kPaper(255, 253, 240);
const QColor kBlue(40, 100, 210);
const QColor kPurple(150, 60, 190);
const QColor kBoardGreen(120, 190, 90);
// The card colours of the letter values, around the board's edge.
const std::array<QColor, 6> kSquareColours = {QColor(46, 160, 67),  QColor(0, 150, 170),
                                              QColor(40, 100, 210), QColor(235, 130, 20),
                                              QColor(150, 60, 190), QColor(215, 40, 50)};

using Drawing = std::function<void(QPainter&, bool detail)>;

// Text as outlines, so the scalable icon looks the same without the font.
void FillText(QPainter& p, const QString& text, const QFont& font, const QPointF& centre,
              const QColor& colour) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path.translated(centre - box.center()));
}

QFont BoldFont(const QString& family, int pixelSize) {
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

// A letter card like the game's, standing at `centre`, turned by `angle`. A
// card at the front shows its letter large in the middle and its value; one
// behind shows the letter in the corner that stays visible.
void DrawCard(QPainter& p, const QString& family, const QPointF& centre, qreal angle,
              const QColor& accent, const QString& letter, int value, bool front, bool detail) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF card(-58, -94, 116, 188);
    p.setPen(QPen(accent.darker(130), 6));
    p.setBrush(kPaper);
    p.drawRoundedRect(card, 14, 14);
    if (detail) {
        p.setPen(QPen(accent, 5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(card.adjusted(11, 11, -11, -11), 8, 8);
    }
    if (front) {
        if (detail) {
            p.setPen(QPen(accent.darker(140), 3));
            p.setBrush(accent);
            p.drawEllipse(QPointF(28, -60), 19, 19);
            FillText(p, QString::number(value), BoldFont(family, 28), QPointF(28, -60), Qt::white);
        }
        FillText(p, letter, BoldFont(family, 112), QPointF(0, detail ? 18 : 0), accent.darker(150));
    } else {
        FillText(p, letter, BoldFont(family, 64), QPointF(-24, -50), accent.darker(150));
    }
    p.restore();
}

// Vantorell: two letter cards fanned out.
void DrawSolitaire(QPainter& p, const QString& family, bool detail) {
    DrawCard(p, family, QPointF(92, 132), -14, kBlue, QStringLiteral("A"), 1, false, detail);
    DrawCard(p, family, QPointF(158, 124), 10, kPurple, QStringLiteral("V"), 7, true, detail);
}

// The board game: squares around a board and a die in the middle.
void DrawBoardGame(QPainter& p, bool detail) {
    p.setPen(QPen(kBoardGreen.darker(150), 6));
    p.setBrush(kBoardGreen);
    p.drawRoundedRect(QRectF(13, 13, 230, 230), 34, 34);

    const int cells = detail ? 5 : 3;
    const qreal gap = detail ? 4 : 8;
    const qreal cell = (216 - gap * (cells - 1)) / cells;
    int colour = 0;
    p.setPen(QPen(QColor(40, 60, 30), detail ? 2 : 0.01));
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            if (row != 0 && row != cells - 1 && col != 0 && col != cells - 1)
                continue;
            p.setBrush(kSquareColours[size_t(colour++) % kSquareColours.size()]);
            p.drawRoundedRect(QRectF(20 + col * (cell + gap), 20 + row * (cell + gap), cell, cell),
                              6, 6);
        }
    }

    p.save();
    p.translate(128, 128);
    p.rotate(12);
    const qreal half = detail ? 46 : 30;
    p.setPen(QPen(QColor(50, 50, 50), detail ? 5 : 8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-half, -half, 2 * half, 2 * half), half / 4, half / 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    const qreal pip = half * 0.2;
    const qreal off = half * 0.5;
    for (const QPointF& at : {QPointF(-off, -off), QPointF(off, -off), QPointF(0, 0),
                              QPointF(-off, off), QPointF(off, off)})
        p.drawEllipse(at, pip, pip);
    p.restore();
}

bool WritePng(const Drawing& draw, int size, const QString& path) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(qreal(size) / kDesign, qreal(size) / kDesign);
        draw(p, size >= kDetailFromSize);
    }
    return QDir().mkpath(QFileInfo(path).absolutePath()) &&
           Unpremultiplied(image).save(path, "PNG");
}

bool WriteSvg(const Drawing& draw, const QString& name, const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kDesign, kDesign));
    svg.setViewBox(QRect(0, 0, kDesign, kDesign));
    // Written in millimetres: at 96 dots per inch they come to kDesign pixels.
    svg.setResolution(96);
    svg.setTitle(name);
    {
        QPainter p(&svg);
        if (!p.isActive())
            return false;
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, true);
    }
    return QFileInfo(path).size() > 0;
}

bool WriteIcon(const QString& folder, const QString& name, const Drawing& draw) {
    const QDir theme(folder + QStringLiteral("/hicolor"));
    bool ok = true;
    for (int size : kIconSizes) {
        const QString path =
            theme.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name));
        if (!WritePng(draw, size, path)) {
            QTextStream(stderr) << "mordaventa-pictures: cannot write " << path << "\n";
            ok = false;
        }
    }
    const QString svg = theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name));
    if (!WriteSvg(draw, name, svg)) {
        QTextStream(stderr) << "mordaventa-pictures: cannot write " << svg << "\n";
        ok = false;
    }
    return ok;
}

} // namespace

bool WriteAppIcons(const QString& folder, const QString& fontFamily) {
    bool ok = WriteIcon(folder, QLatin1String(kSolitaireIconName),
                        [&](QPainter& p, bool detail) { DrawSolitaire(p, fontFamily, detail); });
    ok &= WriteIcon(folder, QLatin1String(kBoardGameIconName), &DrawBoardGame);
    return ok;
}
