#include "squares/ui/frmSpelling.h"

#include "boardgame/file/BoardSettings.h"
#include "media/ModuleMultimedia.h"
#include "media/clSpeach.h"
#include "players/ClassPlayerInfo.h"
#include "shell/MsgBox.h"
#include "shell/RandomSource.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"
#include "squares/ui/SquareControls.h"
#include "squares/ui/SquareWindowsLook.h"
#include "squares/ui/TypingBox.h"
#include "squares/ui/frmCharacters.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

using namespace SquareLook;
using namespace SquareLook::Spelling;

const QString kSoundAlias = QStringLiteral("vSounds");

} // namespace

frmSpelling::frmSpelling(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmSpelling"));
    BuildControls();
    WindowChrome::MakeFrameless(this);
    SquareControls::InstallKeyPreview(this, this);
    SquareControls::NoDefaultButton(this);
}

frmSpelling::~frmSpelling() {
    // The word's recording is a scratch file: done with the window.
    if (!m_soundFile.isEmpty()) {
        ModuleMultimedia::mmClose(kSoundAlias);
        QFile::remove(m_soundFile);
    }
}

void frmSpelling::BuildControls() {
    setWindowTitle(QStringLiteral("Type out word with no mistakes..."));
    WindowChrome::SetBackground(this, Paper());
    setFixedSize(Width, Height);
    QFont bold = font();
    bold.setBold(true);

    // The square is left by its own button only: no close label.
    lblFormCaption =
        WindowChrome::AddCaptionStrip(this, QStringLiteral("Type out word with no mistakes..."),
                                      CaptionHeight, false)
            .caption;
    lblFormCaption->setIndent(10);
    WindowChrome::SetBackground(lblFormCaption, CaptionBand());

    imgPlayer = SquareControls::MakePictureBox(this, QStringLiteral("imgPlayer"), Token);

    lblWord = WindowChrome::MakeLabel(this, "lblWord");
    lblWord->setGeometry(Spelling::Word);
    QFont big = bold;
    big.setPointSize(WordPointSize);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    lblWord->setFont(big);
    lblWord->setTextFormat(Qt::PlainText);

    cmdSound = SquareControls::MakeSpeakButton(this, QStringLiteral("cmdSound"), Sound,
                                               QStringLiteral("Use Shift+F1 to hear the word."));
    lblChance = WindowChrome::MakeLabel(this, "lblChance");
    lblChance->setGeometry(Chance);
    lblChance->setFont(bold);

    auto* typeLabel = WindowChrome::MakeLabel(this, "lblTypeHere", QStringLiteral("Type here >>"));
    typeLabel->setGeometry(TypeLabel);
    typeLabel->setFont(bold);
    txtTypeWord = new TypingBox(this);
    txtTypeWord->setObjectName(QStringLiteral("txtTypeWord"));
    txtTypeWord->setGeometry(TypeWord);
    QFont typed = font();
    typed.setPointSize(TypePointSize);
    txtTypeWord->setFont(typed);
    cmdInsertCharator = new QPushButton(QStringLiteral("Ä"), this);
    cmdInsertCharator->setObjectName(QStringLiteral("cmdInsertCharator"));
    cmdInsertCharator->setGeometry(InsertCharacter);
    cmdInsertCharator->setToolTip(QStringLiteral("Insert foreign character."));
    cmdInsertCharator->setFont(bold);
    WindowChrome::AttachPressPointer(cmdInsertCharator);
    auto* note = WindowChrome::MakeLabel(
        this, "lblCaseNote",
        QStringLiteral("The word is case sensitive, so check your CAPS Lock."));
    note->setGeometry(CaseNote);
    lblCapital = WindowChrome::MakeLabel(this, "lblCapital",
                                         QStringLiteral("This word starts with a capital letter."));
    lblCapital->setGeometry(CapitalNote);
    lblCapital->setFont(bold);
    lblCapital->hide();

    fraDefinition = new QGroupBox(QStringLiteral("Definition"), this);
    fraDefinition->setObjectName(QStringLiteral("fraDefinition"));
    fraDefinition->setGeometry(DefinitionFrame);
    txtDefinition =
        SquareControls::MakeTextBox(fraDefinition, QStringLiteral("txtDefinition"), DefinitionText);
    QFont definition = font();
    definition.setPointSize(DefinitionPointSize);
    txtDefinition->setFont(definition);
    cmdSpeekDefinition = SquareControls::MakeSpeakButton(
        fraDefinition, QStringLiteral("cmdSpeekDefinition"), Spelling::SpeakDefinition,
        QStringLiteral("Use Shift+F2 to run text-to-speech on the definition."));
    picSpelling = SquareControls::MakePictureBox(this, QStringLiteral("picSpelling"), Picture);

    cmdSpellingClose = new QPushButton(QStringLiteral("Cancel"), this);
    cmdSpellingClose->setObjectName(QStringLiteral("cmdSpellingClose"));
    cmdSpellingClose->setGeometry(Close);
    cmdSpellingClose->setFont(bold);
    WindowChrome::AttachPressPointer(cmdSpellingClose);

    TimerAnswered.setObjectName(QStringLiteral("TimerAnswered"));
    TimerAnswered.setInterval(AnsweredInterval);
    connect(&TimerAnswered, &QTimer::timeout, this, &frmSpelling::TimerAnswered_Timer);
    connect(cmdSpellingClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSound, &QPushButton::clicked, this, &frmSpelling::ReplayPronunciation);
    connect(cmdSpeekDefinition, &QPushButton::clicked, this, &frmSpelling::SpeakDefinition);
    connect(cmdInsertCharator, &QPushButton::clicked, this, &frmSpelling::cmdInsertCharator_Click);
    connect(txtTypeWord, &TypingBox::CharactersTyped, this, &frmSpelling::TypeCharacters);
    connect(txtTypeWord, &TypingBox::KeyRefused, this, &frmSpelling::KeyboardError);
}

bool frmSpelling::LoadSpelling(const QString& squareCode, const QPixmap& token,
                               const QString& chance, dao::Database& database,
                               ClassPlayerInfo& seatPlayer, ItemLevel level) {
    if (!PrepareSpelling(squareCode, token, chance, database, seatPlayer, level))
        return true; // a free move, as on a question square
    exec();
    QCoreApplication::processEvents();
    return m_result;
}

bool frmSpelling::PrepareSpelling(const QString& squareCode, const QPixmap& token,
                                  const QString& chance, dao::Database& database,
                                  ClassPlayerInfo& seatPlayer, ItemLevel level) {
    SquareControls::WaitPointer wait;
    m_result = false;
    m_square = std::make_unique<SpellingSquare>(database, seatPlayer, squareCode,
                                                SpellingSquare::ChancesFromText(chance),
                                                RandomSource::instance());
    m_square->SetLevel(level);
    SquareControls::ShowPicture(imgPlayer, token);
    lblFormCaption->setText(seatPlayer.NickName +
                            QStringLiteral(" type out word with no mistakes..."));

    ModuleMultimedia::mmClose(kSoundAlias);
    if (!m_square->Draw()) {
        m_square.reset();
        wait.restore();
        MsgBox(QStringLiteral("Error in opening board game word... Free Space is granted..."),
               MsgButtons::OK, QStringLiteral("Board Game"), MsgIcon::Exclamation,
               parentWidget() ? parentWidget() : this); // this window is never shown
        return false;
    }
    QPixmap picture;
    SquareControls::LoadFieldPicture(QStringLiteral("temp.jpg"), m_square->Picture(), picture);
    const bool american = BoardSettings::AmericanSpeech() && !m_square->SoundAmerican().isEmpty();
    m_soundFile = SquareQuestions::WriteScratchFile(
        QStringLiteral("temp.wav"), american ? m_square->SoundAmerican() : m_square->Sound());
    // A capital letter is part of the spelling; the player is told so.
    lblCapital->setVisible(m_square->StartsWithCapital());
    SquareControls::ShowPicture(picSpelling, picture);
    ShowChances();
    ShowWord();
    txtDefinition->setPlainText(m_square->Definition());
    txtTypeWord->SetTyped(QString());
    PlayPronunciation();
    WindowChrome::SetPointer(this, ResId::PointerNormal);
    txtTypeWord->setFocus();
    return true;
}

void frmSpelling::PlayPronunciation() {
    ModuleMultimedia::mmClose(kSoundAlias);
    // Without a recording of this word nothing plays; an older one is never
    // taken for it.
    if (m_soundFile.isEmpty())
        return;
    const auto hwnd = ModuleMultimedia::WindowHandle(winId());
    if (ModuleMultimedia::mmOpen(hwnd, kSoundAlias, m_soundFile, QStringLiteral("MPEGVideo")) ==
        QLatin1String("Success"))
        ModuleMultimedia::mmPlay(kSoundAlias);
}

void frmSpelling::ReplayPronunciation() {
    SquareControls::WaitPointer wait;
    PlayPronunciation();
    txtTypeWord->setFocus();
}

void frmSpelling::ShowWord() {
    // A long word gets a smaller font rather than losing its last letters.
    const QString text = m_square->WordLabel();
    QFont font = lblWord->font();
    int size = WordPointSize;
    for (; size > WordSmallestPointSize; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= lblWord->width())
            break;
    }
    font.setPointSize(size);
    lblWord->setFont(font);
    lblWord->setText(text);
}

void frmSpelling::ShowChances() {
    lblChance->setText(QStringLiteral("Chance = ") + QString::number(m_square->ChancesLeft()));
}

void frmSpelling::KeyboardError() {
    MsgBox(QStringLiteral("Please type letters or space keys or insert foreign characters...\r\n"
                          "Also check to see if your CAPS are on or off on your keyboard..."),
           MsgButtons::OK, QStringLiteral("Keyboard Error..."), MsgIcon::Critical, this);
}

void frmSpelling::TypeCharacters(const QString& characters) {
    const QList<uint> codes = characters.normalized(QString::NormalizationForm_C).toUcs4();
    for (const uint code : codes) {
        if (!m_square || m_square->Finished())
            return;
        if (!SquareQuestions::IsAdmittedCharacter(code)) {
            KeyboardError();
            return;
        }
        const char32_t c = code;
        const int chancesBefore = m_square->ChancesLeft();
        txtTypeWord->Append(QString::fromUcs4(&c, 1));
        txtTypeWord_Change();
        // After a mistake the rest of a composed or picked text is dropped.
        if (m_square && m_square->ChancesLeft() != chancesBefore)
            return;
    }
}

void frmSpelling::txtTypeWord_Change() {
    const SpellingSquare::Outcome outcome =
        m_square->Check(txtTypeWord->Typed(), BoardSettings::QuestionFilter());
    switch (outcome.typing) {
    case SpellingSquare::Typing::Ignored:
        break;
    case SpellingSquare::Typing::Progress:
        ShowWord();
        break;
    case SpellingSquare::Typing::Right:
        PlaySound(QStringLiteral("\\Sounds\\clap.wav"));
        Finished(true);
        break;
    case SpellingSquare::Typing::Mistake:
        PlaySound(QStringLiteral("\\Sounds\\Alert.wav"));
        MsgBox(QStringLiteral("Mistake made...\r\nThe letter ") + outcome.wrongCharacter +
                   QStringLiteral(" can not be used..."),
               MsgButtons::OK, QStringLiteral("Spelling Error"), MsgIcon::Exclamation, this);
        ShowChances();
        txtTypeWord->SetTyped(outcome.typed);
        break;
    case SpellingSquare::Typing::Wrong:
        PlaySound(QStringLiteral("\\Sounds\\mistake.wav"));
        Finished(false);
        break;
    }
}

void frmSpelling::Finished(bool right) {
    m_result = right;
    ShowWord();
    cmdSpellingClose->setText(right ? QStringLiteral("Correct! Next Player's Turn...")
                                    : QStringLiteral("Wrong! Next Player's Turn..."));
    cmdInsertCharator->setEnabled(false);
    txtTypeWord->setReadOnly(true);
    cmdSpellingClose->setFocus();
    m_blinkStep = 0;
    TimerAnswered.start();
}

void frmSpelling::TimerAnswered_Timer() {
    if (!m_square || !m_square->Finished())
        return;
    const bool dark = ++m_blinkStep % 2 == 1;
    QPalette text = cmdSpellingClose->palette();
    text.setColor(QPalette::ButtonText, dark ? Qt::white : Qt::black);
    cmdSpellingClose->setPalette(text);
    const quint32 colour = m_result ? (dark ? DarkGreen : PaleGreen) : (dark ? DarkRed : PaleRed);
    SquareControls::SetButtonColour(cmdSpellingClose, Colour(colour));
}

void frmSpelling::cmdInsertCharator_Click() {
    const QString chosen = frmCharacters::LoadCharactor(this);
    if (!chosen.isEmpty())
        TypeCharacters(chosen);
    if (m_square && !m_square->Finished())
        txtTypeWord->setFocus();
}

void frmSpelling::PlaySound(const QString& file) {
    ModuleMultimedia::PlaySoundEffect(ModuleMultimedia::WindowHandle(winId()), file);
}

void frmSpelling::SpeakDefinition() {
    connect(SquareControls::SpeakBox(this, mySpeek, txtDefinition), &clSpeach::SpeechDone, this,
            &frmSpelling::mySpeek_SpeechDone);
}

void frmSpelling::mySpeek_SpeechDone() {
    // While the word is being typed the typing goes on; once it is over the
    // close button is next.
    if (m_square && !m_square->Finished())
        txtTypeWord->setFocus();
    else
        cmdSpellingClose->setFocus();
}

bool frmSpelling::eventFilter(QObject* watched, QEvent* event) {
    if (SquareControls::IsEscape(event))
        return true;
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ShiftModifier) {
            if (key->key() == Qt::Key_F1) {
                ReplayPronunciation();
                return true;
            }
            if (key->key() == Qt::Key_F2) {
                SpeakDefinition();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
