#include "shell/ui/frmAbout.h"

#include "shell/PictureOutline.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WebLinks.h"
#include "shell/ui/WebWindowsLook.h"
#include "shell/ui/WindowChrome.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

using namespace WebWindowsLook;

namespace {

QLabel* MakeLink(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = WindowChrome::MakeLabel(parent, name, text);
    // A style sheet, so the label button's black does not cover the link colour.
    label->setStyleSheet(
        QStringLiteral("color: %1; text-decoration: underline;").arg(Link().name()));
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Mordaventa"));
    const QPixmap picture = LoadResPictureFile(ResId::AboutBox);
    setFixedSize(picture.isNull() ? QSize(420, 300) : picture.deviceIndependentSize().toSize());

    Image1 = WindowChrome::MakeLabel(this, "Image1");
    Image1->setPixmap(picture);
    Image1->setGeometry(rect());

    // Without a web site the title is no link, and the contact line shows only
    // with an address to write to.
    const bool webSite = WebLinks::HasWebSite();
    lblTitle = webSite ? MakeLink(this, "lblTitle", QStringLiteral("Mordaventa"))
                       : WindowChrome::MakeLabel(this, "lblTitle", QStringLiteral("Mordaventa"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSize(20);
    lblTitle->setFont(titleFont);
    lblTitle->setGeometry(160, 50, 240, 36);
    if (webSite) {
        lblTitle->setToolTip(QStringLiteral("The Mordaventa home page"));
        // Dragging the title does not move the box; a click follows the link.
        connect(WindowChrome::AttachLabelButton(lblTitle), &WindowChrome::LabelButton::clicked,
                this, &frmAbout::lblTitle_Click);
    }

    // Advertisements are shown only from a configured web site.
    lblVersion = WindowChrome::MakeLabel(this, "lblVersion",
                                         VersionText(QStringLiteral(MORDAVENTA_VERSION), webSite));
    lblVersion->setGeometry(162, 88, 240, 20);
    lblDescription = WindowChrome::MakeLabel(
        this, "lblDescription",
        QStringLiteral("Vantorell, the letter-card solitaire, and the spelling and grammar "
                       "board game"));
    lblDescription->setWordWrap(true);
    lblDescription->setGeometry(162, 108, 240, 36);
    QPalette heading = lblDescription->palette();
    heading.setColor(QPalette::WindowText, Heading());
    lblDescription->setPalette(heading);

    const QString onFelt = QStringLiteral("color: #fff8dc;");
    lblPrivacy = WindowChrome::MakeLabel(
        this, "lblPrivacy",
        QStringLiteral("Mordaventa is committed to protecting your privacy..."));
    lblPrivacy->setStyleSheet(onFelt);
    lblPrivacy->setGeometry(28, 162, 364, 22);
    lblContact = WindowChrome::MakeLabel(this, "lblContact",
                                         QStringLiteral("Questions or ideas? Write to us."));
    lblContact->setStyleSheet(onFelt + QStringLiteral("text-decoration: underline;"));
    lblContact->setGeometry(28, 200, 364, 22);
    connect(WindowChrome::AttachLabelButton(lblContact), &WindowChrome::LabelButton::clicked, this,
            &frmAbout::lblContact_Click);
    lblContact->setVisible(WebLinks::HasContact());

    // The solitaire's keys, for players without a mouse.
    lblKeys = WindowChrome::MakeLabel(
        this, "lblKeys",
        QStringLiteral("Vantorell keys: 1-5 or arrows choose a pile, Enter lays the top "
                       "discard, Space turns up cards (or hurries flying cards), H hints, "
                       "L letters left."));
    lblKeys->setWordWrap(true);
    QFont small = lblKeys->font();
    small.setPointSize(7);
    lblKeys->setFont(small);
    lblKeys->setGeometry(22, 250, 290, 40);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(width() - 100, height() - 44, 80, 28);
    cmdOK->setDefault(true);
    WindowChrome::AttachPressPointer(cmdOK);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    setWindowFlag(Qt::FramelessWindowHint, true);
    WindowChrome::SetPointer(this, ResId::PointerNormal);
    WindowChrome::MakeAccessible(this);
    // The outline in logical pixels, from the 1x drawing whatever the screen's
    // ratio: the 2x drawing has the same silhouette.
    const QPixmap outline = EmbeddedPicture(QString::number(ResId::AboutBox), 1);
    if (!outline.isNull())
        setMask(OutlineOf(outline));
}

void frmAbout::ShowAbout(QWidget* owner) {
    frmAbout box(owner);
    box.exec();
}

QString frmAbout::VersionText(const QString& version, bool adsShown) {
    QStringList parts = version.split(QLatin1Char('.'));
    while (parts.size() < 3)
        parts.append(QStringLiteral("0"));
    return QStringLiteral("Version ") + parts.mid(0, 3).join(QLatin1Char('.')) +
           (adsShown ? QStringLiteral(" Ad Enabled") : QString());
}

QRegion frmAbout::OutlineOf(const QPixmap& picture) {
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const QList<QRect> runs =
        PictureOutlineRuns(image.width(), image.height(),
                           [&image](int x, int y) { return quint32(image.pixel(x, y)); });
    QRegion outline;
    for (const QRect& run : runs)
        outline += run;
    return outline;
}

void frmAbout::lblTitle_Click() {
    WebLinks::OpenVendorPage(QString(), this);
}

void frmAbout::lblContact_Click() {
    WebLinks::OpenContactMail(this);
}
