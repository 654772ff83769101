#pragma once
// The start-up advertisement window: one of the vendor's four start-up pages
// in a pane, shown modally over the window that opens it. The close button
// is enabled once the first attempt to load the page has ended, loaded or
// failed; without a web site the window shows the program's own page.
#include <QDialog>

class QLabel;
class QPushButton;
class WebAccess;
class WebPane;

class frmSplash : public QDialog {
    Q_OBJECT
public:
    // access: the network layer of the pane (the program's own when null).
    explicit frmSplash(QWidget* owner = nullptr, WebAccess* access = nullptr);

    // Start-up page 1 to 4, modally over owner. The table calls AdsOn1 at the
    // end of its load, the board AdsOn2 when its file opened.
    void AdsOn1(QWidget* owner);
    void AdsOn2(QWidget* owner);
    void AdsOn3(QWidget* owner);
    void AdsOn4(QWidget* owner);

    // What AdsOn does before the modal loop: close button off, pane to the
    // page (1 to 4).
    void StartAds(int page);

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* picAds = nullptr;
    WebPane* WebBrowser1 = nullptr;
    QPushButton* cmdClose = nullptr;

public Q_SLOTS:
    void reject() override;

private:
    void AdsOn(int page, QWidget* owner);
    void SetClosable(bool closable);
};
