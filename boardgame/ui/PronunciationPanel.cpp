#include "boardgame/ui/PronunciationPanel.h"

#include "boardgame/BoardDraft.h"
#include "boardgame/file/BoardLimits.h"
#include "media/Pronunciation.h"
#include "shell/MsgBox.h"
#include "shell/ui/WindowChrome.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kTitle = QStringLiteral("Pronunciation");

} // namespace

PronunciationPanel::PronunciationPanel(BoardDraft& draft, const BoardEditorDialogs& dialogs,
                                       QWidget* parent)
    : QWidget(parent), m_draft(draft), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("fraPronunciation"));
    StartRecording = [](PronunciationRecorder& recorder, QString* error) {
        return recorder.Record(error);
    };
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* voices = new QHBoxLayout;
    optVoiceBritish = new QRadioButton(QStringLiteral("&British English"), this);
    optVoiceBritish->setObjectName(QStringLiteral("optVoiceBritish"));
    optVoiceAmerican = new QRadioButton(QStringLiteral("A&merican English"), this);
    optVoiceAmerican->setObjectName(QStringLiteral("optVoiceAmerican"));
    optVoiceBritish->setChecked(true);
    voices->addWidget(optVoiceBritish);
    voices->addWidget(optVoiceAmerican);
    voices->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("Voice:"), this), 0, 0);
    grid->addLayout(voices, 0, 1);

    auto* sayLabel = new QLabel(QStringLiteral("Sa&y it like:"), this);
    txtSayAs = new QLineEdit(this);
    txtSayAs->setObjectName(QStringLiteral("txtSayAs"));
    txtSayAs->setAccessibleName(QStringLiteral("Say it like"));
    txtSayAs->setPlaceholderText(QStringLiteral("the word as the voice should read it"));
    sayLabel->setBuddy(txtSayAs);
    grid->addWidget(sayLabel, 1, 0);
    grid->addWidget(txtSayAs, 1, 1);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        WindowChrome::AttachPressPointer(b);
        buttons->addWidget(b);
        return b;
    };
    cmdSpeak = button("cmdSpeak", QStringLiteral("Spea&k"));
    cmdRecord = button("cmdRecord", QStringLiteral("&Record"));
    cmdStop = button("cmdStop", QStringLiteral("S&top"));
    cmdPlay = button("cmdPlay", QStringLiteral("&Play"));
    cmdFromFile = button("cmdFromFile", QStringLiteral("From &file..."));
    grid->addLayout(buttons, 2, 0, 1, 2);

    prgLevel = new QProgressBar(this);
    prgLevel->setObjectName(QStringLiteral("prgLevel"));
    prgLevel->setAccessibleName(QStringLiteral("Recording level"));
    prgLevel->setRange(0, 100);
    prgLevel->setTextVisible(false);
    prgLevel->setMaximumHeight(12);
    grid->addWidget(prgLevel, 3, 0, 1, 2);
    lblSound = WindowChrome::MakeLabel(this, "lblSound");
    grid->addWidget(lblSound, 4, 0, 1, 2);

    connect(cmdSpeak, &QPushButton::clicked, this, &PronunciationPanel::cmdSpeak_Click);
    connect(cmdRecord, &QPushButton::clicked, this, &PronunciationPanel::cmdRecord_Click);
    connect(cmdStop, &QPushButton::clicked, this, &PronunciationPanel::cmdStop_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &PronunciationPanel::cmdPlay_Click);
    connect(cmdFromFile, &QPushButton::clicked, this, &PronunciationPanel::cmdFromFile_Click);
    connect(txtSayAs, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_word >= 0 && m_draft.SetWordSayAs(m_word, text))
            emit Edited();
    });
    // Enter in "say it like" speaks it at once: the teacher hears the change.
    connect(txtSayAs, &QLineEdit::returnPressed, this, &PronunciationPanel::cmdSpeak_Click);
    connect(optVoiceBritish, &QRadioButton::toggled, this, [this] { showState(); });
    connect(&m_recorder, &PronunciationRecorder::LevelChanged, this,
            [this](double level) { prgLevel->setValue(int(level * 100 + 0.5)); });
    connect(&m_recorder, &PronunciationRecorder::Interrupted, this,
            [this](const QString& reason) { problem(reason); });
    showState();
}

void PronunciationPanel::ShowWord(int word) {
    if (m_recorder.IsRecording()) {
        QString ignored;
        m_recorder.Stop(&ignored); // a recording belongs to the word it began on
    }
    m_word = word;
    if (word >= 0 && word < m_draft.Content().words.size()) {
        const QString sayAs = m_draft.Content().words[word].sayAs;
        if (txtSayAs->text() != sayAs)
            txtSayAs->setText(sayAs);
    }
    showState();
}

void PronunciationPanel::showState() {
    const bool recording = m_recorder.IsRecording();
    const bool has = m_word >= 0 && m_word < m_draft.Content().words.size();
    const BoardWord* w = has ? &m_draft.Content().words[m_word] : nullptr;
    const bool sound = w && !w->sound.isEmpty();
    cmdSpeak->setEnabled(has && !recording);
    cmdRecord->setEnabled(has && !recording);
    cmdStop->setEnabled(recording);
    cmdPlay->setEnabled(sound && !recording);
    cmdFromFile->setEnabled(has && !recording);
    txtSayAs->setEnabled(has && !recording);
    if (recording)
        lblSound->setText(QStringLiteral("Recording... press Stop when the word is said."));
    else if (!sound)
        lblSound->setText(QStringLiteral("No pronunciation yet: press Speak, Record or From "
                                         "file."));
    else if (!w->soundAmerican.isEmpty())
        lblSound->setText(QStringLiteral("Spoken by the voice, in British and American English."));
    else
        lblSound->setText(QStringLiteral("Recorded or taken from a file: every player hears it."));
}

void PronunciationPanel::problem(const QString& text) {
    MsgBox(text, MsgButtons::OK, kTitle, MsgIcon::Exclamation, window());
}

void PronunciationPanel::play() {
    if (m_word < 0 || m_word >= m_draft.Content().words.size())
        return;
    const BoardWord& w = m_draft.Content().words[m_word];
    // The sound a seat with this voice hears, chosen as the spelling square
    // chooses it.
    const QByteArray& sound =
        optVoiceAmerican->isChecked() && !w.soundAmerican.isEmpty() ? w.soundAmerican : w.sound;
    if (sound.isEmpty())
        return;
    const QString result = Pronunciation::Play(quintptr(window()->winId()), sound);
    if (result != QLatin1String("Success"))
        lblSound->setText(QStringLiteral("The sound cannot be played: %1").arg(result));
}

void PronunciationPanel::cmdSpeak_Click() {
    if (m_word < 0)
        return;
    m_draft.SealEdit();
    QString error;
    if (!m_draft.SpeakWord(m_word, &error)) {
        problem(error.isEmpty() ? QStringLiteral("The voice cannot speak this word.") : error);
        return;
    }
    emit Edited();
    showState();
    play();
}

void PronunciationPanel::cmdRecord_Click() {
    if (m_word < 0 || m_recorder.IsRecording())
        return;
    Pronunciation::Stop();
    QString error;
    if (!StartRecording(m_recorder, &error)) {
        problem(error);
        return;
    }
    showState();
    cmdStop->setFocus();
}

void PronunciationPanel::cmdStop_Click() {
    if (!m_recorder.IsRecording())
        return;
    QString error;
    const QByteArray wave = m_recorder.Stop(&error);
    showState();
    if (wave.isEmpty()) {
        problem(error);
        return;
    }
    if (!m_draft.SetWordSound(m_word, wave)) {
        problem(QStringLiteral("The recording cannot be kept."));
        return;
    }
    txtSayAs->clear(); // a recording is not spoken from a text
    emit Edited();
    showState();
    play();
    cmdPlay->setFocus();
}

void PronunciationPanel::cmdPlay_Click() {
    play();
}

void PronunciationPanel::cmdFromFile_Click() {
    if (m_word < 0)
        return;
    const QString path = m_dialogs.openFile(this, QStringLiteral("Pronunciation from a wave file"),
                                            QStringLiteral("Wave files (*.wav *.WAV)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem(QStringLiteral("%1 cannot be read.").arg(path));
        return;
    }
    // A 32-bit stereo file shrinks to a quarter: larger ones cannot fit.
    if (file.size() > 4 * BoardLimits::kLargestMedia) {
        problem(QStringLiteral("%1 is too long for a pronunciation.").arg(path));
        return;
    }
    QString error;
    const QByteArray wave =
        Pronunciation::FromWaveFile(file.readAll(), BoardLimits::kLargestMedia, &error);
    if (wave.isEmpty()) {
        problem(QStringLiteral("%1 cannot be used: %2").arg(path, error));
        return;
    }
    m_draft.SealEdit();
    m_draft.SetWordSound(m_word, wave);
    txtSayAs->clear();
    emit Edited();
    showState();
    play();
}
