#pragma once
// The frameless look shared by every window: rounded outline, caption label
// that drags the window, close label, menu labels and push buttons with the
// custom pointers and the dark-red pressed colour.
#include <QColor>
#include <QObject>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QLabel;

namespace WindowChrome {

// Makes the window frameless, sets pointer 145 and gives it the rounded
// outline (corner ellipse 20 by 20), renewed on every resize; and makes it
// usable from the keyboard and by a screen reader (MakeAccessible).
void MakeFrameless(QWidget* window, int cornerEllipse = 20);

// Every control of `window` that has no accessible name and shows no text of
// its own gets one a screen reader can say, made from its object name
// (SpokenName); controls added later are named when the window is shown. And
// Enter presses the focused button, check box or option button, unless the
// window is a dialog whose default button Enter is meant for.
void MakeAccessible(QWidget* window);
// The spoken name of a control by its object name: the type prefix goes and
// the words are spread out ("lstWizard" "Wizard", "cboPlayerChance_2"
// "Player chance 3": arrays count from 1 for the listener), with plain names
// for the controls whose object names say little ("picGame", "FlexGrid").
QString SpokenName(const QString& objectName);
// Applies a rounded-rectangle mask to a widget (used by windows and cards).
void ApplyRoundedRegion(QWidget* widget, int cornerEllipse);

// Caption label: dragging it moves the window; pointer 146 while held.
void AttachCaption(QLabel* lblFormCaption);
// Close or menu label: dark red (192) and pointer 147 while pressed; black
// and pointer 145 on release; `clicked` runs only when released inside.
// Returns the object whose clicked() signal to connect to.
class LabelButton;
LabelButton* AttachLabelButton(QLabel* label);
// Push buttons and other pressable controls: pointer 147 while pressed inside.
void AttachPressPointer(QWidget* control);

// A label named `objectName` (the name tests and callers find it by).
QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& text = QString());

// Fills a widget's background (a window's paper, a caption's band) with `colour`.
void SetBackground(QWidget* widget, const QColor& colour);

// The caption labels every window has: lblFormCaption, which drags the
// window, and the "X" lblClose. The window connects closeButton's clicked()
// to what closing means for it.
struct CaptionBar {
    QLabel* caption = nullptr;
    QLabel* close = nullptr;
    LabelButton* closeButton = nullptr;
};
// Both labels, not yet placed, for windows that lay them out themselves.
CaptionBar AddCaptionBar(QWidget* window, const QString& caption);
// The two side by side, the caption taking the width, for a window's layout.
QHBoxLayout* CaptionRow(const CaptionBar& bar);
// Both labels in bold across the top of a fixed-size window, `height` pixels
// high: the caption band (background filled) the whole width, the close label
// a square at its right end, 6 pixels in from the edge. Without `closeLabel`
// the strip is the caption alone (close and closeButton null), for windows
// that close by their own buttons only.
CaptionBar AddCaptionStrip(QWidget* window, const QString& caption, int height,
                           bool closeLabel = true);

// Sets a widget's pointer to embedded pointer picture `id` and remembers the
// id (pointer pictures cannot be compared, tests and callers read the id).
void SetPointer(QWidget* widget, int id);
// The id last set with SetPointer, or 0.
int CurrentPointer(const QWidget* widget);
// A platform colour value (blue-green-red: 0xC0FFFF is light yellow).
QColor ColorFromBgr(quint32 bgr);
// Dark red (platform colour 192) of a pressed label, black when released.
QColor PressedLabelColor();
QColor ReleasedLabelColor();

class LabelButton : public QObject {
    Q_OBJECT
public:
    explicit LabelButton(QLabel* label);
    QLabel* label() const;

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label;
    bool m_pressed = false;
};

} // namespace WindowChrome
