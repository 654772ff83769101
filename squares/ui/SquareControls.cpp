#include "squares/ui/SquareControls.h"

#include "boardgame/file/BoardSettings.h"
#include "media/SpeechVoice.h"
#include "squares/SquareQuestions.h"
#include "squares/ui/SquareWindowsLook.h"

#include "shell/Logging.h"
#include "shell/MsgBox.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

TextBoxSpeech::TextBoxSpeech(QTextEdit* box) : SpokenTextBox(box), m_box(box) {}

QString TextBoxSpeech::Text() const {
    return m_box->toPlainText();
}

void TextBoxSpeech::SetFocus() {
    m_box->setFocus(Qt::OtherFocusReason);
}

void TextBoxSpeech::Select(int start, int length) {
    QTextCursor cursor(m_box->document());
    const int end = cursor.document()->characterCount() - 1; // without the last separator
    const int from = qBound(0, start, end);
    cursor.setPosition(from);
    cursor.setPosition(qBound(from, start + length, end), QTextCursor::KeepAnchor);
    m_box->setTextCursor(cursor);
}

namespace SquareControls {

WaitPointer::WaitPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void WaitPointer::restore() {
    if (m_on)
        QApplication::restoreOverrideCursor();
    m_on = false;
}

QTextEdit* MakeTextBox(QWidget* parent, const QString& objectName, const QRect& geometry) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(objectName);
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setAcceptRichText(false);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    box->setPalette(palette);
    SetBoxColour(box, SquareLook::Colour(SquareLook::White));
    new TextBoxSpeech(box);
    return box;
}

void SetBoxColour(QTextEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

QColor BoxColour(const QTextEdit* box) {
    return box->palette().color(QPalette::Base);
}

void SetButtonColour(QPushButton* button, const QColor& colour) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

QColor ButtonColour(const QPushButton* button) {
    return button->palette().color(QPalette::Button);
}

QPushButton* MakeSpeakButton(QWidget* parent, const QString& objectName, const QRect& geometry,
                             const QString& toolTip) {
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setIcon(SquareLook::SpeakerIcon());
    button->setToolTip(toolTip);
    WindowChrome::AttachPressPointer(button);
    return button;
}

QLabel* MakePictureBox(QWidget* parent, const QString& objectName, const QRect& geometry) {
    auto* box = new QLabel(parent);
    box->setObjectName(objectName);
    box->setGeometry(geometry);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

void ShowPicture(QLabel* box, const QPixmap& picture) {
    if (picture.isNull()) {
        box->clear();
        return;
    }
    box->setPixmap(
        picture.size().width() <= box->width() && picture.height() <= box->height()
            ? picture
            : picture.scaled(box->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

clSpeach* SpeakBox(QWidget* window, QPointer<clSpeach>& latest, QTextEdit* box) {
    if (latest) {
        QObject::disconnect(latest, nullptr, window, nullptr);
        if (latest->Voice() && latest->Voice()->IsSpeaking())
            QObject::connect(latest, &clSpeach::SpeechDone, latest, &QObject::deleteLater);
        else
            latest->deleteLater();
    }
    latest = new clSpeach(window);
    if (!latest->Voice())
        MsgBox(latest->MissingVoiceText(), MsgButtons::OK,
               QStringLiteral("Missing speech control..."), MsgIcon::Critical, window);
    else
        latest->Voice()->SetLanguage(BoardSettings::SpeechLanguage());
    WaitPointer wait;
    latest->SpeekVoice(box->findChild<SpokenTextBox*>());
    return latest;
}

void LoadFieldPicture(const QString& name, const QByteArray& bytes, QPixmap& picture) {
    picture = QPixmap();
    const QString path = SquareQuestions::WriteScratchFile(name, bytes);
    if (path.isEmpty())
        return;
    // A picture that cannot be decoded is left out, as a missing one is: the
    // question can still be asked.
    if (!picture.load(path)) {
        qCWarning(lcMordaventa) << "picture of" << bytes.size() << "bytes cannot be decoded";
        picture = QPixmap();
    }
    // The scratch file has served once the picture is in memory.
    QFile::remove(path);
}

void NoDefaultButton(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

bool IsEscape(const QEvent* event) {
    return event->type() == QEvent::KeyPress &&
           static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

void InstallKeyPreview(QWidget* window, QObject* filter) {
    window->installEventFilter(filter);
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(filter);
}

} // namespace SquareControls
