#pragma once
// The questions the board editor asks through standard dialogs (a file to
// open, a file to save, a name), gathered so tests can answer them.
#include <QString>

#include <functional>

class QWidget;

struct BoardEditorDialogs {
    // (parent, title, filter) -> chosen path, "" when cancelled.
    using FileQuestion =
        std::function<QString(QWidget* parent, const QString& title, const QString& filter)>;
    // (parent, title, label, suggestion) -> the text, "" when cancelled.
    using TextQuestion = std::function<QString(QWidget* parent, const QString& title,
                                               const QString& label, const QString& suggestion)>;
    FileQuestion openFile;
    FileQuestion saveFile;
    TextQuestion askText;

    // The desktop's own file and input dialogs.
    static BoardEditorDialogs Standard();
};
