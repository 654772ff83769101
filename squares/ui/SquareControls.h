#pragma once
// Pieces the square windows share: the read-aloud adapter of a text box, the
// read-only text boxes and picture boxes, the speak buttons and the key
// preview through which a window sees every key of its controls.
#include "media/clSpeach.h"

#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QString>

class QLabel;
class QObject;
class QPushButton;
class QRect;
class QTextEdit;
class QWidget;

// The speech service's view of a text box; a child of the box.
class TextBoxSpeech : public SpokenTextBox {
    Q_OBJECT
public:
    explicit TextBoxSpeech(QTextEdit* box);
    QString Text() const override;
    void SetFocus() override;
    void Select(int start, int length) override;

private:
    QTextEdit* m_box;
};

namespace SquareControls {

// The wait pointer while a step runs; the normal one again when it ends.
class WaitPointer {
public:
    WaitPointer();
    ~WaitPointer() { restore(); }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;
    void restore();

private:
    bool m_on = true;
};

// A read-only, wrapping text box named objectName that keeps a spoken word's
// selection visible when it loses the focus.
QTextEdit* MakeTextBox(QWidget* parent, const QString& objectName, const QRect& geometry);
// The background of a text box, and the one it shows now.
void SetBoxColour(QTextEdit* box, const QColor& colour);
QColor BoxColour(const QTextEdit* box);
// The background of a push button, and the one it shows now.
void SetButtonColour(QPushButton* button, const QColor& colour);
QColor ButtonColour(const QPushButton* button);
// A read-aloud button with the loudspeaker picture.
QPushButton* MakeSpeakButton(QWidget* parent, const QString& objectName, const QRect& geometry,
                             const QString& toolTip);
// A picture box; ShowPicture scales the picture into it (null empties it).
QLabel* MakePictureBox(QWidget* parent, const QString& objectName, const QRect& geometry);
void ShowPicture(QLabel* box, const QPixmap& picture);
// Reads a box aloud with a new speech object, which becomes `latest` and is
// returned for the caller to hear its SpeechDone. The object before it speaks
// on to its end but no longer reports to the window, and then goes.
clSpeach* SpeakBox(QWidget* window, QPointer<clSpeach>& latest, QTextEdit* box);
// Loads a picture of a long binary field through the scratch file `name` of
// temp/, which is removed again. Without bytes, when temp/ takes no file or
// when the bytes are not a picture, the picture is left empty and the window
// goes on without it.
void LoadFieldPicture(const QString& name, const QByteArray& bytes, QPixmap& picture);
// Enter presses no button of the window, so a child pressing Enter in a text
// neither gives up the square nor reads something aloud by surprise.
void NoDefaultButton(QWidget* window);
// Escape, which would close the window and lose the square, is kept from it
// (the close button and the window manager still close it).
bool IsEscape(const QEvent* event);
// Sends the key events of the window and of all its controls to filter first.
void InstallKeyPreview(QWidget* window, QObject* filter);

} // namespace SquareControls
