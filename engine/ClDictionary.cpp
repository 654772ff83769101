#include "engine/ClDictionary.h"

#include "shell/Logging.h"
#include "shell/ProgramFolder.h"
#include "shell/clsBinaryEncryptor.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kSectionSeparator = QStringLiteral("<|>");
const QString kLineBreak = QStringLiteral("\r\n");
const QByteArray kSeparatorBytes = QByteArrayLiteral("<|>");
const QByteArray kLineBreakBytes = QByteArrayLiteral("\r\n");
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

// Whether an entry is `length` letters a-z.
bool isWord(QByteArrayView entry, int length) {
    if (entry.size() != length)
        return false;
    for (const char c : entry) {
        if (c < 'a' || c > 'z')
            return false;
    }
    return true;
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
        index = LevelIndex();
}

bool ClDictionary::LoadDictionary(QString* message) {
    const QString path = ProgramFolder::resolve(QStringLiteral("\\Dictionary\\dictionary.dic"));
    QString error;
    m_loadMessage.clear();
    if (LoadDictionaryFile(path, &error))
        return true;
    qCWarning(lcMordaventa).noquote() << "word list not loaded:" << error;
    m_loadMessage = error + QStringLiteral("\n\n") + kLoadErrorText;
    if (message)
        *message = m_loadMessage;
    return false;
}

void ClDictionary::LoadDictionaryLater() {
    const std::lock_guard lock(m_loading);
    Clear();
    m_loadMessage.clear();
    m_pending.store(true, std::memory_order_release);
}

void ClDictionary::LoadPending() const {
    const std::lock_guard lock(m_loading);
    if (!m_pending.load(std::memory_order_relaxed))
        return; // another thread read it meanwhile
    // Only the marked read changes the lists behind a const caller; every
    // reader waits above until it is done.
    const_cast<ClDictionary*>(this)->LoadDictionary();
    m_pending.store(false, std::memory_order_release);
}

bool ClDictionary::Loaded() const {
    EnsureLoaded();
    return DicLoaded;
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
    // The sections are cut straight from the bytes (one byte per character,
    // as the file was written), so the text is never held whole a second time.
    std::array<QByteArrayView, kSectionsNeeded> sections;
    qsizetype found = 0;
    qsizetype from = 0;
    for (; found < kSectionsNeeded; ++found) {
        const qsizetype at = plain.indexOf(kSeparatorBytes, from);
        const qsizetype end = at < 0 ? plain.size() : at;
        sections[size_t(found)] = QByteArrayView(plain).sliced(from, end - from);
        if (at < 0) {
            ++found;
            break;
        }
        from = at + kSeparatorBytes.size();
    }
    if (found < kSectionsNeeded)
        return fail(QStringLiteral("The word list is damaged or not encrypted with the program's "
                                   "passphrase: %1 of 6 sections found")
                        .arg(found));

    // Build everything aside first, so a failure can never leave half a list.
    std::array<QStringList, kLevelCount> lists;
    for (int level = 0; level < kLevelCount; ++level) {
        const QByteArrayView section = sections[size_t(level) + 1];
        const int length = kFirstLevel + level;
        QStringList& list = lists[size_t(level)];
        list.reserve(section.size() / (length + 2) + 2);
        qsizetype start = 0;
        while (true) {
            const qsizetype at = section.indexOf(kLineBreakBytes, start);
            const QByteArrayView entry =
                section.sliced(start, (at < 0 ? section.size() : at) - start);
            // A list cut short or made of other bytes still splits into
            // sections; its entries give it away. An empty line (a section
            // that ends with a line break) is no entry; element 0 may stay
            // empty.
            const bool first = list.isEmpty();
            if (!wordsOnly || first || !entry.isEmpty()) {
                if (wordsOnly && !(first && entry.isEmpty()) && !isWord(entry, length))
                    return fail(
                        QStringLiteral("The word list is damaged: entry %1 of the %2-letter "
                                       "words is not a lowercase word of %2 letters")
                            .arg(list.size())
                            .arg(length));
                list.append(QString::fromLatin1(entry));
            }
            if (at < 0)
                break;
            start = at + kLineBreakBytes.size();
        }
        list.squeeze();
    }
    std::array<LevelIndex, kLevelCount> indexes;
    for (int level = 0; level < kLevelCount; ++level) {
        const QStringList& list = lists[size_t(level)];
        if (std::is_sorted(list.cbegin() + 1, list.cend(), codeUnitLess))
            continue;
        std::vector<quint32>& order = indexes[size_t(level)].order;
        order.resize(size_t(list.size() - 1));
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = quint32(i + 1);
        std::stable_sort(order.begin(), order.end(), [&list](quint32 a, quint32 b) {
            return codeUnitLess(list.at(a), list.at(b));
        });
    }
    dicversion = QString::fromLatin1(sections[0]);
    WordsByLevel = std::move(lists);
    m_index = std::move(indexes);
    for (int level = 0; level < kLevelCount; ++level)
        m_index[size_t(level)].list = &WordsByLevel[size_t(level)];
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
    EnsureLoaded();
    const LevelIndex& index = m_index[level - kFirstLevel];
    if (index.size() == 0)
        return false;
    // starsFrom[k]: every character from k on is a joker, so any entry whose
    // first k characters fit matches, however short it is.
    std::vector<bool> starsFrom(word.size() + 1, true);
    for (qsizetype k = word.size() - 1; k >= 0; --k)
        starsFrom[k] = starsFrom[k + 1] && word.at(k) == QChar(kJoker);
    return MatchRange(index, word, starsFrom, 0, index.size(), 0);
}

// [lo, hi) is a non-empty range of sorted entries sharing their first k
// characters, and those characters fit the word's first k. Answers whether
// some entry of the range fits the whole word.
bool ClDictionary::MatchRange(const LevelIndex& index, const QString& word,
                              const std::vector<bool>& starsFrom, size_t lo, size_t hi,
                              qsizetype k) const {
    if (k == word.size() || starsFrom[k])
        return true;
    // The first position in [from, hi) whose key at k is not below `key`
    // (orEqual: not at or below it); keys never decrease within the range.
    const auto bound = [&index, k](size_t from, size_t to, int key, bool orEqual) {
        while (from < to) {
            const size_t mid = from + (to - from) / 2;
            const int at = keyAt(index.at(mid), k);
            if (at < key || (orEqual && at == key))
                from = mid + 1;
            else
                to = mid;
        }
        return from;
    };
    const QChar c = word.at(k);
    if (c != QChar(kJoker)) {
        const size_t first = bound(lo, hi, int(c.unicode()), false);
        if (first == hi || keyAt(index.at(first), k) != c.unicode())
            return false;
        const size_t last = bound(first, hi, int(c.unicode()), true);
        return MatchRange(index, word, starsFrom, first, last, k + 1);
    }
    // A joker with real letters still to come: an entry ending here cannot
    // match, so try each character that occurs at this position.
    size_t group = bound(lo, hi, 0, false);
    while (group != hi) {
        const int key = keyAt(index.at(group), k);
        const size_t groupEnd = bound(group, hi, key, true);
        if (MatchRange(index, word, starsFrom, group, groupEnd, k + 1))
            return true;
        group = groupEnd;
    }
    return false;
}

const QStringList& ClDictionary::WordsOfLevel(int level) const {
    static const QStringList empty;
    if (level < kFirstLevel || level > kLastLevel)
        return empty;
    EnsureLoaded();
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
