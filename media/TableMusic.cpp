#include "media/TableMusic.h"

#include "shell/Logging.h"
#include "shell/ProgramFolder.h"
#include "shell/RandomSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QTimer>

#include <algorithm>

namespace {

const QString kMusicAlias = QStringLiteral("midiSounds");
const QString kSoundAlias = QStringLiteral("wavSounds");
const QString kAllChannels = QStringLiteral("all");
const QString kFirstWave = QStringLiteral("\\Sounds\\First.wav");
const QString kMusicFolderForList = QStringLiteral("\\sounds\\music\\");
const QString kMusicFolderForPlay = QStringLiteral("\\Sounds\\music\\");
const QString kSuccess = QStringLiteral("Success");
constexpr int kInitialVolume = 50;

} // namespace

using namespace ModuleMultimedia;

TableMusic::TableMusic(RandomSource& random, QObject* parent)
    : QObject(parent), m_random(random), m_timerAtEndFile(new QTimer(this)) {
    m_timerAtEndFile->setObjectName(QStringLiteral("TimerAtEndFile"));
    m_timerAtEndFile->setInterval(kTimerAtEndFileInterval);
    connect(m_timerAtEndFile, &QTimer::timeout, this, &TableMusic::TimerAtEndFile_Timer);
}

TableMusic::~TableMusic() = default;

void TableMusic::setControls(Controls controls) {
    m_controls = std::move(controls);
}

bool TableMusic::musicOn() const {
    return m_controls.musicOn && m_controls.musicOn();
}
bool TableMusic::soundOn() const {
    return m_controls.soundOn && m_controls.soundOn();
}
int TableMusic::musicVolume() const {
    return m_controls.musicVolume ? m_controls.musicVolume() : kInitialVolume;
}
int TableMusic::soundVolume() const {
    return m_controls.soundVolume ? m_controls.soundVolume() : kInitialVolume;
}

void TableMusic::BuildMusicList() {
    m_musicList.clear();
    const QDir folder(ProgramFolder::resolve(kMusicFolderForList));
    if (!folder.exists())
        return; // no music folder: the table stays quiet
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        // Only the exact lower-case ending counts, as the music has always
        // been named; "X.MID" is left out.
        if (name.endsWith(QLatin1String(".mid"), Qt::CaseSensitive))
            m_musicList.append(name);
        QCoreApplication::processEvents();
    }
}

TableMusic::InitialVolumes TableMusic::SetInitialVolumes() {
    InitialVolumes volumes;
    // A failing step ends the set-up; the sliders keep their values.
    for (const QString& alias : {kMusicAlias, kSoundAlias}) {
        if (mmOpen(m_hwnd, alias, kFirstWave) != kSuccess)
            return volumes;
        if (mmSetVolume(alias, kAllChannels, kInitialVolume) != kSuccess)
            return volumes;
        const int volume = mmGetVolume(alias, kAllChannels);
        if (volume == -1)
            return volumes;
        (alias == kMusicAlias ? volumes.music : volumes.sound) = volume;
    }
    return volumes;
}

void TableMusic::PlaySong() {
    // An empty list would pick an entry that does not exist: stay quiet.
    if (m_musicList.isEmpty()) {
        qCDebug(lcMordaventa) << "no music to play";
        return;
    }
    RandomSource& random = m_random;
    const int count = int(m_musicList.size());
    // The choice uses the generator as it stands; only then is it reseeded.
    const int index = std::clamp(int(count * random.next()), 0, count - 1);
    random.randomize();
    m_currentSong = m_musicList.at(index);

    if (!musicOn()) {
        m_timerAtEndFile->stop();
        return;
    }
    // Closing fails when nothing plays yet; that is not a failure of the piece.
    mmClose(kMusicAlias);
    if (mmOpen(m_hwnd, kMusicAlias, kMusicFolderForPlay + m_currentSong) != kSuccess)
        return;
    if (mmSetVolume(kMusicAlias, kAllChannels, musicVolume()) != kSuccess)
        return;
    if (mmPlay(kMusicAlias) != kSuccess)
        return;
    m_timerAtEndFile->start();
}

void TableMusic::MusicOff() {
    m_timerAtEndFile->stop();
}

void TableMusic::TimerAtEndFile_Timer() {
    qint32 length = mmLength(kMusicAlias);
    if (mmEndTest(kMusicAlias, length))
        PlaySong();
}

void TableMusic::chkMusic_Click(bool gameInPlay) {
    if (musicOn()) {
        if (gameInPlay) {
            m_timerAtEndFile->start();
            PlaySong();
        }
    } else {
        m_timerAtEndFile->stop();
        mmClose(kMusicAlias);
    }
}

void TableMusic::sldMusic_Change(int value) {
    mmSetVolume(kMusicAlias, kAllChannels, value);
}

void TableMusic::sldSound_Change(int value) {
    mmSetVolume(kSoundAlias, kAllChannels, value);
}

bool TableMusic::PlayEffect(const QString& relativeFile) {
    if (!soundOn())
        return false;
    PlaySoundEffect(m_hwnd, relativeFile, soundVolume());
    return true;
}

void TableMusic::CloseAll() {
    m_timerAtEndFile->stop();
    mmCloseAll();
}
