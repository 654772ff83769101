#pragma once
// Dialogs, message boxes and pickers open over the window they belong to.
// Qt centres a dialog over its owner, but leaves the final word to the window
// manager, and a common one puts such windows at the screen's top-left
// corner. Installed on the application, this filter gives every owned dialog
// that did not place itself an explicit position over its owner's window
// when it is shown, which window managers keep.
#include <QObject>
#include <QSet>

class QApplication;
class QWidget;

class OwnerPlacement : public QObject {
public:
    using QObject::QObject;

    // Installs one filter on the application, for the program's life.
    static void Install(QApplication& app);
    // Where a window of that size stands centred over owner's window, kept
    // on owner's screen.
    static QPoint CentredOver(const QWidget& owner, const QSize& size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Moves the dialog over the nearest shown window that owns it; false
    // when no such window is shown.
    static bool PlaceOverOwner(QWidget* dialog);

    QSet<QObject*> m_placing; // shown just now, not yet on the screen
};
