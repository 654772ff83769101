#include "shell/clsBinaryEncryptor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Progress is reported (and, where asked, events run) every this many bytes.
constexpr qint64 kProgressStep = 500;
// Running the event loop costs far more than shifting 500 bytes, so after the
// first stop it runs only when this much time has passed; the windows stay
// just as responsive, and large files are not slowed down tenfold.
constexpr qint64 kEventIntervalMs = 5;

enum class Direction { Encrypt, Decrypt };

// The shift of each passphrase position: character code xor 17. The codes are
// the single-byte (Latin-1) values of the characters.
QByteArray shiftTable(const QString& passphrase) {
    QByteArray table = passphrase.toLatin1();
    for (char& c : table)
        c = static_cast<char>(static_cast<unsigned char>(c) ^ 17u);
    return table;
}

// Transforms bytes [from, to) of `in` into `out`. `firstIndex` is the index
// the byte at position 0 carries (1 for files, 0 for texts); the shift of
// index i comes from passphrase position i mod L. Wrapping arithmetic on
// unsigned bytes gives exactly (b + k) mod 256 and b - k (+256 if negative).
void transform(const QByteArray& in, QByteArray& out, const QByteArray& shifts, qint64 firstIndex,
               qint64 from, qint64 to, Direction direction) {
    const auto* src = reinterpret_cast<const unsigned char*>(in.constData());
    auto* dst = reinterpret_cast<unsigned char*>(out.data());
    const auto* key = reinterpret_cast<const unsigned char*>(shifts.constData());
    const qint64 length = shifts.size();
    qint64 k = (from + firstIndex) % length;
    if (direction == Direction::Encrypt) {
        for (qint64 p = from; p < to; ++p) {
            dst[p] = static_cast<unsigned char>(src[p] + key[k]);
            if (++k == length)
                k = 0;
        }
    } else {
        for (qint64 p = from; p < to; ++p) {
            dst[p] = static_cast<unsigned char>(src[p] - key[k]);
            if (++k == length)
                k = 0;
        }
    }
}

// Runs the whole transformation, stopping at every index that is a multiple
// of 500 to call `atStop(index, lastIndex)`.
template <typename Stop>
QByteArray transformWithStops(const QByteArray& in, const QString& passphrase, qint64 firstIndex,
                              Direction direction, Stop atStop) {
    if (in.isEmpty() || passphrase.isEmpty())
        return {};
    const QByteArray shifts = shiftTable(passphrase);
    QByteArray out(in.size(), Qt::Uninitialized);
    const qint64 size = in.size();
    const qint64 lastIndex = firstIndex + size - 1;
    qint64 done = 0;
    // The first multiple of 500 at or after firstIndex.
    qint64 stopIndex = ((firstIndex + kProgressStep - 1) / kProgressStep) * kProgressStep;
    while (done < size) {
        const qint64 stopPos = stopIndex - firstIndex; // position of the stop byte
        const qint64 end = qMin(size, stopPos + 1);
        transform(in, out, shifts, firstIndex, done, end, direction);
        done = end;
        if (stopPos < size) {
            atStop(static_cast<qint32>(stopIndex), static_cast<qint32>(lastIndex));
            stopIndex += kProgressStep;
        }
    }
    return out;
}

// Lets pending events run, at most once every few milliseconds, and only when
// there is an application whose events could be pending.
class EventPump {
public:
    void pump() {
        if (!QCoreApplication::instance())
            return;
        if (m_clock.isValid() && m_clock.elapsed() < kEventIntervalMs)
            return;
        QCoreApplication::processEvents();
        m_clock.start();
    }

private:
    QElapsedTimer m_clock;
};

// Texts count their bytes from 0 and let events run at the stops. Latin-1
// maps every byte to one character and back, so a scrambled text survives the
// round trip through QString unchanged.
template <typename Progress>
QString transformText(const QString& text, const QString& passphrase, Direction direction,
                      Progress progress) {
    EventPump events;
    const QByteArray result =
        transformWithStops(text.toLatin1(), passphrase, 0, direction, [&](qint32 i, qint32 last) {
            events.pump();
            progress(i, last);
        });
    return QString::fromLatin1(result);
}

} // namespace

clsBinaryEncryptor::clsBinaryEncryptor(QObject* parent) : QObject(parent) {}

bool clsBinaryEncryptor::SaveBinaryArray(const QString& path, const QByteArray& bytes) {
    // QSaveFile writes beside the destination and renames over it on commit, so
    // an existing file stays whole until the new one is complete. Unbuffered,
    // so that a short write (disk full, size limit) is seen here: through the
    // buffer Qt would drop the rest silently and commit a truncated file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            file.cancelWriting();
            file.commit(); // removes the unfinished new file, keeps the old one
            return false;
        }
        written += step;
    }
    return file.commit();
}

QByteArray clsBinaryEncryptor::ReadBinaryArray(const QString& path, bool* ok) {
    if (ok)
        *ok = false;
    if (QFileInfo(path).isDir())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    if (ok)
        *ok = true;
    return bytes;
}

bool clsBinaryEncryptor::EncryptFile(const QString& source, const QString& destination,
                                     const QString& passphrase) {
    bool ok = false;
    const QByteArray plain = ReadBinaryArray(source, &ok);
    if (!ok || plain.isEmpty() || passphrase.isEmpty())
        return false;
    EventPump events;
    const QByteArray result =
        transformWithStops(plain, passphrase, 1, Direction::Encrypt, [&](qint32 i, qint32 last) {
            events.pump();
            Q_EMIT EncryptProgress(i, last);
        });
    return SaveBinaryArray(destination, result);
}

bool clsBinaryEncryptor::DecryptFile(const QString& source, const QString& destination,
                                     const QString& passphrase) {
    bool ok = false;
    const QByteArray scrambled = ReadBinaryArray(source, &ok);
    if (!ok || scrambled.isEmpty() || passphrase.isEmpty())
        return false;
    const QByteArray result =
        transformWithStops(scrambled, passphrase, 1, Direction::Decrypt,
                           [&](qint32 i, qint32 last) { Q_EMIT DecryptProgress(i, last); });
    return SaveBinaryArray(destination, result);
}

QString clsBinaryEncryptor::DecryptString(const QString& text, const QString& passphrase) {
    return transformText(text, passphrase, Direction::Decrypt,
                         [this](qint32 i, qint32 last) { Q_EMIT DecryptProgress(i, last); });
}

QString clsBinaryEncryptor::EncryptString(const QString& text, const QString& passphrase) {
    return transformText(text, passphrase, Direction::Encrypt,
                         [this](qint32 i, qint32 last) { Q_EMIT EncryptProgress(i, last); });
}

QByteArray clsBinaryEncryptor::EncryptBytes(const QByteArray& plain, const QString& passphrase) {
    return transformWithStops(plain, passphrase, 1, Direction::Encrypt, [](qint32, qint32) {});
}

QByteArray clsBinaryEncryptor::DecryptBytes(const QByteArray& scrambled,
                                            const QString& passphrase) {
    return transformWithStops(scrambled, passphrase, 1, Direction::Decrypt, [](qint32, qint32) {});
}
