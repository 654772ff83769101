#include "media/MediaFiles.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace MediaFiles {

namespace {

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

quint32 le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 be32(const char* p) {
    return qFromBigEndian<quint32>(p);
}
quint16 be16(const char* p) {
    return qFromBigEndian<quint16>(p);
}

// How long `ticks` last at `microsPerQuarter`, `division` ticks to the quarter.
double ticksToMs(qint64 ticks, int microsPerQuarter, int division) {
    return double(ticks) * microsPerQuarter / division / 1000.0;
}

} // namespace

bool readWave(const QByteArray& bytes, WaveData& wave, QString* error) {
    wave = WaveData();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return fail(error, QStringLiteral("not a RIFF wave file"));
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype pos = 12;
    bool haveFormat = false;
    int blockAlign = 0;
    while (pos + 8 <= size) {
        const QByteArray id = bytes.mid(pos, 4);
        // A writer that could not seek back leaves the size open; the chunk
        // then runs to the end of the file.
        qsizetype chunkSize = le32(data + pos + 4);
        const qsizetype body = pos + 8;
        if (chunkSize > size - body)
            chunkSize = size - body;
        if (id == "fmt ") {
            if (chunkSize < 16)
                return fail(error, QStringLiteral("format chunk too short"));
            quint16 tag = le16(data + body);
            wave.channels = le16(data + body + 2);
            wave.sampleRate = int(le32(data + body + 4));
            blockAlign = le16(data + body + 12);
            wave.bitsPerSample = le16(data + body + 14);
            if (tag == 0xFFFE && chunkSize >= 26)
                tag = le16(data + body + 24); // the sub-format of an extensible header
            if (tag != 1)
                return fail(error, QStringLiteral("not integer PCM (format %1)").arg(tag));
            if (wave.bitsPerSample != 8 && wave.bitsPerSample != 16)
                return fail(
                    error, QStringLiteral("%1-bit samples are not played").arg(wave.bitsPerSample));
            if (wave.channels < 1 || wave.channels > 8 || wave.sampleRate < 1000 ||
                wave.sampleRate > 384000 || blockAlign != wave.channels * wave.bitsPerSample / 8)
                return fail(error, QStringLiteral("inconsistent format chunk"));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return fail(error, QStringLiteral("data before format"));
            const qsizetype frames = chunkSize / blockAlign;
            const qsizetype count = frames * wave.channels;
            wave.samples.resize(count);
            const char* src = data + body;
            if (wave.bitsPerSample == 16) {
                for (qsizetype i = 0; i < count; ++i)
                    wave.samples[i] = qint16(le16(src + 2 * i));
            } else {
                for (qsizetype i = 0; i < count; ++i)
                    wave.samples[i] = qint16((int(quint8(src[i])) - 128) * 256);
            }
            return true;
        }
        pos = body + chunkSize + (chunkSize & 1);
    }
    return fail(error,
                haveFormat ? QStringLiteral("no data chunk") : QStringLiteral("no format chunk"));
}

QByteArray writeWave(const WaveData& wave) {
    const quint32 dataBytes = quint32(wave.samples.size()) * 2;
    QByteArray out(44 + qsizetype(dataBytes), Qt::Uninitialized);
    char* p = out.data();
    auto put = [&p](const char* text) {
        std::memcpy(p, text, 4);
        p += 4;
    };
    auto put32 = [&p](quint32 v) {
        qToLittleEndian<quint32>(v, p);
        p += 4;
    };
    auto put16 = [&p](quint16 v) {
        qToLittleEndian<quint16>(v, p);
        p += 2;
    };
    put("RIFF");
    put32(36 + dataBytes);
    put("WAVE");
    put("fmt ");
    put32(16);
    put16(1); // integer PCM
    put16(quint16(wave.channels));
    put32(quint32(wave.sampleRate));
    put32(quint32(wave.sampleRate * wave.channels * 2));
    put16(quint16(wave.channels * 2));
    put16(16);
    put("data");
    put32(dataBytes);
    for (qint16 sample : wave.samples) {
        qToLittleEndian<qint16>(sample, p);
        p += 2;
    }
    return out;
}

double MidiInfo::tickToMs(qint64 tick) const {
    if (ticksPerSecond > 0)
        return tick * 1000.0 / ticksPerSecond;
    if (division <= 0)
        return 0;
    double ms = 0;
    qint64 at = 0;
    int tempo = 500000;
    for (const Tempo& t : tempos) {
        if (t.tick >= tick)
            break;
        ms += ticksToMs(t.tick - at, tempo, division);
        at = t.tick;
        tempo = t.microsPerQuarter;
    }
    ms += ticksToMs(tick - at, tempo, division);
    return ms;
}

qint64 MidiInfo::msToTick(double ms) const {
    if (ms <= 0)
        return 0;
    if (ticksPerSecond > 0)
        return qint64(ms * ticksPerSecond / 1000.0);
    if (division <= 0)
        return 0;
    double elapsed = 0;
    qint64 at = 0;
    int tempo = 500000;
    for (const Tempo& t : tempos) {
        const double span = ticksToMs(t.tick - at, tempo, division);
        if (elapsed + span > ms)
            break;
        elapsed += span;
        at = t.tick;
        tempo = t.microsPerQuarter;
    }
    return at + qint64((ms - elapsed) * 1000.0 * division / tempo);
}

bool readMidi(const QByteArray& bytes, MidiInfo& info, QString* error) {
    info = MidiInfo();
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    if (size < 14 || !bytes.startsWith("MThd") || be32(data + 4) < 6)
        return fail(error, QStringLiteral("not a standard MIDI file"));
    info.format = be16(data + 8);
    info.trackCount = be16(data + 10);
    const quint16 division = be16(data + 12);
    if (info.format > 2)
        return fail(error, QStringLiteral("unknown MIDI format %1").arg(info.format));
    if (division & 0x8000) {
        const int fps = -qint8(division >> 8);
        info.ticksPerSecond = double(fps) * (division & 0xFF);
        if (info.ticksPerSecond <= 0)
            return fail(error, QStringLiteral("bad SMPTE timing"));
    } else {
        info.division = division;
        if (division == 0)
            return fail(error, QStringLiteral("zero ticks per quarter note"));
    }

    QList<MidiInfo::Tempo> tempos;
    qsizetype pos = 8 + be32(data + 4);
    int tracksRead = 0;
    qint64 formatTwoOffset = 0; // format 2 tracks play one after another
    while (tracksRead < info.trackCount) {
        if (pos + 8 > size)
            return fail(error, QStringLiteral("track %1 is missing").arg(tracksRead + 1));
        const qsizetype length = be32(data + pos + 4);
        const qsizetype body = pos + 8;
        if (length > size - body)
            return fail(error, QStringLiteral("track %1 is cut short").arg(tracksRead + 1));
        if (bytes.mid(pos, 4) != "MTrk") { // unknown chunks are skipped
            pos = body + length;
            continue;
        }
        const qsizetype end = body + length;
        qsizetype p = body;
        qint64 tick = formatTwoOffset;
        quint8 running = 0;
        bool endOfTrack = false;
        auto readVar = [&](quint32& value) {
            value = 0;
            for (int i = 0; i < 4; ++i) {
                if (p >= end)
                    return false;
                const quint8 b = quint8(data[p++]);
                value = (value << 7) | (b & 0x7F);
                if (!(b & 0x80))
                    return true;
            }
            return false;
        };
        while (p < end && !endOfTrack) {
            quint32 delta = 0;
            if (!readVar(delta))
                return fail(error, QStringLiteral("bad delta time"));
            tick += delta;
            quint8 status = quint8(data[p]);
            if (status & 0x80) {
                ++p;
            } else {
                if (!running)
                    return fail(error, QStringLiteral("data byte without status"));
                status = running;
            }
            if (status == 0xFF) {
                if (p >= end)
                    return fail(error, QStringLiteral("meta event cut short"));
                const quint8 type = quint8(data[p++]);
                quint32 len = 0;
                if (!readVar(len) || len > quint32(end - p))
                    return fail(error, QStringLiteral("meta event cut short"));
                if (type == 0x51 && len == 3) {
                    const int micros =
                        (quint8(data[p]) << 16) | (quint8(data[p + 1]) << 8) | quint8(data[p + 2]);
                    if (micros > 0)
                        tempos.append({tick, micros});
                } else if (type == 0x2F) {
                    endOfTrack = true;
                }
                p += len;
                running = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                quint32 len = 0;
                if (!readVar(len) || len > quint32(end - p))
                    return fail(error, QStringLiteral("system exclusive event cut short"));
                p += len;
                running = 0;
            } else if (status >= 0xF0) {
                return fail(error, QStringLiteral("unexpected status byte"));
            } else {
                running = status;
                const int kind = status & 0xF0;
                const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                if (p + dataBytes > end)
                    return fail(error, QStringLiteral("channel event cut short"));
                if (kind == 0x90 && quint8(data[p + 1]) > 0)
                    ++info.noteOnCount;
                if (kind == 0xC0)
                    info.programs.append(quint8(data[p]));
                p += dataBytes;
            }
        }
        info.lastTick = std::max(info.lastTick, tick);
        if (info.format == 2)
            formatTwoOffset = tick;
        pos = end;
        ++tracksRead;
    }
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const auto& a, const auto& b) { return a.tick < b.tick; });
    if (tempos.isEmpty() || tempos.first().tick != 0)
        tempos.prepend({0, 500000});
    info.tempos = tempos;
    return true;
}

} // namespace MediaFiles
