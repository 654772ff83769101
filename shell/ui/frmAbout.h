#pragma once
// The about box: the program's picture as the window's own outline, its
// version, the privacy note, and links to the vendor's home page and to an
// e-mail to the vendor.
#include <QDialog>
#include <QRegion>

class QLabel;
class QPixmap;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner = nullptr);

    // Shows the box modally over owner (the table's and the board's "About").
    static void ShowAbout(QWidget* owner);

    // "Version 1.0.0" for the program's version, followed by " Ad Enabled"
    // when advertisements are shown.
    static QString VersionText(const QString& version, bool adsShown);
    // The outline of a picture: everything that differs from its top-left pixel.
    static QRegion OutlineOf(const QPixmap& picture);

    QLabel* Image1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblPrivacy = nullptr;
    QLabel* lblContact = nullptr;
    QLabel* lblKeys = nullptr;
    QPushButton* cmdOK = nullptr;

    void lblTitle_Click();
    void lblContact_Click();
};
