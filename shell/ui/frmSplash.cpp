#include "shell/ui/frmSplash.h"

#include "shell/WebAddresses.h"
#include "shell/ui/WebPane.h"
#include "shell/ui/WebWindowsLook.h"
#include "shell/ui/WindowChrome.h"

#include <QLabel>
#include <QPushButton>

using namespace WebWindowsLook;

frmSplash::frmSplash(QWidget* owner, WebAccess* access) : QDialog(owner) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Mordaventa"));
    const int width = kSplashPane.width() + 2 * kMargin;
    const int height = kCaptionHeight + kSplashPane.height() + kSplashButtonHeight + 3 * kMargin;
    setFixedSize(width, height);
    WindowChrome::SetBackground(this, Paper());

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionStrip(this, QStringLiteral("Mordaventa"), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    lblFormCaption->setContentsMargins(kMargin, 0, 0, 0);
    WindowChrome::SetBackground(lblFormCaption, Paper());
    lblClose->raise();
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &frmSplash::reject);

    // The pane takes the size of the frame picture it sits on.
    picAds = WindowChrome::MakeLabel(this, "picAds");
    picAds->setGeometry(kMargin, kCaptionHeight + kMargin / 2, kSplashPane.width(),
                        kSplashPane.height());
    picAds->setFrameShape(QFrame::Box);
    WebBrowser1 = new WebPane(picAds, access);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(picAds->contentsRect());

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(width - kMargin - 90, height - kMargin - kSplashButtonHeight, 90,
                          kSplashButtonHeight);
    WindowChrome::AttachPressPointer(cmdClose);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    // Whatever the first attempt gives, loaded or failed, the window can be
    // closed from then on.
    connect(WebBrowser1, &WebPane::DocumentComplete, this, [this] { SetClosable(true); });
    connect(WebBrowser1, &WebPane::NavigateError, this,
            [this](const QString&, const QString&, bool* cancel) {
                *cancel = true;
                WebBrowser1->Navigate(WebAddresses::kOffLinePage);
                SetClosable(true);
            });

    WebBrowser1->Navigate(WebAddresses::kOffLinePage);
    WindowChrome::MakeFrameless(this);
}

void frmSplash::AdsOn1(QWidget* owner) {
    AdsOn(1, owner);
}
void frmSplash::AdsOn2(QWidget* owner) {
    AdsOn(2, owner);
}
void frmSplash::AdsOn3(QWidget* owner) {
    AdsOn(3, owner);
}
void frmSplash::AdsOn4(QWidget* owner) {
    AdsOn(4, owner);
}

void frmSplash::AdsOn(int page, QWidget* owner) {
    if (owner && owner != parentWidget())
        setParent(owner, windowFlags());
    StartAds(page);
    exec();
}

void frmSplash::StartAds(int page) {
    SetClosable(false);
    const QStringList paths = WebAddresses::SplashPaths();
    WebBrowser1->Navigate(WebAddresses::Address(paths.at(qBound(1, page, 4) - 1)));
}

void frmSplash::SetClosable(bool closable) {
    cmdClose->setEnabled(closable);
    lblClose->setEnabled(closable);
}

void frmSplash::reject() {
    // Escape and the close label wait for the close button, as the window does.
    if (cmdClose->isEnabled())
        QDialog::reject();
}
