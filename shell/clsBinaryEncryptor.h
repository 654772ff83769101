#pragma once
// Byte-shift obfuscation of player files and the word list with a passphrase.
// A light scramble so the files cannot be read or edited in a text editor; not
// cryptography. Byte i is shifted by (passphrase[(i mod L) + 1] xor 17), where
// file operations count bytes from 1 and text operations from 0.
#include <QByteArray>
#include <QObject>
#include <QString>

// The program's one passphrase (player files and the word list).
inline constexpr char kProgramPassphrase[] = "BisonEatsMuch";

class clsBinaryEncryptor : public QObject {
    Q_OBJECT
public:
    explicit clsBinaryEncryptor(QObject* parent = nullptr);

    // Replaces the file with the bytes, atomically: an interrupted write never
    // leaves a half-written or missing file. False when it cannot be written.
    bool SaveBinaryArray(const QString& path, const QByteArray& bytes);
    // The whole file; ok (when given) tells whether it could be read.
    QByteArray ReadBinaryArray(const QString& path, bool* ok = nullptr);

    bool EncryptFile(const QString& source, const QString& destination, const QString& passphrase);
    bool DecryptFile(const QString& source, const QString& destination, const QString& passphrase);
    QString DecryptString(const QString& text, const QString& passphrase);
    QString EncryptString(const QString& text, const QString& passphrase);

    // In-memory forms of the file operations (bytes counted from 1), for
    // callers that keep plain text off the disk. Empty input or passphrase
    // gives an empty result. No progress events, no event processing.
    static QByteArray EncryptBytes(const QByteArray& plain, const QString& passphrase);
    static QByteArray DecryptBytes(const QByteArray& scrambled, const QString& passphrase);

Q_SIGNALS:
    void EncryptProgress(qint32 index, qint32 lastIndex);
    void DecryptProgress(qint32 index, qint32 lastIndex);
};
