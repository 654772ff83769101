#include "table/ui/TableControls.h"

#include "players/ui/PlayerWindowLook.h"
#include "shell/ui/WebPane.h"
#include "shell/ui/WindowChrome.h"
#include "table/ui/CardLayer.h"
#include "table/ui/SavedGamesGrid.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyle>

const QString TableControls::kWizardCaption = QStringLiteral(" Wizard");

namespace {

// The caption's largest and smallest point sizes: the greeting with the word
// level shrinks to fit beside the menu before it is cut.
constexpr int kCaptionPointSize = 9;
constexpr int kCaptionMinPointSize = 7;

// Paints a label's text cut with "..." where it would run under the labels to
// its right; the label's text itself stays whole.
class ElidedLabelPainter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = qobject_cast<QLabel*>(watched);
        if (!label || event->type() != QEvent::Paint)
            return false;
        QPainter painter(label);
        const QRect area = label->contentsRect();
        const QString shown =
            label->fontMetrics().elidedText(label->text(), Qt::ElideRight, area.width());
        label->style()->drawItemText(&painter, area, int(label->alignment()), label->palette(),
                                     label->isEnabled(), shown, label->foregroundRole());
        return true;
    }
};

// The colour of a control's letters, in every state unless `group` names one.
// A palette, not a style sheet: each widget with a sheet of its own gets a
// style of its own, which costs the table's first frame several milliseconds.
// The Text role too: a check box's tick and a label the keyboard can select
// draw with it.
void SetTextColor(QWidget* widget, const QColor& colour,
                  QPalette::ColorGroup group = QPalette::All) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

// A green baize tile: the felt colour with a fine, fixed weave of lighter and
// darker fibres (computed, so every run paints the same felt).
} // namespace

QPixmap TableControls::FeltTile() {
    constexpr int size = 64;
    const QColor felt = PlayerWindowLook::Felt();
    QImage tile(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u;
            h = (h ^ (h >> 13)) * 1274126177u;
            const int grain = int((h >> 24) % 19) - 9;
            const int weave = ((x + y) % 4 == 0) ? 4 : (((x - y) & 7) == 0 ? -3 : 0);
            tile.setPixel(x, y,
                          qRgb(qBound(0, felt.red() + grain / 2, 255),
                               qBound(0, felt.green() + grain + weave, 255),
                               qBound(0, felt.blue() + grain / 2, 255)));
        }
    }
    return QPixmap::fromImage(tile);
}

void TableControls::SetUpControls(QWidget* window) {
    WindowChrome::SetBackground(window, PlayerWindowLook::Paper());
    const WindowChrome::CaptionBar bar = WindowChrome::AddCaptionBar(window, window->windowTitle());
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    QFont captionFont = window->font();
    captionFont.setBold(true);
    captionFont.setPointSize(kCaptionPointSize);
    lblFormCaption->setFont(captionFont);
    lblFormCaption->setGeometry(10, 4, 230, 26);
    lblFormCaption->installEventFilter(new ElidedLabelPainter(lblFormCaption));
    lblClose->setFont(captionFont);
    lblClose->setAlignment(Qt::AlignCenter);
    QObject::connect(bar.closeButton, &WindowChrome::LabelButton::clicked, window, &QWidget::close);

    static const char* const captions[8] = {
        "New Game",       "Board Game", "About",        "Log On As",
        "Net Dictionary", "Play Save",  "Delete Entry", "|||"};
    QFont menuFont = window->font();
    menuFont.setPointSize(9);
    for (int i = 0; i < 8; ++i) {
        auto* label = new QLabel(QString::fromLatin1(captions[i]), window);
        label->setObjectName(QStringLiteral("lblMenu_%1").arg(i));
        label->setFont(menuFont);
        label->setAlignment(Qt::AlignCenter);
        // A disabled command shows in a grey that reads well on the paper.
        SetTextColor(label, QColor(0xa0, 0x96, 0x82), QPalette::Disabled);
        lblMenu.append(label);
    }

    picGame = new CardLayer(window);
    picGame->setGeometry(3, 33, kDesignWidth - 7, kPlayAreaHeight);

    picAdds = new QWidget(window);
    picAdds->setObjectName(QStringLiteral("picAdds"));
    WebBrowser1 = new WebPane(picAdds);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));

    QFont small = window->font();
    // The grid's columns are as narrow as their twips say: a small font
    // keeps "dd-mmm-yy" whole in 60 pixels.
    small.setPointSize(7);
    QFont heading = window->font();
    heading.setBold(true);

    FlexGrid = new SavedGamesGrid(picGame);
    FlexGrid->setFont(small);
    FlexGrid->setGeometry(5, 5, 195, 178);

    cmdLettersLeft = new QPushButton(QStringLiteral("Letters left..."), picGame);
    cmdLettersLeft->setObjectName(QStringLiteral("cmdLettersLeft"));
    cmdLettersLeft->setGeometry(5, 190, 120, 26);
    cmdLettersLeft->setEnabled(false);
    WindowChrome::AttachPressPointer(cmdLettersLeft);

    const QColor onFelt(0xff, 0xf8, 0xdc);
    // A bold heading in light letters on the felt.
    auto addHeading = [this, &heading, &onFelt](const char* name, const QString& text,
                                                const QRect& place) {
        auto* label = new QLabel(text, picGame);
        label->setObjectName(QLatin1String(name));
        label->setFont(heading);
        SetTextColor(label, onFelt);
        label->setGeometry(place);
        return label;
    };
    // An on/off box and a volume slider on one row of the felt.
    auto addVolumeRow = [this, &onFelt](QCheckBox*& check, const char* checkName,
                                        const QString& caption, QSlider*& slider,
                                        const char* sliderName, int top) {
        check = new QCheckBox(caption, picGame);
        check->setObjectName(QLatin1String(checkName));
        SetTextColor(check, onFelt);
        check->setGeometry(5, top, 95, 22);
        check->setChecked(true);
        WindowChrome::AttachPressPointer(check);
        slider = new QSlider(Qt::Horizontal, picGame);
        slider->setObjectName(QLatin1String(sliderName));
        slider->setRange(0, 100);
        // Half volume until the load handler reads the device's own level, so
        // a missing "First.wav" does not leave the music muted.
        slider->setValue(50);
        slider->setGeometry(100, top, 100, 22);
        WindowChrome::AttachPressPointer(slider);
    };
    addVolumeRow(chkMusic, "chkMusic", QStringLiteral("Music On"), sldMusic, "sldMusic", 226);
    addVolumeRow(chkSound, "chkSound", QStringLiteral("Sounds On"), sldSound, "sldSound", 252);

    addHeading("Label4", QStringLiteral("Points"), QRect(5, 296, 190, 20));
    lblPoints = new QLabel(QStringLiteral("0"), picGame);
    lblPoints->setObjectName(QStringLiteral("lblPoints"));
    QFont big = window->font();
    big.setBold(true);
    big.setPointSize(26);
    lblPoints->setFont(big);
    SetTextColor(lblPoints, QColor(0xff, 0xe0, 0x66));
    lblPoints->setGeometry(5, 318, 190, 56);
    lblWinnable = new QLabel(picGame);
    lblWinnable->setObjectName(QStringLiteral("lblWinnable"));
    SetTextColor(lblWinnable, onFelt);
    lblWinnable->setWordWrap(true);
    lblWinnable->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblWinnable->setGeometry(5, 376, 205, 36);

    auto* shapeDiscard = new QWidget(picGame);
    shapeDiscard->setObjectName(QStringLiteral("shapeDiscard"));
    shapeDiscard->setAttribute(Qt::WA_TransparentForMouseEvents);
    shapeDiscard->setStyleSheet(QStringLiteral(
        "#shapeDiscard { border: 2px dashed rgba(255,255,220,150); border-radius: 8px; }"));
    shapeDiscard->setAttribute(Qt::WA_StyledBackground);
    shapeDiscard->setGeometry(295, 292, 250, 111);

    cmdDeck = new QPushButton(picGame);
    cmdDeck->setObjectName(QStringLiteral("cmdDeck"));
    cmdDeck->setFlat(true);
    cmdDeck->setFocusPolicy(Qt::NoFocus);
    cmdDeck->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; }"));
    cmdDeck->setGeometry(218, 294, 73, 118);
    cmdDeck->setIconSize(QSize(69, 114));
    cmdDeck->setToolTip(QStringLiteral("Turn up the next cards..."));
    WindowChrome::AttachPressPointer(cmdDeck);

    lblWizard = addHeading("lblWizard", kWizardCaption, QRect(660, 4, 128, 18));
    lstWizard = new QListWidget(picGame);
    lstWizard->setObjectName(QStringLiteral("lstWizard"));
    lstWizard->setGeometry(660, 24, 128, 160);

    addHeading("Label2", QStringLiteral(" Words Built"), QRect(660, 190, 128, 18));
    lstWords = new QListWidget(picGame);
    lstWords->setObjectName(QStringLiteral("lstWords"));
    lstWords->setGeometry(660, 210, 128, 190);
    WindowChrome::AttachPressPointer(lstWizard);
    WindowChrome::AttachPressPointer(lstWords);

    lblHelpPlay = new QLabel(
        QStringLiteral("Use top discard to build 3-letter words for each card stack; The game is "
                       "won when each card is turned into words..."),
        picGame);
    lblHelpPlay->setObjectName(QStringLiteral("lblHelpPlay"));
    lblHelpPlay->setWordWrap(true);
    lblHelpPlay->setAlignment(Qt::AlignCenter);
    lblHelpPlay->setFont(heading);
    SetTextColor(lblHelpPlay, QColor(0xff, 0xf3, 0xb0));
    lblHelpPlay->setGeometry(205, 418, 450, 38);
}

void TableControls::LayOutControls(int windowWidth) {
    if (!picGame)
        return;
    const int innerWidth = windowWidth - 7;
    picGame->setGeometry(3, 33, innerWidth, picGame->height());
    picAdds->setGeometry(3, picGame->y() + picGame->height(), innerWidth, 93);
    // The browser's frame lies outside the pane.
    WebBrowser1->setGeometry(-1, -1, picAdds->width() + 40, picAdds->height() + 40);

    // Caption bar: the close label at the right, the menu labels before it.
    lblClose->setGeometry(windowWidth - 30, 4, 22, 26);
    int right = windowWidth - 36;
    for (int i = lblMenu.size() - 1; i >= 0; --i) {
        QLabel* label = lblMenu[i];
        const int w = label->fontMetrics().horizontalAdvance(label->text()) + 10;
        right -= w;
        label->setGeometry(right, 4, w, 26);
    }
    lblFormCaption->setGeometry(10, 4, qMax(40, right - 14), 26);
    FitFormCaption();
}

void TableControls::FitFormCaption() {
    QFont captionFont = lblFormCaption->font();
    const int room = lblFormCaption->contentsRect().width();
    for (int size = kCaptionPointSize; size >= kCaptionMinPointSize; --size) {
        captionFont.setPointSize(size);
        if (QFontMetrics(captionFont).horizontalAdvance(lblFormCaption->text()) <= room)
            break;
    }
    lblFormCaption->setFont(captionFont);
}
