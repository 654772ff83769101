#include "boardgame/file/BoardSettings.h"

#include "shell/AppSettings.h"
#include "shell/ProgramFolder.h"

namespace BoardSettings {
namespace {
const QString kApplication = QStringLiteral("BoardGame");
const QString kSection = QStringLiteral("Settings");
} // namespace

QString CurrentDataPath() {
    return AppSettings::GetSetting(kApplication, kSection, QStringLiteral("DataPath"),
                                   QStringLiteral("SpellingGrammar.mdb"));
}

void SaveDataPath(const QString& name) {
    AppSettings::SaveSetting(kApplication, kSection, QStringLiteral("DataPath"), name);
}

bool IsUsableDataPath(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1String(".."));
}

QString CurrentBoardFilePath() {
    const QString name = CurrentDataPath();
    if (!IsUsableDataPath(name))
        return {};
    // Play marks questions as asked in the file, so an installed program plays
    // on the user's own copy of a shipped file.
    return ProgramFolder::writableFile(QStringLiteral("\\data\\") + name);
}

bool QuestionFilter() {
    const QString value = AppSettings::GetSetting(kApplication, kSection, QStringLiteral("Filter"),
                                                  QStringLiteral("True"))
                              .trimmed();
    return value.compare(QLatin1String("False"), Qt::CaseInsensitive) != 0 &&
           value != QLatin1String("0");
}

void SetQuestionFilter(bool removeEveryTime) {
    AppSettings::SaveSetting(kApplication, kSection, QStringLiteral("Filter"),
                             removeEveryTime ? QStringLiteral("True") : QStringLiteral("False"));
}

bool AmericanSpeech() {
    return AppSettings::GetSetting(kApplication, kSection, QStringLiteral("Speech"),
                                   QStringLiteral("en-gb"))
               .trimmed()
               .compare(QLatin1String("en-us"), Qt::CaseInsensitive) == 0;
}

void SetAmericanSpeech(bool american) {
    AppSettings::SaveSetting(kApplication, kSection, QStringLiteral("Speech"),
                             american ? QStringLiteral("en-us") : QStringLiteral("en-gb"));
}

QByteArray SpeechLanguage() {
    return AmericanSpeech() ? QByteArrayLiteral("en-us") : QByteArrayLiteral("en-gb");
}

} // namespace BoardSettings
