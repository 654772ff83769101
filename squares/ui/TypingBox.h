#pragma once
// The spelling window's typing box. Nothing reaches its text on its own:
// every typed or composed character is handed to the window, which appends it
// or refuses it; keys that would erase or move back are swallowed, pastes and
// drops are refused, and the caret goes back to the end after every click.
#include <QTextEdit>

class TypingBox : public QTextEdit {
    Q_OBJECT
public:
    explicit TypingBox(QWidget* parent = nullptr);

    QString Typed() const { return toPlainText(); }
    // Replaces the text and puts the caret at its end.
    void SetTyped(const QString& text);
    void Append(const QString& text);
    void MoveCaretToEnd();

Q_SIGNALS:
    // Characters from a key or an input method, not yet in the box (Enter and
    // Tab come as their control characters).
    void CharactersTyped(const QString& characters);
    // Backspace, a key held with Ctrl, or text pasted or dropped into the box.
    void KeyRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
