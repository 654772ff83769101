// Generates the encrypted word list for the build:
//   mordaventa-wordlist OUTPUT [SCOWL-FOLDER]
#include "WordListBuilder.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() > 2) {
        std::fputs("usage: mordaventa-wordlist OUTPUT [SCOWL-FOLDER]\n", stderr);
        return 2;
    }
    const QString scowl = arguments.size() == 2
                              ? arguments.at(1)
                              : QString::fromLatin1(WordListBuilder::kDefaultScowlFolder);
    QString error;
    if (!WordListBuilder::WriteWordList(scowl, arguments.at(0), &error)) {
        std::fprintf(stderr, "mordaventa-wordlist: %s\n", error.toUtf8().constData());
        return 1;
    }
    return 0;
}
