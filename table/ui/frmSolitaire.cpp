#include "table/ui/frmSolitaire.h"

#include "engine/ClDictionary.h"
#include "engine/ClSolitary.h"
#include "engine/ui/UserControlCards.h"
#include "media/TableMusic.h"
#include "players/ClassPlayerInfo.h"
#include "shell/MsgBox.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"
#include "table/SolitaireTimings.h"
#include "table/TableRules.h"
#include "table/ui/ModResFiles.h"
#include "table/ui/SavedGamesGrid.h"
#include "table/ui/TableDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>

#include <limits>

using namespace SolitaireTimings;

namespace {

const QString kSaveQuestion = QStringLiteral("Do you wish to save the current game?");
const QString kSaveTitle = QStringLiteral("Save Game");

// 16-bit counters keep their range: past the top they stay at the top
// instead of overflowing.
qint16 SaturatingIncrement(qint16 value) {
    return value == std::numeric_limits<qint16>::max() ? value : qint16(value + 1);
}

QString BackKeyName(BackKey key) {
    switch (key) {
    case BackKey::BackCard:
        return QStringLiteral("BackCard");
    case BackKey::BackCard90:
        return QStringLiteral("BackCard90");
    case BackKey::BackCard180:
        return QStringLiteral("BackCard180");
    case BackKey::BackCard270:
        return QStringLiteral("BackCard270");
    case BackKey::None:
        break;
    }
    return QString();
}

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

} // namespace

// ---------------------------------------------------------------------------
// The playing area

TiledPicture::TiledPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TiledPicture::SetTile(const QPixmap& tile) {
    m_tile = tile;
    update();
}

void TiledPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_tile.isNull()) {
        painter.fillRect(rect(), QColor(0x1d, 0x6b, 0x3a));
        return;
    }
    // Tiles from the top-left corner across the whole surface, so the area
    // stays covered whatever size the layout gives it.
    painter.drawTiledPixmap(rect(), m_tile);
}

// ---------------------------------------------------------------------------
// Construction and load

frmSolitaire::frmSolitaire(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSolitaire"));
    setWindowTitle(QStringLiteral("Vantorell"));
    resize(kDesignWidth, kDesignHeight);
    BuildControls();
    FormLoad();
    // Input is refused while a flight must not be interrupted; the filter
    // sees every event of the application, so dialogs stay usable.
    qApp->installEventFilter(this);
}

frmSolitaire::~frmSolitaire() {
    qApp->removeEventFilter(this);
    if (m_busyPointer)
        QApplication::restoreOverrideCursor();
    // The engine talks to the table while it unloads cards; it goes first.
    mySolitaryGame.reset();
}

UserControlCards* frmSolitaire::MakeCard(QWidget* parent, const QString& name) {
    auto* card = new UserControlCards(parent);
    card->setObjectName(name);
    card->hide();
    connect(card, &UserControlCards::Visibility, card, &QWidget::setVisible);
    return card;
}

void frmSolitaire::BuildControls() {
    WindowChrome::SetBackground(this, QColor(0xf4, 0xea, 0xcb));
    BuildCaptionBar();
    BuildPlayArea();

    auto makeTimer = [this](const char* name, int interval, void (frmSolitaire::*tick)()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, tick);
        return timer;
    };
    TimerDeckAnimation = makeTimer("TimerDeckAnimation", DeckAnimationInterval,
                                   &frmSolitaire::TimerDeckAnimation_Timer);
    Timer2 = makeTimer("Timer2", DealInterval, &frmSolitaire::Timer2_Timer);
    TimerMoveCardBack = makeTimer("TimerMoveCardBack", MoveCardBackInterval,
                                  &frmSolitaire::TimerMoveCardBack_Timer);
    TimerWordDone =
        makeTimer("TimerWordDone", WordDoneInterval, &frmSolitaire::TimerWordDone_Timer);

    m_music = new TableMusic(this);
    TableMusic::Controls controls;
    controls.musicOn = [this] { return chkMusic->isChecked(); };
    controls.soundOn = [this] { return chkSound->isChecked(); };
    controls.musicVolume = [this] { return sldMusic->value(); };
    controls.soundVolume = [this] { return sldSound->value(); };
    m_music->setControls(controls);
    TimerAtEndFile = m_music->TimerAtEndFile();
    if (TimerAtEndFile) {
        TimerAtEndFile->setObjectName(QStringLiteral("TimerAtEndFile"));
        TimerAtEndFile->setInterval(AtEndFileInterval);
    }
}

void frmSolitaire::BuildCaptionBar() {
    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionBar(this, QStringLiteral("Vantorell"));
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    QFont captionFont = font();
    captionFont.setBold(true);
    captionFont.setPointSize(kCaptionPointSize);
    lblFormCaption->setFont(captionFont);
    lblFormCaption->setGeometry(10, 4, 230, 26);
    lblFormCaption->installEventFilter(new ElidedLabelPainter(lblFormCaption));
    lblClose->setFont(captionFont);
    lblClose->setAlignment(Qt::AlignCenter);
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QWidget::close);

    static const char* const captions[8] = {
        "New Game",       "Board Game", "About",        "Log On As",
        "Net Dictionary", "Play Save",  "Delete Entry", "|||"};
    QFont menuFont = font();
    menuFont.setPointSize(9);
    for (int i = 0; i < 8; ++i) {
        auto* label = new QLabel(QString::fromLatin1(captions[i]), this);
        label->setObjectName(QStringLiteral("lblMenu_%1").arg(i));
        label->setFont(menuFont);
        label->setAlignment(Qt::AlignCenter);
        // A disabled command shows in a grey that reads well on the felt.
        label->setStyleSheet(QStringLiteral("QLabel:disabled { color: #a09682; }"));
        connect(WindowChrome::AttachLabelButton(label), &WindowChrome::LabelButton::clicked, this,
                [this, i] { lblMenu_Click(i); });
        lblMenu.append(label);
    }
}

void frmSolitaire::BuildPlayArea() {
    picGame = new TiledPicture(this);
    picGame->setObjectName(QStringLiteral("picGame"));
    picGame->setGeometry(3, 33, kDesignWidth - 7, kPlayAreaHeight);

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setPixmap(MakeFeltTile());
    Picture2->resize(Picture2->pixmap().size());
    Picture2->hide();

    picAdds = new QWidget(this);
    picAdds->setObjectName(QStringLiteral("picAdds"));
    WebBrowser1 = new QTextBrowser(picAdds);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenLinks(false);

    QFont small = font();
    // The grid's columns are as narrow as their twips say: a small font
    // keeps "dd-mmm-yy" whole in 60 pixels.
    small.setPointSize(7);
    QFont heading = font();
    heading.setBold(true);

    FlexGrid = new SavedGamesGrid(picGame);
    FlexGrid->setFont(small);
    FlexGrid->setGeometry(5, 5, 195, 178);
    connect(FlexGrid, &SavedGamesGrid::RowChanged, this, &frmSolitaire::FlexGrid_RowChanged);

    cmdLettersLeft = new QPushButton(QStringLiteral("Letters left..."), picGame);
    cmdLettersLeft->setObjectName(QStringLiteral("cmdLettersLeft"));
    cmdLettersLeft->setGeometry(5, 190, 120, 26);
    cmdLettersLeft->setEnabled(false);
    WindowChrome::AttachPressPointer(cmdLettersLeft);
    connect(cmdLettersLeft, &QPushButton::clicked, this, &frmSolitaire::cmdLettersLeft_Click);

    const QString onFelt = QStringLiteral("color: #fff8dc;");
    // An on/off box and a volume slider on one row of the felt.
    auto addVolumeRow = [this, &onFelt](QCheckBox*& check, const char* checkName,
                                        const QString& caption, QSlider*& slider,
                                        const char* sliderName, int top) {
        check = new QCheckBox(caption, picGame);
        check->setObjectName(QLatin1String(checkName));
        check->setStyleSheet(onFelt);
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
    connect(chkMusic, &QCheckBox::clicked, this, &frmSolitaire::chkMusic_Click);
    connect(sldMusic, &QSlider::valueChanged, this,
            [this](int value) { m_music->sldMusic_Change(value); });
    connect(sldSound, &QSlider::valueChanged, this,
            [this](int value) { m_music->sldSound_Change(value); });

    Label4 = new QLabel(QStringLiteral("Points"), picGame);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(heading);
    Label4->setStyleSheet(onFelt);
    Label4->setGeometry(5, 296, 190, 20);
    lblPoints = new QLabel(QStringLiteral("0"), picGame);
    lblPoints->setObjectName(QStringLiteral("lblPoints"));
    QFont big = font();
    big.setBold(true);
    big.setPointSize(26);
    lblPoints->setFont(big);
    lblPoints->setStyleSheet(QStringLiteral("color: #ffe066;"));
    lblPoints->setGeometry(5, 318, 190, 56);

    shapeDiscard = new QWidget(picGame);
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
    connect(cmdDeck, &QPushButton::clicked, this, &frmSolitaire::cmdDeck_Click);
    SetDeckPicture(DeckRestPicture);

    // Element 0 of the pile cards is the hidden template.
    piccards.append(MakeCard(picGame, QStringLiteral("piccards_0")));
    for (int slot = 0; slot <= 6; ++slot) {
        picDiscard[slot] = MakeCard(picGame, QStringLiteral("picDiscard_%1").arg(slot));
        if (slot > 0)
            ConnectDiscard(slot);
    }

    lblWizard = new QLabel(QStringLiteral(" Wizard"), picGame);
    lblWizard->setObjectName(QStringLiteral("lblWizard"));
    lblWizard->setFont(heading);
    lblWizard->setStyleSheet(onFelt);
    lblWizard->setGeometry(660, 4, 128, 18);
    lstWizard = new QListWidget(picGame);
    lstWizard->setObjectName(QStringLiteral("lstWizard"));
    lstWizard->setGeometry(660, 24, 128, 160);
    lstWizard->setProperty("Tag", QStringLiteral("0"));
    connect(lstWizard, &QListWidget::itemClicked, this, [this] { lstWizard_Click(); });
    connect(lstWizard, &QListWidget::itemDoubleClicked, this, [this] { lstWizard_DblClick(); });

    Label2 = new QLabel(QStringLiteral(" Words Built"), picGame);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(heading);
    Label2->setStyleSheet(onFelt);
    Label2->setGeometry(660, 190, 128, 18);
    lstWords = new QListWidget(picGame);
    lstWords->setObjectName(QStringLiteral("lstWords"));
    lstWords->setGeometry(660, 210, 128, 190);
    connect(lstWords, &QListWidget::itemDoubleClicked, this, [this] { lstWords_DblClick(); });
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
    lblHelpPlay->setStyleSheet(QStringLiteral("color: #fff3b0;"));
    lblHelpPlay->setGeometry(205, 418, 450, 38);
}

QPixmap frmSolitaire::MakeFeltTile() const {
    // A green baize tile: a base colour with a fine, fixed weave of lighter
    // and darker fibres (computed, so every run paints the same felt).
    constexpr int size = 64;
    QImage tile(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u;
            h = (h ^ (h >> 13)) * 1274126177u;
            const int grain = int((h >> 24) % 19) - 9;
            const int weave = ((x + y) % 4 == 0) ? 4 : (((x - y) & 7) == 0 ? -3 : 0);
            const int g = qBound(0, 112 + grain + weave, 255);
            tile.setPixel(x, y,
                          qRgb(qBound(0, 22 + grain / 2, 255), g, qBound(0, 52 + grain / 2, 255)));
        }
    }
    return QPixmap::fromImage(tile);
}

QString frmSolitaire::OfflinePage() const {
    return QStringLiteral(
        "<html><body style='background:#f4eacb; font-family: DejaVu Sans;'>"
        "<table width='100%'><tr><td align='center'>"
        "<b style='font-size:14pt; color:#7a3b00;'>Vantorell</b><br/>"
        "<span style='color:#333;'>Turn up cards from the deck and build words on the five "
        "stacks. Every card in the stacks must become part of a word!</span>"
        "</td></tr></table></body></html>");
}

void frmSolitaire::FormLoad() {
    SetBusyPointer(true);
    TileImage(picGame, Picture2);
    MyDictionary = std::make_unique<ClDictionary>();
    MyDictionary->LoadDictionary();
    mySolitaryGame = std::make_unique<ClSolitary>(*this, MyDictionary.get());
    m_music->BuildMusicList();
    const TableMusic::InitialVolumes volumes = m_music->SetInitialVolumes();
    if (volumes.music >= 0)
        sldMusic->setValue(volumes.music);
    if (volumes.sound >= 0)
        sldSound->setValue(volumes.sound);
    LoadFlexGrid();
    CardBacks.insert(QStringLiteral("BackCard"), LoadResPictureFile(ResId::BackCard));
    CardBacks.insert(QStringLiteral("BackCard90"), LoadResPictureFile(ResId::BackCard90));
    CardBacks.insert(QStringLiteral("BackCard180"), LoadResPictureFile(ResId::BackCard180));
    CardBacks.insert(QStringLiteral("BackCard270"), LoadResPictureFile(ResId::BackCard270));
    WebBrowser1->setHtml(OfflinePage());
    WindowChrome::MakeFrameless(this);
    FormResize();
    DisableButtons();
    TimerDeckAnimation->start();
    SetBusyPointer(false);
}

void frmSolitaire::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // A frameless window gets no place from a window manager: centre it.
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    m_music->setWindowHandle(ModuleMultimedia::WindowHandle(winId()));
    RunAds();
    // The display's work area is watched from now on (SysInfo1 carries the
    // connection, so it ends with the table).
    auto* sysInfo = new QObject(this);
    sysInfo->setObjectName(QStringLiteral("SysInfo1"));
    if (QScreen* screen = this->screen()) {
        connect(screen, &QScreen::availableGeometryChanged, sysInfo,
                [this](const QRect& area) { SysInfo1_DisplayChanged(area.width()); });
    }
}

void frmSolitaire::TileImage(TiledPicture* target, QLabel* source) {
    if (!target || !source)
        return;
    target->SetTile(source->pixmap());
}

void frmSolitaire::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void frmSolitaire::FormResize() {
    if (!picGame)
        return;
    const int innerWidth = width() - 7;
    picGame->setGeometry(3, 33, innerWidth, picGame->height());
    picAdds->setGeometry(3, picGame->y() + picGame->height(), innerWidth, 93);
    // The browser's frame lies outside the pane.
    WebBrowser1->setGeometry(-1, -1, picAdds->width() + 40, picAdds->height() + 40);

    // Caption bar: the close label at the right, the menu labels before it.
    lblClose->setGeometry(width() - 30, 4, 22, 26);
    int right = width() - 36;
    for (int i = lblMenu.size() - 1; i >= 0; --i) {
        QLabel* label = lblMenu[i];
        const int w = label->fontMetrics().horizontalAdvance(label->text()) + 10;
        right -= w;
        label->setGeometry(right, 4, w, 26);
    }
    lblFormCaption->setGeometry(10, 4, qMax(40, right - 14), 26);
    FitFormCaption();
}

void frmSolitaire::FitFormCaption() {
    QFont captionFont = lblFormCaption->font();
    const int room = lblFormCaption->contentsRect().width();
    for (int size = kCaptionPointSize; size >= kCaptionMinPointSize; --size) {
        captionFont.setPointSize(size);
        if (QFontMetrics(captionFont).horizontalAdvance(lblFormCaption->text()) <= room)
            break;
    }
    lblFormCaption->setFont(captionFont);
}

void frmSolitaire::RunAds() {
    // Without a vendor address the pane keeps the program's own page.
    WebBrowser1->setHtml(OfflinePage());
}

void frmSolitaire::SysInfo1_DisplayChanged(int workAreaWidth) {
    if (!TableRules::DisplayTooSmall(workAreaWidth))
        return;
    MsgBox(QStringLiteral("Screen resolution to small need 800 by 600 pixels...\nFollow menu "
                          "commands to change your settings...\nStart/Settings/Control "
                          "Panel/Display/Settings"),
           MsgButtons::OK, QString(), MsgIcon::Critical, this);
    close();
}

// ---------------------------------------------------------------------------
// Closing

void frmSolitaire::closeEvent(QCloseEvent* event) {
    FormUnload();
    event->accept(); // the unload is never cancelled
}

bool frmSolitaire::FormUnload() {
    if (m_unloaded)
        return true;
    m_unloaded = true;
    if (mySolitaryGame && mySolitaryGame->GameInPlay) {
        if (MsgBox(kSaveQuestion, MsgButtons::YesNo, kSaveTitle, MsgIcon::Exclamation, this) ==
            MsgAnswer::Yes)
            mySolitaryGame->SaveGame();
    }
    bool saved = CurrentPlayer().SavePlayer();
    if (!saved) {
        // Losing a player's games without a word is worse than a message.
        MsgBox(QStringLiteral("Could not write the player file for ") + CurrentPlayer().NickName +
                   QStringLiteral("...\nThe previous file was kept."),
               MsgButtons::OK, QString(), MsgIcon::Critical, this);
    }
    StopTimer2();
    TimerDeckAnimation->stop();
    TimerMoveCardBack->stop();
    TimerWordDone->stop();
    m_music->CloseAll();
    QCoreApplication::processEvents();
    return saved;
}

// ---------------------------------------------------------------------------
// Menu

bool frmSolitaire::AskToSaveGame() {
    if (!mySolitaryGame->GameInPlay)
        return false;
    if (MsgBox(kSaveQuestion, MsgButtons::YesNo, kSaveTitle, MsgIcon::Exclamation, this) !=
        MsgAnswer::Yes)
        return false;
    mySolitaryGame->SaveGame();
    return true;
}

void frmSolitaire::lblMenu_Click(int index) {
    if (index < 0 || index >= lblMenu.size() || !lblMenu[index]->isEnabled())
        return;
    ClSolitary& game = *mySolitaryGame;
    switch (index) {
    case 0: // New Game
        if (!game.GameInPlay) {
            if (CurrentPlayer().NickName.isEmpty()) {
                OpenlogIn();
                return;
            }
            game.NewGame();
            return;
        }
        if (AskToSaveGame()) {
            LoadFlexGrid();
            DisableButtons();
        }
        game.NewGame();
        return;
    case 1: // Board Game: offered to save once, then start-up hands over
        AskToSaveGame();
        game.GameInPlay = false;
        ModResFiles::HandOverToBoardGame(this);
        ResetCurrentPlayer();
        return;
    case 2: // About
        TableDialogs::ShowAbout(this);
        return;
    case 3: // Log On As
        if (AskToSaveGame()) {
            LoadFlexGrid();
            DisableButtons();
        }
        OpenlogIn();
        return;
    case 4: // Net Dictionary
        if (!lstWizard->currentItem() || !lstWizard->currentItem()->isSelected()) {
            lblMenu[4]->setEnabled(false);
            return;
        }
        OpenNetDictionary(lstWizard->currentItem()->text());
        return;
    case 5: { // Play Save
        // The key is read before the grid is refilled by a save, which would
        // move the selection to another row.
        const QString key = FlexGrid->CurrentText(0);
        if (AskToSaveGame()) {
            LoadFlexGrid();
            DisableButtons();
        }
        if (!key.isEmpty())
            game.PlaySaveGame(key);
        DisableButtons();
        return;
    }
    case 6: { // Delete Entry
        if (MsgBox(QStringLiteral("You are about to delete a save game..."), MsgButtons::YesNo,
                   QString(), MsgIcon::Exclamation, this) == MsgAnswer::Yes) {
            const QString key = FlexGrid->CurrentText(0);
            if (!key.isEmpty()) {
                if (key == game.SaveGameIndex)
                    game.SaveGameIndex.clear();
                ClassPlayerInfo& player = CurrentPlayer();
                player.SavedGames.Remove(key);
                if (player.SavedGamesIndex == key)
                    player.SavedGamesIndex.clear();
                DeleteIndex = SaturatingIncrement(DeleteIndex);
                LoadFlexGrid();
                FlexGrid->SetSelectionColour(GridSelection);
            }
        }
        DisableButtons();
        return;
    }
    case 7: { // |||
        const QString key = FlexGrid->CurrentText(0);
        if (const ClassSavedGameInfo* entry = CurrentPlayer().SavedGames.Find(key))
            TableDialogs::ShowGameInfo(this, *entry);
        return;
    }
    default:
        return;
    }
}

void frmSolitaire::OpenlogIn() {
    TableDialogs::ShowLogin(this, this);
}

void frmSolitaire::OpenStartGame() {
    TableDialogs::ShowStartGame(this, *mySolitaryGame);
}

void frmSolitaire::LoadGameDefaults() {
    OpenStartGame();
}

void frmSolitaire::SetGreeting(const QString& caption) {
    SetFormCaption(caption);
}

void frmSolitaire::LoadFlexGrid() {
    FlexGrid->Fill(CurrentPlayer().SavedGames);
}

void frmSolitaire::DisableButtons() {
    cmdLettersLeft->setEnabled(mySolitaryGame->GameInPlay);
    ApplySavedGameCommands();
}

void frmSolitaire::ApplySavedGameCommands() {
    const SavedGamesRules::Commands commands = SavedGamesRules::CommandsFor(
        FlexGrid->CurrentText(5), FlexGrid->CurrentText(0), mySolitaryGame->SaveGameIndex);
    lblMenu[7]->setEnabled(commands.gameInfo);
    lblMenu[6]->setEnabled(commands.deleteEntry);
    lblMenu[5]->setEnabled(commands.playSave);
}

void frmSolitaire::FlexGrid_RowChanged() {
    ApplySavedGameCommands();
}

// ---------------------------------------------------------------------------
// Lists

void frmSolitaire::lstWizard_Click() {
    if (!mySolitaryGame->WizardIsOn) {
        lblMenu[4]->setEnabled(false);
        return;
    }
    lblMenu[4]->setEnabled(!lstWizard->selectedItems().isEmpty());
}

void frmSolitaire::lstWizard_DblClick() {
    if (QListWidgetItem* item = lstWizard->currentItem())
        OpenNetDictionary(item->text());
}

void frmSolitaire::lstWords_DblClick() {
    if (QListWidgetItem* item = lstWords->currentItem())
        OpenNetDictionary(item->text());
}

void frmSolitaire::OpenNetDictionary(const QString& word) {
    TableDialogs::ShowNetDictionary(this, word);
}

// ---------------------------------------------------------------------------
// Music and sound

void frmSolitaire::PlaySong() {
    // A deal that ends after the table was closed starts no music.
    if (!m_unloaded)
        m_music->PlaySong();
}

void frmSolitaire::MusicOff() {
    m_music->MusicOff();
}

void frmSolitaire::StopMusic() {
    if (TimerAtEndFile)
        TimerAtEndFile->stop();
    ModuleMultimedia::mmClose(QStringLiteral("midiSounds"));
}

void frmSolitaire::chkMusic_Click() {
    m_music->chkMusic_Click(mySolitaryGame->GameInPlay);
}

void frmSolitaire::TimerAtEndFile_Timer() {
    m_music->TimerAtEndFile_Timer();
}

bool frmSolitaire::SoundsOn() const {
    return chkSound->isChecked();
}

void frmSolitaire::PlaySoundEffect(const QString& relativeFile) {
    if (!m_unloaded)
        m_music->PlayEffect(relativeFile);
}

// ---------------------------------------------------------------------------
// Deck

void frmSolitaire::cmdDeck_Click() {
    ClSolitary& game = *mySolitaryGame;
    if (!game.GameInPlay) {
        if (CurrentPlayer().NickName.isEmpty())
            OpenlogIn();
        else
            OpenStartGame();
        return;
    }
    PlaySoundEffect(QStringLiteral("\\Sounds\\cardClick.wav"));
    game.PickFromDeck();
    if (game.WizardIsOn) {
        lblMenu[4]->setEnabled(false);
        RefreshWizard(qint16(GetWizardTag().toInt()));
    }
}

void frmSolitaire::RefreshWizard(qint16 pile, bool withTopDiscard) {
    mySolitaryGame->GetWizardList(pile, withTopDiscard);
}

void frmSolitaire::TimerDeckAnimation_Timer() {
    const TableRules::DeckFrame frame = TableRules::DeckAnimationFrame(DeckTag);
    SetDeckPicture(frame.picture);
    DeckTag = frame.nextTag;
}

void frmSolitaire::cmdLettersLeft_Click() {
    TableDialogs::ShowLettersLeft(this, mySolitaryGame->CardsInDeck,
                                  mySolitaryGame->CardsInDiscards);
}

void frmSolitaire::SetDeckPicture(int resId) {
    m_deckPicture = resId;
    cmdDeck->setIcon(QIcon(LoadResPictureFile(resId)));
}

// ---------------------------------------------------------------------------
// Pile cards and discards

void frmSolitaire::ConnectPileCard(UserControlCards* card) {
    connect(card, &UserControlCards::MouseDown, this,
            [this, card](Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {
                PileCard_MouseDown(card);
            });
}

void frmSolitaire::ConnectDiscard(int slot) {
    UserControlCards* card = picDiscard[slot];
    connect(card, &UserControlCards::MouseDown, this,
            [this, slot](Qt::MouseButtons button, Qt::KeyboardModifiers, int x, int y) {
                Discard_MouseDown(slot, button, x, y);
            });
    connect(card, &UserControlCards::MouseMove, this,
            [this, slot](Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y) {
                Discard_MouseMove(slot, buttons, x, y);
            });
    connect(card, &UserControlCards::MouseUp, this,
            [this, slot](Qt::MouseButtons button, Qt::KeyboardModifiers, int, int) {
                Discard_MouseUp(slot, button);
            });
}

int frmSolitaire::PileCardCount() const {
    return int(piccards.size());
}

void frmSolitaire::LoadPileCard(int index, const QString& letter, qint16 pile, bool faceUp) {
    Q_UNUSED(index) // cards are always added after the last one
    UserControlCards* card = MakeCard(picGame, QStringLiteral("piccards_%1").arg(piccards.size()));
    card->myLetter = letter;
    card->DataField = pile;
    card->FrontOrBack = faceUp;
    card->SetMouseIcon(ResId::PointerNormal);
    ConnectPileCard(card);
    piccards.append(card);
    card->raise();
}

void frmSolitaire::UnloadPileCards() {
    piccards[0]->hide();
    while (piccards.size() > 1) {
        UserControlCards* card = piccards.takeLast();
        card->hide();
        card->setParent(nullptr);
        card->deleteLater();
    }
    m_wordCards.clear();
}

void frmSolitaire::RenumberPileCards() {
    for (int i = 0; i < piccards.size(); ++i)
        piccards[i]->setObjectName(QStringLiteral("piccards_%1").arg(i));
}

int frmSolitaire::CountPileCards(int pile) const {
    int n = 0;
    for (const UserControlCards* card : piccards) {
        if (card->DataField == pile)
            ++n;
    }
    return n;
}

UserControlCards* frmSolitaire::NthPileCard(int pile, int n) const {
    int count = 0;
    for (UserControlCards* card : piccards) {
        if (card->DataField == pile && ++count == n)
            return card;
    }
    return nullptr;
}

int frmSolitaire::FirstFaceUpLeft(int pile) const {
    const UserControlCards* card =
        NthPileCard(pile, mySolitaryGame->GetPileIndexLeft(qint16(pile)) + 1);
    return card ? card->x() : TableRules::LaidCardPlace(pile, 0, 0).x();
}

UserControlCards* frmSolitaire::TopDiscard() const {
    const int slot = mySolitaryGame->DiscardIndex;
    return slot >= 1 && slot <= 6 ? picDiscard[slot] : nullptr;
}

void frmSolitaire::DiscardMaskRemove(int slot) {
    if (slot >= 1 && slot <= 6)
        picDiscard[slot]->MaskRemove();
}

void frmSolitaire::DiscardMaskSet(int slot, quint32 bgrColour) {
    if (slot >= 1 && slot <= 6)
        picDiscard[slot]->MaskSet(bgrColour);
}

void frmSolitaire::DiscardMove(int slot, int left, int top) {
    if (slot >= 1 && slot <= 6)
        picDiscard[slot]->move(left, top);
}

void frmSolitaire::DiscardBringToFront(int slot) {
    if (slot >= 1 && slot <= 6)
        picDiscard[slot]->raise();
}

void frmSolitaire::DiscardSetVisible(int slot, bool visible) {
    if (slot >= 1 && slot <= 6)
        picDiscard[slot]->setVisible(visible);
}

void frmSolitaire::DiscardSetLetter(int slot, const QString& letter) {
    if (slot < 1 || slot > 6)
        return;
    picDiscard[slot]->myLetter = letter;
    picDiscard[slot]->LoadImage(CardPictureId(letter));
}

void frmSolitaire::PileFocus(qint16 pile) {
    // Pile 0 is no pile: the hidden template card is never lit, so a focus
    // on 0 clears every highlight.
    for (UserControlCards* card : piccards) {
        if (card->DataField != pile || pile == 0)
            card->MaskRemove();
        else
            card->MaskSet(PileHighlight);
    }
}

void frmSolitaire::PileCard_MouseDown(UserControlCards* card) {
    PileFocus(card->DataField);
    PileOver = card->DataField;
    if (mySolitaryGame->WizardIsOn) {
        lblMenu[4]->setEnabled(false);
        // A click on a pile asks what that pile can still become, whatever
        // lies on the discards.
        RefreshWizard(PileOver, false);
    }
}

void frmSolitaire::Discard_MouseDown(int slot, Qt::MouseButtons button, int x, int y) {
    m_dragging = false;
    if (slot != mySolitaryGame->DiscardIndex || button != Qt::LeftButton)
        return;
    UserControlCards* card = picDiscard[slot];
    card->raise();
    card->MaskSet(PickedUpDiscard);
    card->SetMouseIcon(ResId::PointerMove);
    PileOver = 0;
    m_grab = QPointF(x, y);
    m_dragging = true;
}

void frmSolitaire::Discard_MouseMove(int slot, Qt::MouseButtons buttons, int x, int y) {
    if (!m_dragging || slot != mySolitaryGame->DiscardIndex || !(buttons & Qt::LeftButton))
        return;
    ClSolitary& game = *mySolitaryGame;
    UserControlCards* card = picDiscard[slot];
    int left = qMax(0, card->x() + int(x - m_grab.x()));
    int top = qMax(0, card->y() + int(y - m_grab.y()));
    left = qMin(left, width() - card->width());
    top = qMin(top, height() - card->height());
    card->move(left, top);

    if (top <= PileBandMaxTop) {
        const int pile = TableRules::PileBandAt(left);
        if (pile != 0) {
            if (game.CardPile(pile) == QLatin1String(":")) {
                // A pile with no cards left takes nothing; the pile the card
                // came from must not stay lit as if it would take the card.
                if (PileOver != 0)
                    PileFocus(0);
                PileOver = 0;
            } else if (PileOver != pile) {
                PileFocus(qint16(pile));
                PileOver = qint16(pile);
                // The list was emptied when the card left every pile; coming
                // back to the same pile must list its words again.
                if (GetWizardTag().toInt() != pile || lstWizard->count() == 0) {
                    SetWizardTag(QString::number(pile));
                    if (game.WizardIsOn) {
                        lblMenu[4]->setEnabled(false);
                        RefreshWizard(PileOver);
                    }
                }
            }
        } else if (PileOver != 0) {
            PileFocus(0);
            PileOver = 0;
        }
        if (PileOver == 0 && game.WizardIsOn)
            lstWizard->clear();
    } else if (PileOver != 0) {
        PileFocus(0);
        PileOver = 0;
    }
}

void frmSolitaire::Discard_MouseUp(int slot, Qt::MouseButtons button) {
    UserControlCards* card = picDiscard[slot];
    const bool wasDragging = m_dragging;
    m_dragging = false;
    Q_UNUSED(button) // a release of any button ends the drag with a drop
    if (wasDragging && slot == mySolitaryGame->DiscardIndex) {
        ClSolitary& game = *mySolitaryGame;
        const int threshold =
            TableRules::DropThreshold(game.GetPileIndex(PileOver), game.GetPileIndexLeft(PileOver));
        if (PileOver == 0 || card->y() > threshold)
            moveCardBack();
        else
            game.PlaceTopDiscard(PileOver);
    }
    card->SetMouseIcon(ResId::PointerNormal);
}

void frmSolitaire::LayCardDown(qint16 pile) {
    ClSolitary& game = *mySolitaryGame;
    UserControlCards* dragged = TopDiscard();
    if (!dragged || pile < 1 || pile > 5)
        return;
    const QPoint place =
        TableRules::LaidCardPlace(pile, game.GetPileIndexLeft(pile), game.GetPileIndex(pile));
    picCardsIndex = SaturatingIncrement(picCardsIndex);
    const QString letter = dragged->myLetter.toUpper();
    LoadPileCard(PileCardCount(), letter, pile, true);
    UserControlCards* card = piccards.last();
    game.LayLetterOnPile(pile, letter);
    card->LoadImage(CardPictureId(letter));
    card->MaskSet(LaidCard);
    card->move(place);
    card->show();
    dragged->SetVisible(false);
    PileFocus(0);
    if (game.DiscardIndex > 0)
        game.DiscardIndex = qint16(game.DiscardIndex - 1);
    if (game.WizardIsOn) {
        RefreshWizard(PileOver);
        PileFocus(PileOver);
        SetWizardTag(QString::number(PileOver));
    } else {
        PileFocus(0);
    }
    game.DisplayDiscards();
}

void frmSolitaire::moveCardBack() {
    UserControlCards* card = TopDiscard();
    if (!card)
        return;
    SetFormEnabled(false);
    card->MaskSet(ReturningDiscard);
    card->SetMouseIcon(ResId::PointerNormal);
    PlaySoundEffect(QStringLiteral("\\Sounds\\cards.wav"));
    TimerMoveCardBack->start();
}

void frmSolitaire::TimerMoveCardBack_Timer() {
    UserControlCards* card = TopDiscard();
    if (!card) {
        TimerMoveCardBack->stop();
        SetFormEnabled(true);
        return;
    }
    const int slot = mySolitaryGame->DiscardIndex;
    const TableRules::Step top = TableRules::StepTowards(card->y(), DiscardHomeTop, FlightStep);
    const TableRules::Step left =
        TableRules::StepTowards(card->x(), DiscardHomeLeft[slot - 1], FlightStep);
    card->move(left.position, top.position);
    card->SetMouseIcon(ResId::PointerNormal);
    if (top.arrived && left.arrived) {
        card->MaskSet(DiscardAtRest);
        SetFormEnabled(true);
        TimerMoveCardBack->stop();
    }
}

// ---------------------------------------------------------------------------
// A finished word

void frmSolitaire::MoveCardsToWordList() {
    ClSolitary& game = *mySolitaryGame;
    SetFormEnabled(false);
    m_wordCards = QList<UserControlCards*>(qMax<int>(0, game.wordlevel), nullptr);
    const int pile = PileOver;
    const int faceDown = int(TableRules::FaceDownPart(game.CardPile(pile)).size());
    int count = 0;
    for (UserControlCards* card : piccards) {
        if (card->DataField != pile || pile == 0)
            continue;
        ++count;
        if (count <= faceDown)
            continue;
        card->raise();
        card->MaskSet(WordCard);
        const int place = count - faceDown - 1;
        if (place < m_wordCards.size())
            m_wordCards[place] = card;
    }
    TimerWordDone->start();
}

void frmSolitaire::TimerWordDone_Timer() {
    bool reachedTop = false;
    bool reachedLeft = false;
    for (UserControlCards* card : std::as_const(m_wordCards)) {
        if (card)
            card->raise();
    }
    for (UserControlCards* card : std::as_const(m_wordCards)) {
        if (!card)
            continue;
        const TableRules::Step top = TableRules::StepTowards(card->y(), WordGoal.y(), FlightStep);
        const TableRules::Step left = TableRules::StepTowards(card->x(), WordGoal.x(), FlightStep);
        card->move(left.position, top.position);
        reachedTop = reachedTop || top.arrived;
        reachedLeft = reachedLeft || left.arrived;
    }
    // A word of no cards (never expected) must not leave the table locked.
    const bool noCards = std::all_of(m_wordCards.cbegin(), m_wordCards.cend(),
                                     [](const UserControlCards* c) { return c == nullptr; });
    if (!(reachedTop && reachedLeft) && !noCards)
        return;

    for (UserControlCards* card : std::as_const(m_wordCards)) {
        if (!card)
            continue;
        piccards.removeOne(card);
        card->hide();
        card->setParent(nullptr);
        card->deleteLater();
    }
    m_wordCards.clear();
    RenumberPileCards();

    ClSolitary& game = *mySolitaryGame;
    const QString word = game.GetTheWord(PileOver);
    const qint16 total = game.ScorePileWord(PileOver);
    lblPoints->setText(QString::number(total));
    lstWords->addItem(word.toLower());
    SetFormEnabled(true);
    TimerWordDone->stop();
    FilpNextCardOver();
}

void frmSolitaire::FilpNextCardOver() {
    ClSolitary& game = *mySolitaryGame;
    const qint16 pile = PileOver;
    if (pile >= 1 && pile <= 5) {
        const int faceDown = game.RemoveWordFromPile(pile);
        if (UserControlCards* card = faceDown > 0 ? NthPileCard(pile, faceDown) : nullptr) {
            card->FrontOrBack = true;
            card->LoadImage(CardPictureId(card->myLetter));
        }
    }
    bool won = false;
    if (game.AllPilesDone()) {
        game.IfGameIsDone = true;
        won = true;
        GameWon();
    }
    if (pile >= 1 && pile <= 5 && game.CardPile(pile) == QLatin1String(":"))
        PileOver = 0;
    // After a win the game-over window has cleared the table already.
    if (!won && !game.IfGameIsDone) {
        if (game.WizardIsOn) {
            RefreshWizard(PileOver);
            PileFocus(PileOver);
        } else {
            PileFocus(0);
        }
        game.DisplayDiscards();
    }
}

// ---------------------------------------------------------------------------
// The deal flight

void frmSolitaire::FlyCardToPile(int index) {
    Q_UNUSED(index) // the card in flight is always the newest
    // A table closed during the deal animates nothing more; the engine's
    // remaining cards are put down at once.
    if (m_unloaded)
        return;
    Timer2->start();
    if (m_stepFlightsDirectly) {
        // The ticks run here; the real timer must not step the card as well.
        const QSignalBlocker steppedHere(Timer2);
        while (Timer2->isActive())
            Timer2_Timer();
        return;
    }
    QEventLoop wait;
    connect(this, &frmSolitaire::DealFlightEnded, &wait, &QEventLoop::quit);
    if (Timer2->isActive())
        wait.exec();
}

void frmSolitaire::StopTimer2() {
    const bool wasActive = Timer2->isActive();
    Timer2->stop();
    if (wasActive)
        Q_EMIT DealFlightEnded();
}

void frmSolitaire::Timer2_Timer() {
    if (piccards.size() < 2) {
        StopTimer2();
        Timer2Tag = QStringLiteral("0");
        return;
    }
    UserControlCards* card = piccards.last();
    const int pile = card->DataField;
    const int n = CountPileCards(pile);
    const int step = Timer2Tag.toInt();

    if (step >= DealFirstStep && step < int(DealSteps.size())) {
        const DealStep& s = DealSteps[step];
        if (s.deckPicture)
            SetDeckPicture(s.deckPicture);
        if (s.back != BackKey::None)
            card->SetPicture(CardBacks.value(BackKeyName(s.back)));
        if (s.resizeStep)
            card->ResizePic(qint16(s.resizeStep));
        if (s.moveTo != NoMove)
            card->move(s.moveTo);
        if (step == DealLaunchStep) {
            card->raise();
            card->show();
            PlaySoundEffect(QStringLiteral("\\Sounds\\cardClick.wav"));
        }
    } else if (step == DealApproachStep) {
        if (pile >= 1 && pile <= 5)
            card->move(DealApproach[pile - 1]);
    } else if (step == DealTurnOverStep) {
        card->SetPicture(CardBacks.value(QStringLiteral("BackCard")));
        card->ResizePic(qint16(DealTurnOverResize));
        if (card->FrontOrBack)
            card->LoadImage(CardPictureId(card->myLetter));
        if (pile >= 1 && pile <= 5)
            card->move(DealTurnOver[pile - 1]);
    } else if (step == DealLastStep) {
        QPoint place = TableRules::DealFinalPlace(pile, n);
        if (card->FrontOrBack && SaveGameCardPos > 1) {
            place = QPoint(FirstFaceUpLeft(pile),
                           TableRules::SavedCardTop(mySolitaryGame->GetPileIndexLeft(qint16(pile)),
                                                    SaveGameCardPos));
        }
        card->move(place);
        card->show();
        Timer2Tag = QStringLiteral("0");
        StopTimer2();
    }
    QCoreApplication::processEvents();
    Timer2Tag = QString::number(Timer2Tag.toInt() + 1);
}

// ---------------------------------------------------------------------------
// What the engine sets on the table

void frmSolitaire::SetFormCaption(const QString& caption) {
    lblFormCaption->setText(caption);
    // A long nick name may not fit beside the menu: the whole line is in the tip.
    lblFormCaption->setToolTip(caption);
    FitFormCaption();
}

void frmSolitaire::SetHelpPlay(bool visible, const QString& caption) {
    if (visible)
        lblHelpPlay->setText(caption);
    lblHelpPlay->setVisible(visible);
}

void frmSolitaire::SetPointsCaption(const QString& caption) {
    lblPoints->setText(caption);
}

void frmSolitaire::SetWizardCaption(const QString& caption) {
    lblWizard->setText(caption);
}

void frmSolitaire::SetLettersLeftEnabled(bool enabled) {
    cmdLettersLeft->setEnabled(enabled);
}

void frmSolitaire::SetNetDictionaryEnabled(bool enabled) {
    lblMenu[4]->setEnabled(enabled);
}

void frmSolitaire::WizardClear() {
    lstWizard->clear();
}

void frmSolitaire::WizardAddItems(const QStringList& items) {
    lstWizard->addItems(items);
}

int frmSolitaire::WizardCount() const {
    return lstWizard->count();
}

void frmSolitaire::WizardSetListIndex(int index) {
    lstWizard->setCurrentRow(index);
}

void frmSolitaire::WizardSetEnabled(bool enabled) {
    lstWizard->setEnabled(enabled);
}

QString frmSolitaire::GetWizardTag() const {
    return lstWizard->property("Tag").toString();
}

void frmSolitaire::SetWizardTag(const QString& tag) {
    lstWizard->setProperty("Tag", tag);
}

void frmSolitaire::WordsClear() {
    lstWords->clear();
}

void frmSolitaire::WordsAddItem(const QString& word) {
    lstWords->addItem(word);
}

void frmSolitaire::SetFormEnabled(bool enabled) {
    // Card flights only refuse input (the controls keep their look); the
    // start-game dialog disables the whole window for the deal, and the
    // engine's "enabled" at the end of the deal gives it back.
    m_inputBlocked = !enabled;
    if (enabled && !isEnabled())
        setEnabled(true);
}

void frmSolitaire::SetBusyPointer(bool busy) {
    if (busy == m_busyPointer)
        return;
    m_busyPointer = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmSolitaire::SetTimerDeckAnimation(bool enabled) {
    if (enabled)
        TimerDeckAnimation->start();
    else
        TimerDeckAnimation->stop();
}

void frmSolitaire::LoadWordMade(const QString& word) {
    TableDialogs::ShowWordMade(this, *mySolitaryGame, word);
}

void frmSolitaire::LoadMistake() {
    TableDialogs::ShowMistake(this, *mySolitaryGame);
}

void frmSolitaire::GameWon() {
    TableDialogs::ShowGameWon(this, *mySolitaryGame);
}

bool frmSolitaire::eventFilter(QObject* watched, QEvent* event) {
    if (!m_inputBlocked)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return true; // the table takes no input while an animation runs
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
