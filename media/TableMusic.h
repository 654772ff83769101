#pragma once
// The solitaire table's sound and music logic, kept apart from the window so
// it can be driven without a screen: the music list, the random choice of the
// next piece, the watch that starts the next piece when one ends, the music
// and sound check boxes, the two volume sliders and the initial volumes.
//
// The table owns one TableMusic, hands it small callbacks that read its check
// boxes and sliders, and forwards its events:
//   load:            BuildMusicList(); apply SetInitialVolumes() to the sliders
//   deal (engine):   PlaySong()          game over (engine): MusicOff()
//   chkMusic click:  chkMusic_Click(gameInPlay)
//   sldMusic/sldSound change: sldMusic_Change(value) / sldSound_Change(value)
//   an effect:       PlayEffect("\\Sounds\\cardClick.wav")
//   close:           CloseAll()
// The timer `TimerAtEndFile` (100 ms) belongs to this object; its tick is the
// public method TimerAtEndFile_Timer() so tests step it directly.
#include "media/ModuleMultimedia.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QTimer;
class RandomSource;

class TableMusic : public QObject {
    Q_OBJECT
public:
    // How the table's controls are read at the moment they matter. Unset
    // callbacks read as: music off, sound off, volume 50.
    struct Controls {
        std::function<bool()> musicOn;    // chkMusic ticked ("Music On")
        std::function<bool()> soundOn;    // chkSound ticked ("Sounds On")
        std::function<int()> musicVolume; // sldMusic value, 0 to 100
        std::function<int()> soundVolume; // sldSound value, 0 to 100
    };

    // The initial slider values; -1 leaves the slider as it is.
    struct InitialVolumes {
        int music = -1;
        int sound = -1;
    };

    static constexpr int kTimerAtEndFileInterval = 100; // ms

    // random: chooses the next piece.
    explicit TableMusic(RandomSource& random, QObject* parent = nullptr);
    ~TableMusic() override;

    void setControls(Controls controls);
    // The table's window handle, sent as the parent of every open.
    void setWindowHandle(ModuleMultimedia::WindowHandle hwnd) { m_hwnd = hwnd; }

    // Fills the music list once from "\sounds\music\": every file whose name
    // ends exactly in ".mid", in name order.
    void BuildMusicList();
    const QStringList& musicList() const { return m_musicList; }

    // Opens "\Sounds\First.wav" on "midiSounds" and "wavSounds", sets 50 and
    // reads the volume back.
    InitialVolumes SetInitialVolumes();

    void PlaySong();
    void MusicOff();
    void TimerAtEndFile_Timer();

    void chkMusic_Click(bool gameInPlay);
    void sldMusic_Change(int value);
    void sldSound_Change(int value);

    // Plays an effect ("\Sounds\Success.wav") on "wavSounds" at the sound
    // slider's volume when "Sounds On" is ticked; returns whether it was sent.
    bool PlayEffect(const QString& relativeFile);

    // The table closes: "Close All" and the watch stops.
    void CloseAll();

    QTimer* TimerAtEndFile() const { return m_timerAtEndFile; }
    // The file name PlaySong chose last (empty before the first choice).
    const QString& currentSong() const { return m_currentSong; }

private:
    bool musicOn() const;
    bool soundOn() const;
    int musicVolume() const;
    int soundVolume() const;

    Controls m_controls;
    ModuleMultimedia::WindowHandle m_hwnd = 0;
    RandomSource& m_random;
    QStringList m_musicList;
    QString m_currentSong;
    QTimer* m_timerAtEndFile = nullptr;
};
