// The frameless window behaviour: caption dragging, close and menu labels
// that click only on a left press and release inside them, and message boxes
// placed over the window they belong to.
#include "TestSupport.h"

#include "shell/ui/MsgBoxDialog.h"
#include "shell/ui/OwnerPlacement.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QColor TextColor(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons, QPoint global = {}) {
    if (global.isNull())
        global = w->mapToGlobal(local);
    QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestWindowChrome : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void labelPressedAndReleased_data();
    void labelPressedAndReleased();
    void otherButtonsDoNotPressLabels();
    void commandMayDestroyTheWindow();
    void captionDragMovesWindow();
    void boxesOpenOverTheirOwner();
};

void TestWindowChrome::labelPressedAndReleased_data() {
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("clicks");
    QTest::newRow("inside") << QPoint(20, 8) << true;
    QTest::newRow("above the label") << QPoint(20, -1) << false;
    QTest::newRow("below its height") << QPoint(20, 20) << false;
}

void TestWindowChrome::labelPressedAndReleased() {
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, clicks);
    QWidget window;
    auto* label = new QLabel(QStringLiteral("Close"), &window);
    label->setGeometry(10, 10, 80, 20);
    auto* button = WindowChrome::AttachLabelButton(label);
    QSignalSpy clicked(button, &WindowChrome::LabelButton::clicked);
    const QColor plain = TextColor(label);

    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
    QVERIFY(TextColor(label) != plain);
    QCOMPARE(WindowChrome::CurrentPointer(label), ResId::PointerPressed);
    QCOMPARE(clicked.count(), 0);

    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, releaseAt);
    QCOMPARE(TextColor(label), plain);
    QCOMPARE(WindowChrome::CurrentPointer(label), ResId::PointerNormal);
    QCOMPARE(clicked.count(), clicks ? 1 : 0);
}

void TestWindowChrome::otherButtonsDoNotPressLabels() {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("Menu"), &window);
    label->setGeometry(0, 0, 60, 20);
    auto* button = WindowChrome::AttachLabelButton(label);
    QSignalSpy clicked(button, &WindowChrome::LabelButton::clicked);
    QTest::mouseClick(label, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicked.count(), 0);
    // A left release with no left press before it is no click either.
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicked.count(), 0);
}

void TestWindowChrome::commandMayDestroyTheWindow() {
    // The close label's command unloads the window at once.
    auto* window = new QWidget;
    auto* lblClose = new QLabel(QStringLiteral("X"), window);
    lblClose->setGeometry(0, 0, 20, 20);
    window->show();
    QPointer<QWidget> guard(window);
    connect(WindowChrome::AttachLabelButton(lblClose), &WindowChrome::LabelButton::clicked,
            [window] { delete window; });
    QTest::mouseClick(lblClose, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(guard.isNull());
}

void TestWindowChrome::captionDragMovesWindow() {
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    auto* caption = new QLabel(QStringLiteral("Caption"), &window);
    caption->setGeometry(0, 0, 300, 24);
    WindowChrome::MakeFrameless(&window);
    WindowChrome::AttachCaption(caption);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    const QPoint pressGlobal(500, 400);
    SendMouse(caption, QEvent::MouseButtonPress, QPoint(10, 5), Qt::LeftButton, Qt::LeftButton,
              pressGlobal);
    QCOMPARE(WindowChrome::CurrentPointer(caption), ResId::PointerMove);
    SendMouse(caption, QEvent::MouseMove, QPoint(40, 25), Qt::NoButton, Qt::LeftButton,
              pressGlobal + QPoint(30, 20));
    QCOMPARE(window.pos(), start + QPoint(30, 20));
    SendMouse(caption, QEvent::MouseButtonRelease, QPoint(40, 25), Qt::LeftButton, Qt::NoButton,
              pressGlobal + QPoint(30, 20));
    QCOMPARE(WindowChrome::CurrentPointer(caption), ResId::PointerNormal);
    // Moving with no button held no longer drags.
    SendMouse(caption, QEvent::MouseMove, QPoint(60, 10), Qt::NoButton, Qt::NoButton,
              pressGlobal + QPoint(90, 60));
    QCOMPARE(window.pos(), start + QPoint(30, 20));
}

// A box asked for by a window that is not shown (a question window that
// never opened) stands over the shown window that owns it, at a position the
// program gave.
void TestWindowChrome::boxesOpenOverTheirOwner() {
    OwnerPlacement::Install(*qApp);
    const MsgBoxHandler previous = setMsgBoxHandler({});
    InstallDialogMsgBox();
    QWidget owner;
    owner.setGeometry(200, 150, 320, 240);
    owner.show();
    QDialog neverShown(&owner);
    QRect placed;
    bool byProgram = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        placed = box->frameGeometry();
        byProgram = box->testAttribute(Qt::WA_Moved);
        box->close();
    });
    MsgBox(QStringLiteral("Player name already in use..."), MsgButtons::OK, QString(),
           MsgIcon::Exclamation, &neverShown);
    setMsgBoxHandler(previous);
    QVERIFY(byProgram);
    QVERIFY(qAbs(placed.center().x() - owner.frameGeometry().center().x()) <= 1);
    QVERIFY(qAbs(placed.center().y() - owner.frameGeometry().center().y()) <= 1);
}

QTEST_MAIN(TestWindowChrome)
#include "tst_windowchrome.moc"
