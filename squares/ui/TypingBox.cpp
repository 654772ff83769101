#include "squares/ui/TypingBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCursor>

TypingBox::TypingBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setTabChangesFocus(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TypingBox::SetTyped(const QString& text) {
    setPlainText(text);
    MoveCaretToEnd();
}

void TypingBox::Append(const QString& text) {
    MoveCaretToEnd();
    textCursor().insertText(text);
    MoveCaretToEnd();
}

void TypingBox::MoveCaretToEnd() {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
}

void TypingBox::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (isReadOnly())
        return;
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return; // no moving back
    case Qt::Key_Backspace:
        emit KeyRefused();
        return;
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
        return;
    default:
        break;
    }
    // Paste, select all, undo and the like.
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        emit KeyRefused();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty())
        emit CharactersTyped(text);
}

void TypingBox::inputMethodEvent(QInputMethodEvent* event) {
    // Composition in progress is not shown; what the input method commits
    // counts as typed.
    event->accept();
    if (!isReadOnly() && !event->commitString().isEmpty())
        emit CharactersTyped(event->commitString());
}

bool TypingBox::canInsertFromMimeData(const QMimeData*) const {
    return !isReadOnly();
}

void TypingBox::insertFromMimeData(const QMimeData*) {
    emit KeyRefused();
}

void TypingBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    MoveCaretToEnd();
}

void TypingBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QTextEdit::mouseDoubleClickEvent(event);
    MoveCaretToEnd();
}
