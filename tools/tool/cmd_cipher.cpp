// mordaventa-tool encrypt / decrypt: the game's file cipher on any file, with
// the program's passphrase unless another one is given.
#include "ToolCommand.h"

#include "shell/clsBinaryEncryptor.h"

#include <QDir>
#include <QFileInfo>

namespace {

enum class Mode { Encrypt, Decrypt };

// Splits "IN OUT [--passphrase P]" (the option may stand anywhere, also as
// --passphrase=P). False, with the message, on anything else.
bool parseArguments(const QStringList& arguments, QStringList& files, QString& passphrase,
                    QString& message) {
    passphrase = QString::fromLatin1(kProgramPassphrase);
    const QString option = QStringLiteral("--passphrase");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == option) {
            if (i + 1 >= arguments.size()) {
                message = QStringLiteral("--passphrase needs a value");
                return false;
            }
            passphrase = arguments.at(++i);
        } else if (argument.startsWith(option + QLatin1Char('='))) {
            passphrase = argument.mid(option.size() + 1);
        } else if (argument.startsWith(QLatin1String("--"))) {
            message = QStringLiteral("unknown option %1").arg(argument);
            return false;
        } else {
            files << argument;
        }
    }
    if (files.size() != 2) {
        message = QStringLiteral("expected an input and an output file, got %1 file argument(s)")
                      .arg(files.size());
        return false;
    }
    if (passphrase.isEmpty()) {
        message = QStringLiteral("the passphrase is empty");
        return false;
    }
    return true;
}

int run(Mode mode, const QStringList& arguments) {
    QStringList files;
    QString passphrase;
    QString message;
    if (!parseArguments(arguments, files, passphrase, message))
        return toolError(message);
    const QString& input = files.at(0);
    const QString& output = files.at(1);

    const QFileInfo in(input);
    if (!in.exists())
        return toolError(QStringLiteral("%1: no such file").arg(input));
    if (in.isDir())
        return toolError(QStringLiteral("%1 is a folder, not a file").arg(input));
    if (in.size() == 0)
        return toolError(QStringLiteral("%1 is empty: nothing to %2")
                             .arg(input, mode == Mode::Encrypt ? QStringLiteral("encrypt")
                                                               : QStringLiteral("decrypt")));
    const QFileInfo out(output);
    if (out.isDir())
        return toolError(QStringLiteral("%1 is a folder, not a file").arg(output));
    if (!out.absoluteDir().exists())
        return toolError(QStringLiteral("the folder of %1 does not exist").arg(output));

    clsBinaryEncryptor encryptor;
    const bool ok = mode == Mode::Encrypt ? encryptor.EncryptFile(input, output, passphrase)
                                          : encryptor.DecryptFile(input, output, passphrase);
    if (!ok)
        return toolError(
            QStringLiteral("cannot %1 %2 into %3")
                .arg(mode == Mode::Encrypt ? QStringLiteral("encrypt") : QStringLiteral("decrypt"),
                     input, output));
    return 0;
}

const ToolCommandRegistration encryptCommand{
    QStringLiteral("encrypt"), QStringLiteral("encrypt IN OUT [--passphrase P]"),
    [](const QStringList& arguments) { return run(Mode::Encrypt, arguments); }};

const ToolCommandRegistration decryptCommand{
    QStringLiteral("decrypt"), QStringLiteral("decrypt IN OUT [--passphrase P]"),
    [](const QStringList& arguments) { return run(Mode::Decrypt, arguments); }};

} // namespace
