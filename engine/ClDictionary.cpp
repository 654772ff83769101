#include "engine/ClDictionary.h"

#include "shell/Logging.h"
#include "shell/MsgBox.h"
#include "shell/ProgramFolder.h"
#include "shell/clsBinaryEncryptor.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kSectionSeparator = QStringLiteral("<|>");
const QString kLineBreak = QStringLiteral("\r\n");
constexpr char16_t kJoker = u'*';
constexpr int kSectionsNeeded = 1 + ClDictionary::kLevelCount;

// The character at position k, or -1 past the end: within a range of entries
// that share their first k characters this key never decreases.
inline int keyAt(const QString& entry, qsizetype k) {
    return k < entry.size() ? entry.at(k).unicode() : -1;
}

// Ordinal order by UTF-16 code units, the order keyAt() relies on.
bool codeUnitLess(const QString& a, const QString& b) {
    const qsizetype n = qMin(a.size(), b.size());
    const QChar* pa = a.constData();
    const QChar* pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] != pb[i])
            return pa[i].unicode() < pb[i].unicode();
    }
    return a.size() < b.size();
}

// The index of the first entry that is not `length` letters a-z (element 0
// may also be empty), or -1.
qsizetype firstNonWord(const QStringList& entries, int length) {
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString& entry = entries.at(i);
        if (i == 0 && entry.isEmpty())
            continue;
        if (entry.size() != length)
            return i;
        for (const QChar c : entry) {
            if (c < QLatin1Char('a') || c > QLatin1Char('z'))
                return i;
        }
    }
    return -1;
}

} // namespace

const QString ClDictionary::kLoadErrorText =
    QStringLiteral("Error in loading dictionary...Try updating software...");

ClDictionary::ClDictionary() = default;

void ClDictionary::Clear() {
    dicversion.clear();
    DicLoaded = false;
    for (QStringList& list : WordsByLevel)
        list.clear();
    for (LevelIndex& index : m_index)
        index.sorted.clear();
}

bool ClDictionary::LoadDictionary() {
    const QString path = ProgramFolder::resolve(QStringLiteral("\\Dictionary\\dictionary.dic"));
    QString error;
    if (LoadDictionaryFile(path, &error))
        return true;
    qCWarning(lcMordaventa).noquote() << "word list not loaded:" << error;
    MsgBox(error + QStringLiteral("\n\n") + kLoadErrorText, MsgButtons::OK, QString(),
           MsgIcon::Critical);
    return false;
}

bool ClDictionary::LoadDictionaryFile(const QString& path, QString* error) {
    auto fail = [&](const QString& text) {
        Clear();
        if (error)
            *error = text;
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("File not found: %1").arg(path));
    if (info.isDir())
        return fail(QStringLiteral("%1 is a folder, not a word-list file").arg(path));
    if (info.size() > kMaxFileBytes)
        return fail(QStringLiteral("The word-list file %1 is damaged: %2 bytes, more than the "
                                   "%3 MB any word list takes")
                        .arg(path)
                        .arg(info.size())
                        .arg(kMaxFileBytes / (1024 * 1024)));

    // The list is decrypted in memory: no plain copy ever reaches the disk.
    // A plain copy left by an older or interrupted run is removed, as a
    // completed load always removed it.
    clsBinaryEncryptor encryptor;
    bool readOk = false;
    const QByteArray scrambled = encryptor.ReadBinaryArray(path, &readOk);
    if (!readOk)
        return fail(QStringLiteral("Cannot read %1").arg(path));
    if (scrambled.isEmpty())
        return fail(QStringLiteral("The word-list file %1 is empty").arg(path));
    const QByteArray plain =
        clsBinaryEncryptor::DecryptBytes(scrambled, QString::fromLatin1(kProgramPassphrase));

    QString parseError;
    if (!LoadText(plain, true, &parseError))
        return fail(QStringLiteral("%1 (%2)").arg(parseError, path));

    const QString staleCopy =
        ProgramFolder::resolveUnder(info.absolutePath(), QStringLiteral("temp.txt"));
    if (QFileInfo(staleCopy).isFile())
        QFile::remove(staleCopy);
    return true;
}

bool ClDictionary::LoadPlainText(const QByteArray& plain, QString* error) {
    return LoadText(plain, false, error);
}

bool ClDictionary::LoadText(const QByteArray& plain, bool wordsOnly, QString* error) {
    auto fail = [&](const QString& text) {
        Clear();
        if (error)
            *error = text;
        return false;
    };
    // One byte per character, as the file was written.
    const QStringList pieces = QString::fromLatin1(plain).split(kSectionSeparator);
    if (pieces.size() < kSectionsNeeded)
        return fail(QStringLiteral("The word list is damaged or not encrypted with the program's "
                                   "passphrase: %1 of 6 sections found")
                        .arg(pieces.size()));

    // Build everything aside first, so a failure can never leave half a list.
    std::array<QStringList, kLevelCount> lists;
    std::array<LevelIndex, kLevelCount> indexes;
    for (int level = 0; level < kLevelCount; ++level) {
        lists[level] = pieces.at(level + 1).split(kLineBreak);
        // A list cut short or made of other bytes still splits into sections;
        // its entries give it away. Element 0 may stay empty.
        if (wordsOnly) {
            // An empty line (a section that ends with a line break) is no entry.
            QStringList& list = lists[level];
            list.erase(std::remove_if(list.begin() + 1, list.end(),
                                      [](const QString& entry) { return entry.isEmpty(); }),
                       list.end());
            const qsizetype bad = firstNonWord(lists[level], kFirstLevel + level);
            if (bad >= 0)
                return fail(QStringLiteral("The word list is damaged: entry %1 of the %2-letter "
                                           "words is not a lowercase word of %2 letters")
                                .arg(bad)
                                .arg(kFirstLevel + level));
        }
        std::vector<QString>& sorted = indexes[level].sorted;
        sorted.assign(lists[level].cbegin() + 1, lists[level].cend());
        if (!std::is_sorted(sorted.cbegin(), sorted.cend(), codeUnitLess))
            std::sort(sorted.begin(), sorted.end(), codeUnitLess);
    }
    dicversion = pieces.at(0);
    WordsByLevel = std::move(lists);
    m_index = std::move(indexes);
    DicLoaded = true;
    return true;
}

bool ClDictionary::EntryBeginsLike(const QString& entry, const QString& word) {
    for (qsizetype k = 0; k < word.size(); ++k) {
        const QChar c = word.at(k);
        if (c == QChar(kJoker))
            continue;
        if (k >= entry.size() || entry.at(k) != c)
            return false;
    }
    return true;
}

bool ClDictionary::CheckWord(const QString& word, qint16 level) const {
    if (word.isEmpty() || level < kFirstLevel || level > kLastLevel)
        return false;
    const LevelIndex& index = m_index[level - kFirstLevel];
    if (index.sorted.empty())
        return false;
    // starsFrom[k]: every character from k on is a joker, so any entry whose
    // first k characters fit matches, however short it is.
    std::vector<bool> starsFrom(word.size() + 1, true);
    for (qsizetype k = word.size() - 1; k >= 0; --k)
        starsFrom[k] = starsFrom[k + 1] && word.at(k) == QChar(kJoker);
    return MatchRange(index, word, starsFrom, 0, index.sorted.size(), 0);
}

// [lo, hi) is a non-empty range of sorted entries sharing their first k
// characters, and those characters fit the word's first k. Answers whether
// some entry of the range fits the whole word.
bool ClDictionary::MatchRange(const LevelIndex& index, const QString& word,
                              const std::vector<bool>& starsFrom, size_t lo, size_t hi,
                              qsizetype k) const {
    if (k == word.size() || starsFrom[k])
        return true;
    const std::vector<QString>& sorted = index.sorted;
    const auto begin = sorted.cbegin() + lo;
    const auto end = sorted.cbegin() + hi;
    const auto keyLess = [k](const QString& entry, int key) { return keyAt(entry, k) < key; };
    const auto lessKey = [k](int key, const QString& entry) { return key < keyAt(entry, k); };
    const QChar c = word.at(k);
    if (c != QChar(kJoker)) {
        const auto first = std::lower_bound(begin, end, int(c.unicode()), keyLess);
        if (first == end || keyAt(*first, k) != c.unicode())
            return false;
        const auto last = std::upper_bound(first, end, int(c.unicode()), lessKey);
        return MatchRange(index, word, starsFrom, first - sorted.cbegin(), last - sorted.cbegin(),
                          k + 1);
    }
    // A joker with real letters still to come: an entry ending here cannot
    // match, so try each character that occurs at this position.
    auto group = std::lower_bound(begin, end, 0, keyLess);
    while (group != end) {
        const int key = keyAt(*group, k);
        const auto groupEnd = std::upper_bound(group, end, key, lessKey);
        if (MatchRange(index, word, starsFrom, group - sorted.cbegin(), groupEnd - sorted.cbegin(),
                       k + 1))
            return true;
        group = groupEnd;
    }
    return false;
}

const QStringList& ClDictionary::WordsOfLevel(int level) const {
    static const QStringList empty;
    if (level < kFirstLevel || level > kLastLevel)
        return empty;
    return WordsByLevel[level - kFirstLevel];
}

QByteArray ClDictionary::ComposePlainText(const QString& version,
                                          const std::array<QStringList, kLevelCount>& words) {
    QString text = version;
    for (const QStringList& list : words) {
        text += kSectionSeparator;
        // An empty list gets no line break: a lone empty entry would be searched
        // and match any candidate made of jokers.
        if (!list.isEmpty())
            text += kLineBreak + list.join(kLineBreak);
    }
    return text.toLatin1();
}
