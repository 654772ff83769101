#include "engine/ui/UserControlCards.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"

namespace {
// The container measures controls in twips, 15 to the pixel.
constexpr int kTwipsPerPixel = 15;
} // namespace

UserControlCards::UserControlCards(QWidget* parent) : QWidget(parent) {
    // Moves are reported with no button held too, as the table expects.
    setMouseTracking(true);
    // A missing design picture leaves an empty card; nothing else fails.
    SetPicture(LoadResPictureFile(kDesignPicture));
}

void UserControlCards::LoadImage(qint16 resID, const QString& sType) {
    const QPixmap picture = LoadResPictureFile(resID, sType);
    if (picture.isNull())
        return; // as before: a failed load leaves the card as it was
    m_picture = picture;
    SayPicture(resID);
    Redraw();
}

void UserControlCards::SayPicture(int resID) {
    QString name;
    if (resID >= ResId::FirstLetter && resID < ResId::StarCard)
        name = QStringLiteral("Card ") + QChar(u'A' + (resID - ResId::FirstLetter));
    else if (resID == ResId::StarCard)
        name = QStringLiteral("Star card");
    else if (resID >= ResId::FirstDeck && resID <= ResId::LastDeck)
        name = QStringLiteral("Deck");
    else
        name = QStringLiteral("Face-down card");
    if (DataField >= 1 && DataField <= 5)
        name += QStringLiteral(" on pile ") + QString::number(DataField);
    setAccessibleName(name);
}

void UserControlCards::SetPicture(const QPixmap& iPicture) {
    m_picture = iPicture;
    m_percent = 100;
    // The picture's size in twips plus 10, as the container measures it; in
    // pixels the extra 10 twips are less than one pixel and round away.
    // Logical pixels: a 2x picture (device pixel ratio 2) makes the same card.
    const QSize picture = iPicture.deviceIndependentSize().toSize();
    m_widthTwips = picture.width() * kTwipsPerPixel + 10;
    m_heightTwips = picture.height() * kTwipsPerPixel + 10;
    const QSize size(m_widthTwips / kTwipsPerPixel, m_heightTwips / kTwipsPerPixel);
    resize(size);
    // A hidden control gets its resize event only when shown: shape it now.
    WindowChrome::ApplyRoundedRegion(this, kCornerEllipse);
    SayPicture(ResId::BackCard); // pictures set whole are the backs
    Redraw();
}

void UserControlCards::ResizePic(qint16 iPecent) {
    // The deal grows flying cards by steps 2 to 10 and expects a whole card at
    // 10, so small values count in tenths; a percentage of 10 would leave the
    // dealt card a sliver.
    int percent = iPecent <= 10 ? iPecent * 10 : iPecent;
    if (percent < 1)
        percent = 1; // a card never vanishes to nothing
    m_percent = percent;
    const QSize full = m_picture.deviceIndependentSize().toSize();
    const QSize size(qMax(1, full.width() * percent / 100), qMax(1, full.height() * percent / 100));
    m_widthTwips = size.width() * kTwipsPerPixel + 10;
    m_heightTwips = size.height() * kTwipsPerPixel + 10;
    resize(size);
    WindowChrome::ApplyRoundedRegion(this, kCornerEllipse);
    Redraw();
}

QImage UserControlCards::Tinted(const QImage& source, quint32 bgr) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb andMask = WindowChrome::ColorFromBgr(bgr).rgb(); // opaque
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] &= andMask; // alpha byte of the mask is 0xFF: transparency kept
    }
    return image;
}

void UserControlCards::MaskSet(quint32 iColor) {
    m_masked = true;
    m_maskColor = iColor & 0xFFFFFF;
    Redraw();
}

void UserControlCards::MaskRemove() {
    m_masked = false;
    Redraw();
}

void UserControlCards::RotateBit(double Angle) {
    Q_UNUSED(Angle)
}

void UserControlCards::SetMouseIcon(qint16 resID, const QString& sType) {
    if (LoadResPictureFile(resID, sType).isNull())
        return;
    setCursor(ResCursor(resID));
}

void UserControlCards::SetVisible(bool iBoolean) {
    emit Visibility(iBoolean);
}

void UserControlCards::Redraw() {
    if (m_picture.isNull()) {
        m_shown = QImage();
        update();
        return;
    }
    const qreal ratio = m_picture.devicePixelRatio();
    QImage image = m_picture.toImage().convertToFormat(QImage::Format_ARGB32);
    if (m_masked)
        image = Tinted(image, m_maskColor);
    if (m_percent != 100) {
        // In device pixels: a shrunk 2x card is drawn from the 2x picture.
        const QSize size(qMax(1, image.width() * m_percent / 100),
                         qMax(1, image.height() * m_percent / 100));
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_shown = image.convertToFormat(QImage::Format_ARGB32);
    m_shown.setDevicePixelRatio(ratio); // drawn at the card's logical size
    update();
}

void UserControlCards::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_shown.isNull())
        painter.drawImage(0, 0, m_shown);
}

void UserControlCards::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    WindowChrome::ApplyRoundedRegion(this, kCornerEllipse);
}

void UserControlCards::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void UserControlCards::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void UserControlCards::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseUp(event->button(), event->modifiers(), p.x(), p.y());
}
