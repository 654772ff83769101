#include "Music.h"

#include <QMap>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace {

constexpr int kDivision = 480; // ticks per quarter note

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v & 0xFF));
    return out;
}

// General MIDI programs used below.
enum Program {
    AcousticGrand = 0,
    Harpsichord = 6,
    Vibraphone = 11,
    MusicBox = 10,
    NylonGuitar = 24,
    AcousticBass = 32,
    Strings = 48,
    FrenchHorn = 60,
    Oboe = 68,
    Bassoon = 70,
    Clarinet = 71,
    Flute = 73,
    Recorder = 74,
};

class Song {
public:
    Song(const QString& title, int bpm, int beatsPerBar) : m_bpm(bpm), m_beatsPerBar(beatsPerBar) {
        m_title = title.toLatin1();
    }

    // A new track on a channel with an instrument; returns its number.
    int addTrack(const QString& name, int channel, int program) {
        m_tracks.append(Track{name.toLatin1(), channel, {}});
        programChange(int(m_tracks.size()) - 1, 0, program);
        return int(m_tracks.size()) - 1;
    }

    void programChange(int track, double beat, int program) {
        Track& t = m_tracks[track];
        t.events.append({tick(beat), 1, bytesOf({0xC0 | t.channel, program})});
    }

    void note(int track, double beat, double beats, int pitch, int velocity) {
        Track& t = m_tracks[track];
        const qint64 on = tick(beat);
        // Notes are released a little early so repeated notes are heard apart.
        const qint64 off = std::max(on + 1, tick(beat + beats) - kDivision / 24);
        t.events.append({on, 2, bytesOf({0x90 | t.channel, pitch, velocity})});
        t.events.append({off, 0, bytesOf({0x80 | t.channel, pitch, 0})});
        m_lastTick = std::max(m_lastTick, off);
    }

    // Plays a melody written as "E5:q F5 G5:h. R:e | ..." (w h q e s, "."
    // dotted; a note without a length keeps the previous one; "|" is a bar
    // line for the reader). Returns the beats it took.
    double melody(int track, double beat, const QString& text, int transpose, int velocity) {
        double at = beat;
        double length = 1.0;
        for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (token == QLatin1String("|"))
                continue;
            const QStringList parts = token.split(QLatin1Char(':'));
            if (parts.size() > 1)
                length = lengthOf(parts[1]);
            if (parts[0] != QLatin1String("R"))
                note(track, at, length, pitchOf(parts[0]) + transpose, velocity);
            at += length;
        }
        return at - beat;
    }

    enum class Style { OomPah, Waltz, Arpeggio, Sustained };

    // An accompaniment from chord names, bars split by "|", one or two chords
    // per bar ("C | G C | Am"). Returns the beats it took.
    double chords(int chordTrack, int bassTrack, double beat, const QString& text, Style style,
                  int velocity, double melodyBeats = -1) {
        double at = beat;
        for (const QString& bar : text.split(QLatin1Char('|'))) {
            const QStringList names = bar.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (names.isEmpty())
                continue;
            const double span = double(m_beatsPerBar) / double(names.size());
            for (const QString& name : names) {
                playChord(chordTrack, bassTrack, at, span, chordOf(name), style, velocity);
                at += span;
            }
        }
        // A tune and its harmony of different lengths is a writing mistake.
        if (melodyBeats >= 0 && std::abs(melodyBeats - (at - beat)) > 1e-6)
            throw std::invalid_argument("melody and harmony differ in length");
        return at - beat;
    }

    // A closing chord held for a bar.
    void finalChord(int chordTrack, int bassTrack, double beat, const QString& name, int velocity) {
        const QList<int> c = chordOf(name);
        for (int p : c)
            note(chordTrack, beat, m_beatsPerBar, p, velocity);
        note(bassTrack, beat, m_beatsPerBar, c[0] - 12, velocity + 10);
    }

    QByteArray bytes() const {
        QByteArray out("MThd");
        put32(out, 6);
        put16(out, 1);
        put16(out, quint16(m_tracks.size() + 1));
        put16(out, kDivision);

        // The conductor track: name, tempo, metre, end.
        QByteArray conductor;
        appendMeta(conductor, 0, 0x03, m_title);
        const int micros = 60000000 / m_bpm;
        appendMeta(conductor, 0, 0x51,
                   bytesOf({micros >> 16, (micros >> 8) & 0xFF, micros & 0xFF}));
        appendMeta(conductor, 0, 0x58, bytesOf({m_beatsPerBar, 2, 24, 8}));
        appendMeta(conductor, m_lastTick, 0x2F, QByteArray());
        appendChunk(out, conductor);

        for (const Track& t : m_tracks) {
            QList<Event> events = t.events;
            // In time order; at the same tick: note-offs, then program
            // changes, then note-ons.
            std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
                return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
            });
            QByteArray body;
            qint64 last = 0;
            appendMeta(body, 0, 0x03, t.name);
            for (const Event& e : events) {
                putVar(body, quint32(e.tick - last));
                body.append(e.data);
                last = e.tick;
            }
            appendMeta(body, std::max<qint64>(0, m_lastTick - last), 0x2F, QByteArray());
            appendChunk(out, body);
        }
        return out;
    }

private:
    struct Event {
        qint64 tick;
        int order;
        QByteArray data;
    };
    struct Track {
        QByteArray name;
        int channel;
        QList<Event> events;
    };

    static qint64 tick(double beat) { return qint64(beat * kDivision + 0.5); }

    static double lengthOf(const QString& code) {
        static const QMap<QChar, double> beats = {{QLatin1Char('w'), 4.0},
                                                  {QLatin1Char('h'), 2.0},
                                                  {QLatin1Char('q'), 1.0},
                                                  {QLatin1Char('e'), 0.5},
                                                  {QLatin1Char('s'), 0.25}};
        if (code.isEmpty() || !beats.contains(code[0]))
            throw std::invalid_argument("bad note length");
        double value = beats.value(code[0]);
        if (code.endsWith(QLatin1Char('.')))
            value *= 1.5;
        return value;
    }

    static int pitchClass(const QString& name, qsizetype& used) {
        static const QString letters = QStringLiteral("C D EF G A B");
        if (name.isEmpty() || name[0] == QLatin1Char(' ') || !letters.contains(name[0]))
            throw std::invalid_argument("bad note name");
        const qsizetype base = letters.indexOf(name[0]);
        int pc = int(base);
        used = 1;
        if (name.size() > 1 && name[1] == QLatin1Char('#')) {
            ++pc;
            used = 2;
        } else if (name.size() > 1 && name[1] == QLatin1Char('b')) {
            --pc;
            used = 2;
        }
        return pc;
    }

    static int pitchOf(const QString& name) {
        qsizetype used = 0;
        const int pc = pitchClass(name, used);
        bool ok = false;
        const int octave = name.mid(used).toInt(&ok);
        if (!ok)
            throw std::invalid_argument("bad octave");
        return 12 * (octave + 1) + pc;
    }

    // The chord's notes around middle C: root, third, fifth (and seventh).
    static QList<int> chordOf(const QString& name) {
        qsizetype used = 0;
        const int pc = pitchClass(name, used);
        const QString quality = name.mid(used);
        const int root = 48 + ((pc + 12) % 12);
        const bool minor = quality.startsWith(QLatin1Char('m'));
        QList<int> notes = {root, root + (minor ? 3 : 4), root + 7};
        if (quality.endsWith(QLatin1Char('7')))
            notes.append(root + 10);
        return notes;
    }

    void playChord(int chordTrack, int bassTrack, double at, double span, const QList<int>& c,
                   Style style, int velocity) {
        const int bass = c[0] - 12;
        switch (style) {
        case Style::Sustained:
            for (int p : c)
                note(chordTrack, at, span, p, velocity);
            note(bassTrack, at, span, bass, velocity + 8);
            break;
        case Style::Waltz:
        case Style::OomPah:
            for (double b = 0; b < span - 1e-9; b += 1.0) {
                const bool down = b == 0 || (style == Style::OomPah && int(b) == 2);
                if (down) {
                    note(bassTrack, at + b, 1.0, int(b) == 2 ? bass + 7 : bass, velocity + 10);
                } else {
                    for (int p : c)
                        note(chordTrack, at + b, 1.0, p, velocity - 8);
                }
            }
            note(bassTrack, at, span, bass - 12, velocity - 20); // a soft floor under it
            break;
        case Style::Arpeggio: {
            // Broken chord in eighths: root, fifth, third, fifth, ...
            const int order[] = {0, 2, 1, 2};
            int i = 0;
            for (double b = 0; b < span - 1e-9; b += 0.5, ++i)
                note(chordTrack, at + b, 0.5, c[order[i % 4]], velocity - 10);
            note(bassTrack, at, span, bass, velocity + 5);
            break;
        }
        }
    }

    static void put32(QByteArray& out, quint32 v) {
        out.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
    }
    static void put16(QByteArray& out, quint16 v) { out.append(char(v >> 8)).append(char(v)); }
    static void putVar(QByteArray& out, quint32 v) {
        char bytes[5];
        int n = 0;
        bytes[n++] = char(v & 0x7F);
        while (v >>= 7)
            bytes[n++] = char(0x80 | (v & 0x7F));
        while (n)
            out.append(bytes[--n]);
    }
    static void appendMeta(QByteArray& out, qint64 delta, int type, const QByteArray& data) {
        putVar(out, quint32(delta));
        out.append(char(0xFF)).append(char(type));
        putVar(out, quint32(data.size()));
        out.append(data);
    }
    static void appendChunk(QByteArray& out, const QByteArray& body) {
        out.append("MTrk");
        put32(out, quint32(body.size()));
        out.append(body);
    }

    QByteArray m_title;
    int m_bpm;
    int m_beatsPerBar;
    QList<Track> m_tracks;
    qint64 m_lastTick = 0;
};

// Beethoven, Symphony No. 9: the "Ode to Joy" theme, three times through
// with a different voice each time.
QByteArray makeOdeToJoy() {
    Song song(QStringLiteral("Ode to Joy"), 112, 4);
    const int tune = song.addTrack(QStringLiteral("Melody"), 0, Flute);
    const int chords = song.addTrack(QStringLiteral("Piano"), 1, AcousticGrand);
    const int bass = song.addTrack(QStringLiteral("Bass"), 2, AcousticBass);
    const QString a1 =
        QStringLiteral("E4:q E4 F4 G4 | G4 F4 E4 D4 | C4 C4 D4 E4 | E4:q. D4:e D4:h");
    const QString a2 =
        QStringLiteral("E4:q E4 F4 G4 | G4 F4 E4 D4 | C4 C4 D4 E4 | D4:q. C4:e C4:h");
    const QString b =
        QStringLiteral("D4:q D4 E4 C4 | D4 E4:e F4 E4:q C4 | D4:q E4:e F4 E4:q D4 | C4 D4 G3:h");
    const QString tuneText =
        a1 + QStringLiteral(" ") + a2 + QStringLiteral(" ") + b + QStringLiteral(" ") + a2;
    const QString harmony =
        QStringLiteral("C | G | C | C G | C | G | C | G C | G | G C | G C | C G | "
                       "C | G | C | G C");
    const int voices[] = {Flute, Clarinet, Strings};
    const int octaves[] = {12, 12, 12};
    const int loudness[] = {100, 100, 72}; // the sounds differ in strength; even them out
    double at = 0;
    for (int round = 0; round < 3; ++round) {
        song.programChange(tune, at, voices[round]);
        const double beats = song.melody(tune, at, tuneText, octaves[round], loudness[round]);
        at += song.chords(chords, bass, at, harmony,
                          round == 1 ? Song::Style::Arpeggio : Song::Style::OomPah, 64, beats);
    }
    song.note(tune, at, 4, 72, 90);
    song.finalChord(chords, bass, at, QStringLiteral("C"), 64);
    return song.bytes();
}

// Christian Petzold, Minuet in G: both halves, each repeated.
QByteArray makeMinuetInG() {
    Song song(QStringLiteral("Minuet in G"), 126, 3);
    const int tune = song.addTrack(QStringLiteral("Melody"), 0, Harpsichord);
    const int chords = song.addTrack(QStringLiteral("Accompaniment"), 1, AcousticGrand);
    const int bass = song.addTrack(QStringLiteral("Bass"), 2, Bassoon);
    const QString start =
        QStringLiteral("D5:q G4:e A4 B4 C5 | D5:q G4 G4 | E5:q C5:e D5 E5 F#5 | G5:q G4 G4 | "
                       "C5:q D5:e C5 B4 A4 | B4:q C5:e B4 A4 G4 | ");
    const QString a = start + QStringLiteral("F#4:q G4:e A4 B4 G4 | A4:h. | ") + start +
                      QStringLiteral("A4:q B4:e A4 G4 F#4 | G4:h.");
    const QString b = QStringLiteral(
        "B5:q G5:e A5 B5 G5 | A5:q D5:e E5 F#5 D5 | G5:q E5:e F#5 G5 D5 | C#5:q B4:e C#5 A4:q | "
        "A4:e B4 C#5 D5 E5 F#5 | G5:q F#5 E5 | F#5:q A4 C#5 | D5:h. | "
        "D5:q G4:e F#4 G4:q | E5:q G4:e F#4 G4:q | D5:q C5 B4 | A4:e G4 F#4 G4 A4:q | "
        "D4:e E4 F#4 G4 A4 B4 | C5:q B4 A4 | B4:e D5 G4:q F#4 | G4:h.");
    const QString aHarmony =
        QStringLiteral("G | G | C | G | Am | G | D | D | G | G | C | G | Am | G | D | G");
    const QString bHarmony =
        QStringLiteral("G | D | Em | A | A | Em | D | D | G | C | G | D | D | Am | G D | G");
    double at = 0;
    for (int half = 0; half < 2; ++half) {
        for (int time = 0; time < 2; ++time) {
            // The harpsichord is a quiet sound: it is played hard.
            const double beats = song.melody(tune, at, half == 0 ? a : b, time == 0 ? 0 : 12, 124);
            at += song.chords(chords, bass, at, half == 0 ? aHarmony : bHarmony, Song::Style::Waltz,
                              72, beats);
        }
    }
    song.note(tune, at, 3, 67, 120);
    song.finalChord(chords, bass, at, QStringLiteral("G"), 72);
    return song.bytes();
}

// "Twinkle, Twinkle, Little Star" (the French air "Ah! vous dirai-je,
// maman"), three times: music box, flute, then vibraphone an octave up.
QByteArray makeTwinkle() {
    Song song(QStringLiteral("Twinkle, Twinkle, Little Star"), 100, 4);
    const int tune = song.addTrack(QStringLiteral("Melody"), 0, MusicBox);
    const int chords = song.addTrack(QStringLiteral("Piano"), 1, AcousticGrand);
    const int bass = song.addTrack(QStringLiteral("Bass"), 2, AcousticBass);
    const QString tuneText =
        QStringLiteral("C5:q C5 G5 G5 | A5 A5 G5:h | F5:q F5 E5 E5 | D5 D5 C5:h | "
                       "G5:q G5 F5 F5 | E5 E5 D5:h | G5:q G5 F5 F5 | E5 E5 D5:h | "
                       "C5:q C5 G5 G5 | A5 A5 G5:h | F5:q F5 E5 E5 | D5 D5 C5:h");
    const QString harmony =
        QStringLiteral("C | F C | F C | G C | C F | C G | C F | C G | C | F C | F C | G C");
    const int voices[] = {MusicBox, Flute, Vibraphone};
    const int octaves[] = {0, 0, 12};
    const int loudness[] = {100, 96, 110};
    double at = 0;
    for (int round = 0; round < 3; ++round) {
        song.programChange(tune, at, voices[round]);
        const double beats = song.melody(tune, at, tuneText, octaves[round], loudness[round]);
        at += song.chords(chords, bass, at, harmony,
                          round == 1 ? Song::Style::Sustained : Song::Style::Arpeggio, 62, beats);
    }
    song.note(tune, at, 4, 72, 80);
    song.finalChord(chords, bass, at, QStringLiteral("C"), 60);
    return song.bytes();
}

// "Greensleeves", verse and refrain, twice: recorder over a guitar.
QByteArray makeGreensleeves() {
    Song song(QStringLiteral("Greensleeves"), 96, 3);
    const int tune = song.addTrack(QStringLiteral("Melody"), 0, Recorder);
    const int chords = song.addTrack(QStringLiteral("Guitar"), 1, NylonGuitar);
    const int bass = song.addTrack(QStringLiteral("Bass"), 2, AcousticBass);
    const QString verseEnd = QStringLiteral("C5:q. B4:e A4:q | G#4:q. F#4:e G#4:q | A4:h. | A4:h.");
    const QString tuneText =
        QStringLiteral("R:h A4:q | "
                       "C5:h D5:q | E5:q. F5:e E5:q | D5:h B4:q | G4:q. A4:e B4:q | C5:h A4:q | "
                       "A4:q. G#4:e A4:q | B4:h G#4:q | E4:h A4:q | "
                       "C5:h D5:q | E5:q. F5:e E5:q | D5:h B4:q | G4:q. A4:e B4:q | ") +
        verseEnd +
        QStringLiteral(" | G5:h. | G5:q. F#5:e E5:q | D5:h B4:q | G4:q. A4:e B4:q | C5:h A4:q | "
                       "A4:q. G#4:e A4:q | B4:h G#4:q | E4:h. | "
                       "G5:h. | G5:q. F#5:e E5:q | D5:h B4:q | G4:q. A4:e B4:q | ") +
        verseEnd;
    const QString harmony = QStringLiteral(
        "Am | Am | C | G | Em | Am | F | E | E | Am | C | G | Em | Am | E | Am | Am | "
        "C | C | G | Em | Am | F | E | E | C | C | G | Em | Am | E | Am | Am");
    double at = 0;
    for (int round = 0; round < 2; ++round) {
        song.programChange(tune, at, round == 0 ? Recorder : Oboe);
        const double beats = song.melody(tune, at, tuneText, 0, 92);
        at += song.chords(chords, bass, at, harmony, Song::Style::Arpeggio, 66, beats);
    }
    song.note(tune, at, 3, 69, 84);
    song.finalChord(chords, bass, at, QStringLiteral("Am"), 60);
    return song.bytes();
}

// "Frère Jacques" as a round for four woodwinds, each entering two bars
// after the one before and singing the tune four times.
QByteArray makeFrereJacques() {
    Song song(QStringLiteral("Frere Jacques"), 120, 4);
    const QString tuneText = QStringLiteral(
        "C5:q D5 E5 C5 | C5 D5 E5 C5 | E5 F5 G5:h | E5:q F5 G5:h | "
        "G5:e A5 G5 F5 E5:q C5 | G5:e A5 G5 F5 E5:q C5 | C5:q G4 C5:h | C5:q G4 C5:h");
    const int programs[] = {Clarinet, Oboe, FrenchHorn, Bassoon};
    const int transpose[] = {0, 0, -12, -24};
    const int velocity[] = {96, 84, 80, 88};
    double end = 0;
    for (int voice = 0; voice < 4; ++voice) {
        const int track =
            song.addTrack(QStringLiteral("Voice %1").arg(voice + 1), voice, programs[voice]);
        double at = 8.0 * voice;
        for (int time = 0; time < 4; ++time)
            at += song.melody(track, at, tuneText, transpose[voice], velocity[voice]);
        end = std::max(end, at);
    }
    const int chords = song.addTrack(QStringLiteral("Strings"), 4, Strings);
    const int bass = song.addTrack(QStringLiteral("Bass"), 5, AcousticBass);
    song.finalChord(chords, bass, end, QStringLiteral("C"), 70);
    return song.bytes();
}

} // namespace

const QList<MusicPiece>& musicPieces() {
    static const QList<MusicPiece> pieces = {
        {QStringLiteral("ode_to_joy.mid"), makeOdeToJoy},
        {QStringLiteral("minuet_in_g.mid"), makeMinuetInG},
        {QStringLiteral("twinkle_twinkle.mid"), makeTwinkle},
        {QStringLiteral("greensleeves.mid"), makeGreensleeves},
        {QStringLiteral("frere_jacques.mid"), makeFrereJacques},
    };
    return pieces;
}
