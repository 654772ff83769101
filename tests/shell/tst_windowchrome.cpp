// The frameless window behaviour: rounded outline renewed on resize, caption
// dragging, close and menu labels with their pressed colour and pointers,
// push buttons with the pressed pointer.
#include "TestSupport.h"

#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
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
    void framelessWindowHasRoundedOutline();
    void labelPressedAndReleased_data();
    void labelPressedAndReleased();
    void pressedPointerFollowsTheMouse();
    void otherButtonsDoNotPressLabels();
    void commandMayDestroyTheWindow();
    void captionDragMovesWindow();
};

void TestWindowChrome::framelessWindowHasRoundedOutline() {
    QWidget window;
    window.resize(200, 100);
    WindowChrome::MakeFrameless(&window);
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(WindowChrome::CurrentPointer(&window), ResId::PointerNormal);
    const QRegion mask = window.mask();
    QCOMPARE(mask.boundingRect(), QRect(0, 0, 200, 100));
    // Corners (radius 10) are cut away, edges between them stay.
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(2, 2), QPoint(199, 0), QPoint(0, 99), QPoint(199, 99)})
        QVERIFY(!mask.contains(corner));
    for (const QPoint kept :
         {QPoint(5, 5), QPoint(100, 0), QPoint(0, 50), QPoint(199, 50), QPoint(100, 99)})
        QVERIFY(mask.contains(kept));
}

void TestWindowChrome::labelPressedAndReleased_data() {
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("clicks");
    QTest::newRow("inside") << QPoint(20, 8) << true;
    QTest::newRow("left of the label") << QPoint(-3, 8) << false;
    QTest::newRow("above the label") << QPoint(20, -1) << false;
    QTest::newRow("beyond its width") << QPoint(80, 8) << false;
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
    QCOMPARE(TextColor(label), QColor(Qt::black));

    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
    QCOMPARE(TextColor(label), QColor(192, 0, 0));
    QCOMPARE(WindowChrome::CurrentPointer(label), ResId::PointerPressed);
    QCOMPARE(clicked.count(), 0);

    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, releaseAt);
    QCOMPARE(TextColor(label), QColor(Qt::black));
    QCOMPARE(WindowChrome::CurrentPointer(label), ResId::PointerNormal);
    QCOMPARE(clicked.count(), clicks ? 1 : 0);
}

void TestWindowChrome::pressedPointerFollowsTheMouse() {
    // A label button and a push button with the pressed pointer attached.
    QWidget window;
    auto* label = new QLabel(QStringLiteral("Menu"), &window);
    label->setGeometry(0, 0, 80, 30);
    WindowChrome::AttachLabelButton(label);
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), &window);
    cmdOK->setGeometry(0, 40, 80, 30);
    WindowChrome::AttachPressPointer(cmdOK);
    QSignalSpy clicked(cmdOK, &QPushButton::clicked);
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(cmdOK)}) {
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(WindowChrome::CurrentPointer(w), ResId::PointerPressed);
        SendMouse(w, QEvent::MouseMove, QPoint(100, 10), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(WindowChrome::CurrentPointer(w), ResId::PointerNormal);
        if (w == label) // still pressed: the colour stays until the release
            QCOMPARE(TextColor(label), QColor(192, 0, 0));
        SendMouse(w, QEvent::MouseMove, QPoint(40, 10), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(WindowChrome::CurrentPointer(w), ResId::PointerPressed);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
        QCOMPARE(WindowChrome::CurrentPointer(w), ResId::PointerNormal);
    }
    // The button's own behaviour is untouched.
    QCOMPARE(clicked.count(), 1);
}

void TestWindowChrome::otherButtonsDoNotPressLabels() {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("Menu"), &window);
    label->setGeometry(0, 0, 60, 20);
    auto* button = WindowChrome::AttachLabelButton(label);
    QSignalSpy clicked(button, &WindowChrome::LabelButton::clicked);
    QTest::mouseClick(label, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(TextColor(label), QColor(Qt::black));
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

QTEST_MAIN(TestWindowChrome)
#include "tst_windowchrome.moc"
