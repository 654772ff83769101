#include "table/ui/frmSolitaire.h"

#include "engine/ClDictionary.h"
#include "engine/ClSolitary.h"
#include "engine/ui/frmDialogInfo.h"
#include "engine/ui/frmGameDone.h"
#include "media/TableMusic.h"
#include "players/ui/PlayerFileMessages.h"
#include "players/ui/frmLogin.h"
#include "shell/MsgBox.h"
#include "shell/RandomSource.h"
#include "shell/WebAddresses.h"
#include "shell/ui/BannerRotation.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WebPane.h"
#include "shell/ui/WindowChrome.h"
#include "shell/ui/frmAbout.h"
#include "shell/ui/frmDictionary.h"
#include "shell/ui/frmSplash.h"
#include "table/SolitaireTimings.h"
#include "table/TableRules.h"
#include "table/WinnableWatch.h"
#include "table/ui/CardLayer.h"
#include "table/ui/SavedGamesGrid.h"
#include "table/ui/TableDialogs.h"
#include "table/ui/TableKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>

using namespace SolitaireTimings;

namespace {

const QString kSaveQuestion = QStringLiteral("Do you wish to save the current game?");
const QString kSaveTitle = QStringLiteral("Save Game");

} // namespace

frmSolitaire::Busy::Busy(frmSolitaire& table) : m_table(table) {
    ++m_table.m_busyDepth;
}

frmSolitaire::Busy::~Busy() {
    if (--m_table.m_busyDepth == 0 && m_table.m_closeWanted) {
        // Out of every handler that let events run: the close asked for
        // meanwhile goes ahead, from the event loop.
        QTimer::singleShot(0, &m_table, [table = &m_table] { table->close(); });
    }
}

// ---------------------------------------------------------------------------
// Construction and load

frmSolitaire::frmSolitaire(QWidget* parent, RandomSource* random)
    : QWidget(parent), m_random(random) {
    setObjectName(QStringLiteral("frmSolitaire"));
    setWindowTitle(ClSolitary::TableCaption(QString()));
    resize(kDesignWidth, kDesignHeight);
    SetUpControls(this);
    ConnectControls();
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
    // A search still running reads the word list: it ends before the list.
    m_winnable.reset();
}

void frmSolitaire::ConnectControls() {
    TimerDeckAnimation = new QTimer(this);
    TimerDeckAnimation->setObjectName(QStringLiteral("TimerDeckAnimation"));
    TimerDeckAnimation->setInterval(DeckAnimationInterval);
    connect(TimerDeckAnimation, &QTimer::timeout, this, &frmSolitaire::TimerDeckAnimation_Timer);

    // A banner page that cannot be had gives way to "About:Off-Line".
    m_banner = new BannerRotation(WebBrowser1, BannerRotation::Kind::Table);

    m_music = new TableMusic(RandomSource::instance(), this);
    TableMusic::Controls controls;
    controls.musicOn = [this] { return chkMusic->isChecked(); };
    controls.soundOn = [this] { return chkSound->isChecked(); };
    controls.musicVolume = [this] { return sldMusic->value(); };
    controls.soundVolume = [this] { return sldSound->value(); };
    m_music->setControls(controls);
    if (QTimer* atEndFile = m_music->TimerAtEndFile())
        atEndFile->setObjectName(QStringLiteral("TimerAtEndFile"));
    connect(chkMusic, &QCheckBox::clicked, this,
            [this] { m_music->chkMusic_Click(mySolitaryGame->GameInPlay); });
    connect(sldMusic, &QSlider::valueChanged, m_music, &TableMusic::sldMusic_Change);
    connect(sldSound, &QSlider::valueChanged, m_music, &TableMusic::sldSound_Change);

    for (int i = 0; i < lblMenu.size(); ++i) {
        connect(WindowChrome::AttachLabelButton(lblMenu[i]), &WindowChrome::LabelButton::clicked,
                this, [this, i] { lblMenu_Click(i); });
    }
    connect(FlexGrid, &SavedGamesGrid::RowChanged, this, &frmSolitaire::ApplySavedGameCommands);
    connect(cmdLettersLeft, &QPushButton::clicked, this, &frmSolitaire::cmdLettersLeft_Click);
    connect(cmdDeck, &QPushButton::clicked, this, &frmSolitaire::cmdDeck_Click);
    SetDeckPicture(DeckRestPicture);
    connect(lstWizard, &QListWidget::itemClicked, this, &frmSolitaire::lstWizard_Click);
    for (QListWidget* list : {lstWizard, lstWords}) {
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this](QListWidgetItem* item) { OpenNetDictionary(item->text()); });
    }

    connect(picGame, &CardLayer::InputBlocked, this, [this](bool blocked) {
        m_inputBlocked = blocked;
        if (!blocked && !isEnabled())
            EnableAgain();
    });
    connect(picGame, &CardLayer::DeckPicture, this, &frmSolitaire::SetDeckPicture);
    connect(picGame, &CardLayer::Sound, this, &frmSolitaire::PlaySound);
    connect(picGame, &CardLayer::PileCardPressed, this, &frmSolitaire::PileCardPressed);
    connect(picGame, &CardLayer::PileEntered, this, &frmSolitaire::CardOverPile);
    connect(picGame, &CardLayer::PilesLeft, this, [this] {
        if (mySolitaryGame->WizardIsOn)
            ClearHints();
    });
    connect(picGame, &CardLayer::Dropped, this, &frmSolitaire::CardDropped);
    connect(picGame, &CardLayer::WordArrived, this, &frmSolitaire::WordArrived);
    new TableKeys(picGame, lstWizard,
                  {[this] { cmdDeck_Click(); },
                   [this] {
                       if (cmdLettersLeft->isEnabled())
                           cmdLettersLeft_Click();
                   },
                   [this] { lblMenu_Click(4); }});
    // A hint chosen by the arrow keys offers the dictionary as a click does.
    connect(lstWizard, &QListWidget::itemSelectionChanged, this, &frmSolitaire::lstWizard_Click);
}

void frmSolitaire::FormLoad() {
    SetBusy(true);
    picGame->SetTile(FeltTile());
    MyDictionary = std::make_unique<ClDictionary>();
    // Read after the first frame, or at the first question before it.
    MyDictionary->LoadDictionaryLater();
    m_winnable = std::make_unique<WinnableWatch>(*MyDictionary);
    connect(m_winnable.get(), &WinnableWatch::Answered, this,
            [this](WinnableWatch::Mark, const QString& text) { lblWinnable->setText(text); });
    mySolitaryGame = std::make_unique<ClSolitary>(*this, m_player, MyDictionary.get());
    LoadFlexGrid();
    WindowChrome::MakeFrameless(this);
    // Laid out first, so the banner's page is made once, for its own height.
    LayOutControls(width());
    WebBrowser1->Navigate(WebAddresses::kOffLinePage);
    DisableButtons();
    SetBusy(false);
}

void frmSolitaire::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    picGame->setFocus(); // the keys play the game from the start
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

void frmSolitaire::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    // From the event loop, so the whole frame is out first.
    QTimer::singleShot(0, this, &frmSolitaire::AfterFirstFrame);
}

void frmSolitaire::AfterFirstFrame() {
    if (m_closing)
        return;
    // Opening the sound device takes a while and nothing sounds before a
    // deal; the sliders show half volume until then, as the device reports.
    m_music->BuildMusicList();
    if (m_closing) // closed while the list let events run
        return;
    const TableMusic::InitialVolumes volumes = m_music->SetInitialVolumes();
    if (volumes.music >= 0)
        sldMusic->setValue(volumes.music);
    if (volumes.sound >= 0)
        sldSound->setValue(volumes.sound);
    if (!MyDictionary->Loaded()) {
        MsgBox(MyDictionary->LoadMessage(), MsgButtons::OK, QString(), MsgIcon::Critical, this);
    }
    ShowStartUpAds();
}

void frmSolitaire::ShowStartUpAds() {
    if (m_closing || !isVisible())
        return;
    const Busy busy(*this);
    frmSplash splash(this);
    splash.AdsOn1(this);
}

void frmSolitaire::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutControls(width());
}

void frmSolitaire::RunAds() {
    m_banner->RunAds();
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
    BeginClosing();
    if (m_busyDepth > 0) {
        // A deal, restore or search is ending now; the close follows when
        // the handler running it has returned.
        m_closeWanted = true;
        event->ignore();
        return;
    }
    FormUnload();
    event->accept(); // the unload is never cancelled
}

void frmSolitaire::BeginClosing() {
    m_closing = true;
    mySolitaryGame->Halt();
    picGame->FinishFlights();
}

void frmSolitaire::FormUnload(bool askToSave) {
    if (m_unloaded)
        return;
    m_unloaded = true;
    // Nobody at the table (the player was deleted) keeps nothing: no question.
    if (askToSave && mySolitaryGame->CanSave() &&
        MsgBox(kSaveQuestion, MsgButtons::YesNo, kSaveTitle, MsgIcon::Exclamation, this) ==
            MsgAnswer::Yes)
        mySolitaryGame->SaveGame();
    if (!m_player.SavePlayer()) {
        // Losing a player's games without a word is worse than a message.
        ShowPlayerFileNotWritten(m_player.NickName, this);
    }
    TimerDeckAnimation->stop();
    m_music->CloseAll();
    QCoreApplication::processEvents();
}

// ---------------------------------------------------------------------------
// Menu

bool frmSolitaire::AskToSaveGame() {
    if (!mySolitaryGame->CanSave() || MsgBox(kSaveQuestion, MsgButtons::YesNo, kSaveTitle,
                                             MsgIcon::Exclamation, this) != MsgAnswer::Yes)
        return false;
    mySolitaryGame->SaveGame();
    LoadFlexGrid();
    DisableButtons();
    return true;
}

void frmSolitaire::lblMenu_Click(int index) {
    if (index < 0 || index >= lblMenu.size() || !lblMenu[index]->isEnabled())
        return;
    const Busy busy(*this);
    ClSolitary& game = *mySolitaryGame;
    switch (index) {
    case 0: // New Game
        if (!game.GameInPlay && m_player.NickName.isEmpty()) {
            OpenlogIn();
            return;
        }
        AskToSaveGame();
        game.NewGame();
        OpenStartGame();
        return;
    case 1: // Board Game: offered to save once; the table lets its player go
        // and start-up hands over.
        AskToSaveGame();
        FormUnload(false);
        Q_EMIT BoardGameRequested();
        return;
    case 2: // About
        frmAbout::ShowAbout(this);
        return;
    case 3: // Log On As
        AskToSaveGame();
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
        AskToSaveGame();
        if (!key.isEmpty())
            TableDialogs::ShowRestoreProblem(this, game.PlaySaveGame(key));
        DisableButtons();
        return;
    }
    case 6: // Delete Entry
        if (MsgBox(QStringLiteral("You are about to delete a save game..."), MsgButtons::YesNo,
                   QString(), MsgIcon::Exclamation, this) == MsgAnswer::Yes &&
            !FlexGrid->CurrentText(0).isEmpty()) {
            game.DeleteSavedGame(FlexGrid->CurrentText(0));
            LoadFlexGrid();
            FlexGrid->SetSelectionColour(GridSelection);
        }
        DisableButtons();
        return;
    case 7: // |||
        if (const ClassSavedGameInfo* entry = m_player.SavedGames.Find(FlexGrid->CurrentText(0)))
            TableDialogs::ShowGameInfo(this, *entry, m_player.Rating);
        return;
    default:
        return;
    }
}

void frmSolitaire::OpenlogIn() {
    // The start-game dialog opens once the login window has gone.
    if (frmLogin::LoadLogin(this, &m_player, QLatin1String(kModeSolitaire), this))
        OpenStartGame();
}

void frmSolitaire::OpenStartGame() {
    // The program's source is looked up at each deal: tests may replace it.
    TableDialogs::ShowStartGame(this, *mySolitaryGame,
                                m_random ? *m_random : RandomSource::instance());
}

void frmSolitaire::PlayerChanged() {
    mySolitaryGame->PlayerChanged();
    ShowCaption(ClSolitary::TableCaption(m_player.NickName));
    LoadFlexGrid();
    DisableButtons();
}

void frmSolitaire::LoadFlexGrid() {
    FlexGrid->Fill(m_player.SavedGames);
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

void frmSolitaire::lstWizard_Click() {
    lblMenu[4]->setEnabled(mySolitaryGame->WizardIsOn && !lstWizard->selectedItems().isEmpty());
}

void frmSolitaire::OpenNetDictionary(const QString& word) {
    // Not modal: the player goes on playing beside it.
    frmDictionary::LookUp(this, word);
}

// ---------------------------------------------------------------------------
// Deck

void frmSolitaire::cmdDeck_Click() {
    const Busy busy(*this);
    if (mySolitaryGame->GameInPlay)
        mySolitaryGame->DrawFromDeck();
    else if (m_player.NickName.isEmpty())
        OpenlogIn();
    else
        OpenStartGame();
}

void frmSolitaire::TimerDeckAnimation_Timer() {
    const TableRules::DeckFrame frame = TableRules::DeckAnimationFrame(m_deckTag);
    SetDeckPicture(frame.picture);
    m_deckTag = frame.nextTag;
}

void frmSolitaire::cmdLettersLeft_Click() {
    const Busy busy(*this);
    TableDialogs::ShowLettersLeft(this, mySolitaryGame->CardsInDeck,
                                  mySolitaryGame->CardsInDiscards);
}

void frmSolitaire::SetDeckPicture(int resId) {
    m_deckPicture = resId;
    cmdDeck->setIcon(QIcon(LoadResPictureFile(resId)));
}

// ---------------------------------------------------------------------------
// Cards: what the engine decides, the card layer shows

void frmSolitaire::PileCardPressed(int pile) {
    const Busy busy(*this);
    if (!mySolitaryGame->WizardIsOn)
        return;
    // A click on a pile asks what that pile can still become, by the same
    // rule as every other search: with the top discard where it fits.
    lblMenu[4]->setEnabled(false);
    qint16 searched = qint16(pile);
    mySolitaryGame->GetWizardList(searched, true);
}

void frmSolitaire::CardOverPile(int pile) {
    const Busy busy(*this);
    // The list was emptied when the card left every pile; coming back to the
    // same pile must list its words again.
    if (!mySolitaryGame->WizardIsOn ||
        (mySolitaryGame->HintPile() == pile && lstWizard->count() > 0))
        return;
    lblMenu[4]->setEnabled(false);
    qint16 searched = qint16(pile);
    mySolitaryGame->GetWizardList(searched, true);
}

void frmSolitaire::CardDropped(int pile) {
    const Busy busy(*this);
    ClSolitary& game = *mySolitaryGame;
    const Placement placed = game.PlaceTopDiscard(qint16(pile));
    switch (placed.verdict) {
    case PlacementVerdict::Returned:
        picGame->FlyBack();
        return;
    case PlacementVerdict::Refused:
        game.FollowPile(qint16(pile));
        ShowMistake(placed.points);
        picGame->FlyBack();
        return;
    case PlacementVerdict::Laid:
        LayAndFollow(qint16(pile), placed.letter);
        PlaySound(QStringLiteral("\\Sounds\\Success.wav"));
        return;
    case PlacementVerdict::WordMade:
        ShowWordMade(placed.word);
        LayAndFollow(qint16(pile), placed.letter);
        picGame->FlyWord(qint16(pile));
        return;
    }
}

void frmSolitaire::LayAndFollow(qint16 pile, const QString& letter) {
    picGame->LayCard(pile, letter);
    mySolitaryGame->FollowPile(pile);
    mySolitaryGame->DisplayDiscards();
}

void frmSolitaire::WordArrived(int pile) {
    const Busy busy(*this);
    ClSolitary& game = *mySolitaryGame;
    const FinishedWord finished = game.FinishWord(qint16(pile));
    lblPoints->setText(QString::number(finished.points));
    lstWords->addItem(finished.word);
    if (finished.won) {
        ShowGameWon(finished);
        return;
    }
    game.FollowPile(picGame->PileOver);
    game.DisplayDiscards();
}

void frmSolitaire::ShowWordMade(const QString& word) {
    SetDeckPicture(frmDialogInfo::kDeckAfterWord);
    PlaySound(QStringLiteral("\\Sounds\\clap.wav"));
    if (frmDialogInfo* dialog = NewDialogInfo())
        dialog->LoadWordMade(m_player.NickName, word);
}

void frmSolitaire::ShowMistake(qint16 points) {
    TimerDeckAnimation->stop();
    SetDeckPicture(frmDialogInfo::kDeckAfterMistake);
    PlaySound(QStringLiteral("\\Sounds\\mistake.wav"));
    ShowPoints(points);
    if (frmDialogInfo* dialog = NewDialogInfo())
        dialog->LoadMistake(m_player.NickName);
}

frmDialogInfo* frmSolitaire::NewDialogInfo() {
    if (m_closing)
        return nullptr;
    // Modal but not blocking: the cards fly while it is open. It deletes
    // itself when closed, and the deck moves again.
    auto* dialog = new frmDialogInfo(this);
    connect(dialog, &frmDialogInfo::Unloaded, this, [this] {
        TimerDeckAnimation->start();
        RunAds();
    });
    return dialog;
}

void frmSolitaire::ShowGameWon(const FinishedWord& finished) {
    StopMusic();
    PlaySound(QStringLiteral("\\Sounds\\hooray.wav"));
    if (!m_closing) {
        frmGameDone window(this);
        window.GameWon(m_player.NickName, mySolitaryGame->wordlevel, mySolitaryGame->WizardIsOn,
                       finished.ratingMessage);
    }
    mySolitaryGame->UnloadCards();
    LoadFlexGrid();
    DisableButtons();
    RunAds();
}

// ---------------------------------------------------------------------------
// What the engine shows on the table

void frmSolitaire::ShowCaption(const QString& caption) {
    lblFormCaption->setText(caption);
    // A long nick name may not fit beside the menu: the whole line is in the tip.
    lblFormCaption->setToolTip(caption);
    FitFormCaption();
}

void frmSolitaire::ShowHelp(const QString& text) {
    if (!text.isEmpty())
        lblHelpPlay->setText(text);
    lblHelpPlay->setVisible(!text.isEmpty());
}

void frmSolitaire::ShowPoints(qint16 points) {
    lblPoints->setText(QString::number(points));
}

void frmSolitaire::EnableLettersLeft(bool enabled) {
    cmdLettersLeft->setEnabled(enabled);
}

void frmSolitaire::ResetHints(bool wizardOn) {
    lstWizard->clear();
    lblWizard->setText(kWizardCaption);
    if (!wizardOn)
        lstWizard->addItem(QStringLiteral("Off"));
    lstWizard->setEnabled(wizardOn);
}

void frmSolitaire::ClearHints() {
    lstWizard->clear();
    // No count stands over a list it does not describe.
    lblWizard->setText(kWizardCaption);
}

void frmSolitaire::AddHints(const QStringList& words, bool makeable) {
    const int first = lstWizard->count();
    lstWizard->addItems(words);
    if (makeable)
        return;
    // Greyed, yet still selectable: a word out of reach can be looked up.
    const QBrush grey(WindowChrome::ColorFromBgr(SolitaireTimings::HintOutOfReach));
    for (int i = first; i < lstWizard->count(); ++i)
        lstWizard->item(i)->setForeground(grey);
}

void frmSolitaire::ShowHintCount(int makeable, int all) {
    lblWizard->setText(QStringLiteral("%1 of %2 Wizard ").arg(makeable).arg(all));
}

void frmSolitaire::EnableLookup(bool enabled) {
    lblMenu[4]->setEnabled(enabled);
}

void frmSolitaire::FocusPile(qint16 pile) {
    picGame->FocusPile(pile);
}

void frmSolitaire::ShowWords(const QStringList& words) {
    lstWords->clear();
    lstWords->addItems(words);
}

void frmSolitaire::ClearCards() {
    picGame->ClearCards();
}

void frmSolitaire::DealCard(const QString& letter, qint16 pile, bool faceUp, qint16 wordPlace) {
    picGame->DealCard(letter, pile, faceUp, wordPlace);
}

void frmSolitaire::ShowDiscards(const QString& shown, qint16 playable) {
    picGame->ShowDiscards(shown, playable);
}

void frmSolitaire::SetBusy(bool busy) {
    if (busy)
        TimerDeckAnimation->stop();
    else
        TimerDeckAnimation->start();
    // Only input is refused (the controls keep their look); the start-game
    // dialog disables the whole window for the deal, which ends here.
    m_inputBlocked = busy;
    picGame->SetDealing(busy);
    if (!busy && !isEnabled())
        EnableAgain();
    if (busy != m_busyPointer) {
        m_busyPointer = busy;
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
}

void frmSolitaire::EnableAgain() {
    setEnabled(true);
    // Disabling the window took the focus away: the keys go on playing.
    if (!focusWidget())
        picGame->setFocus(Qt::OtherFocusReason);
}

void frmSolitaire::StopMusic() {
    if (QTimer* atEndFile = m_music->TimerAtEndFile())
        atEndFile->stop();
    ModuleMultimedia::mmClose(QStringLiteral("midiSounds"));
}

void frmSolitaire::PlaySong() {
    // A deal that ends after the table was closed starts no music.
    if (!m_closing)
        m_music->PlaySong();
}

void frmSolitaire::PlaySound(const QString& relativeFile) {
    if (!m_closing)
        m_music->PlayEffect(relativeFile);
}

void frmSolitaire::GameChanged(const std::optional<SolverMove>& move) {
    // A hint like the wizard: off with it, and nothing to tell without a game.
    if (!m_winnable || !mySolitaryGame || !mySolitaryGame->GameInPlay ||
        !mySolitaryGame->WizardIsOn) {
        if (m_winnable)
            m_winnable->Stop();
        return;
    }
    m_winnable->Ask(mySolitaryGame->CurrentDeal(), move);
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
        if (!widget || widget->window() != this)
            break;
        // The table takes no input while an animation runs, but a click on the
        // felt or Space lands the cards at once (and does nothing more).
        if (TableKeys::AsksToSkip(picGame, watched, event))
            picGame->SkipFlights();
        event->accept(); // taken here: it goes on to no other control
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
