#pragma once
// The card picture control: a small rounded window that shows a card face,
// a card back or a deck picture, carries the card's letter, pile number and
// face-up flag for the table, can be tinted to mark it, and reports mouse
// actions to its container through signals.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "engine/CardPictureId.h"

class UserControlCards : public QWidget {
    Q_OBJECT
public:
    // Corner ellipse of the rounded outline, in pixels.
    static constexpr int kCornerEllipse = 10;
    // Picture shown before anything else is loaded: the upright card back.
    static constexpr int kDesignPicture = 129;

    explicit UserControlCards(QWidget* parent = nullptr);

    // Public members the engine and the table read and write; the control
    // itself never acts on them.
    qint16 DataField = 0;     // pile 1 to 5, 0 when not on a pile
    QString myLetter;         // "a" to "z" or "*" (upper case once laid by the player)
    bool FrontOrBack = false; // true when face up

    // Picture number of a card letter (see CardPictureId).
    static qint16 LetterResource(const QString& letter) { return CardPictureId(letter); }

    // Loads embedded picture resID and draws it at the top-left corner; the
    // control keeps its size. An unknown id leaves the current picture. A tint
    // set with MaskSet stays on the new picture (a card turned over on a
    // highlighted pile stays highlighted) until MaskRemove.
    void LoadImage(qint16 resID, const QString& sType = QStringLiteral("Custom"));
    // Makes iPicture current and sizes the control to it (full size).
    void SetPicture(const QPixmap& iPicture);
    // Scales the control and its picture. 1 to 10 are tenths of the full
    // size (the deal grows a card from 2 to 10 while it flies); larger values
    // are plain percentages.
    void ResizePic(qint16 iPecent);
    // Tints the current picture: each pixel ANDed with the colour (blue-green-red value).
    void MaskSet(quint32 iColor);
    // Shows the current picture plainly again.
    void MaskRemove();
    // Kept for callers; cards are never rotated by drawing.
    void RotateBit(double Angle);
    // The pointer shown over the card: embedded pointer picture resID.
    void SetMouseIcon(qint16 resID, const QString& sType = QStringLiteral("Custom"));
    // Raises Visibility(iBoolean); the container decides what to do with it.
    void SetVisible(bool iBoolean);

    // State the table and tests may read.
    const QPixmap& Picture() const { return m_picture; }
    // What is drawn now (the picture, tinted if a mask is set, scaled).
    const QImage& DisplayedImage() const { return m_shown; }
    bool IsMasked() const { return m_masked; }
    quint32 MaskColor() const { return m_maskColor; }
    int ScalePercent() const { return m_percent; }
    // The control's size in twips as the container measures it: the
    // picture's size in twips plus 10 after SetPicture.
    int WidthTwips() const { return m_widthTwips; }
    int HeightTwips() const { return m_heightTwips; }
    // The picture tinted by colour: every pixel's colour ANDed with it
    // (transparency kept).
    static QImage Tinted(const QImage& source, quint32 bgr);

Q_SIGNALS:
    void Visibility(bool iBoolean);
    // button: the button pressed/released (MouseDown/MouseUp) or the buttons
    // held (MouseMove); x, y in pixels inside the control.
    void MouseDown(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, int x, int y);
    void MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, int x, int y);
    void MouseUp(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Redraw();
    // What a screen reader says of the card: its letter when the face shows,
    // "Face-down card" otherwise, and its pile.
    void SayPicture(int resID);

    QPixmap m_picture; // current picture at full size
    QImage m_shown;    // what paintEvent draws (kept unpremultiplied: tints stay exact)
    bool m_masked = false;
    quint32 m_maskColor = 0;
    int m_percent = 100;
    int m_widthTwips = 0;
    int m_heightTwips = 0;
};
