#pragma once
// The solitaire's word list: one list of words per length 3 to 7, read once
// from the encrypted file Dictionary/dictionary.dic of the program folder.
//
// Plain text of the file (before encryption):
//   version<|>CRLF three-letter words joined by CRLF<|>CRLF four ... <|>CRLF seven
// Section 0 is the version text; sections 1 to 5 hold the words of 3 to 7
// letters; anything after a sixth "<|>" is ignored. The text of a section
// before its first CR LF is element 0 of its list and is never searched.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <mutex>
#include <vector>

class ClDictionary {
public:
    static constexpr int kFirstLevel = 3;
    static constexpr int kLastLevel = 7;
    static constexpr int kLevelCount = kLastLevel - kFirstLevel + 1;
    // The fixed text that follows the error description in the loading message.
    static const QString kLoadErrorText;
    // A word-list file larger than this is refused unread: a list of every
    // English word of 3 to 7 letters takes under 1 MB.
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    ClDictionary();
    ClDictionary(const ClDictionary&) = delete;
    ClDictionary& operator=(const ClDictionary&) = delete;

    // Section 0 of the file, kept as read.
    QString dicversion;
    // True once a file was read successfully.
    bool DicLoaded = false;
    // The generation of the hint-list search that started last.
    qint16 SearchTag = 0;

    // Reads the program folder's word list. On failure returns false with
    // the loading message for the window to show (what went wrong, a blank
    // line, kLoadErrorText) in `message`; the lists are then empty.
    bool LoadDictionary(QString* message = nullptr);
    // Marks the program folder's word list to be read when it is first
    // needed (any question below, or Loaded()), instead of now: a window can
    // show itself first. Safe to need from several threads at once.
    void LoadDictionaryLater();
    // Reads a list marked for later now; true when a list is loaded.
    bool Loaded() const;
    // The loading message of the last failed read, or empty.
    const QString& LoadMessage() const { return m_loadMessage; }
    // The same without a message box: reads the list from `path`; `error`
    // (when given) receives a one-line description of what went wrong. A
    // file with an entry that is not a lowercase word (a-z) of its section's
    // length is damaged and refused.
    bool LoadDictionaryFile(const QString& path, QString* error = nullptr);
    // Takes the lists from an already decrypted plain text, entries as they are.
    bool LoadPlainText(const QByteArray& plain, QString* error = nullptr);

    // True when some entry of the level's list (from index 1) begins like
    // `word`, a "*" in the word standing for any character or for a missing
    // one past the end of a short entry. The word is lowercase already. An
    // empty word, a level outside 3 to 7 or an empty list give false.
    bool CheckWord(const QString& word, qint16 level) const;

    // The entries of a level in file order, element 0 (never searched)
    // included, so a search runs from index 1. An empty list for a level
    // outside 3 to 7 or before loading.
    const QStringList& WordsOfLevel(int level) const;

    // The matching rule of the searches: each of the word's characters equals
    // the entry's character at that position or is "*" (which also matches a
    // position past the entry's end).
    static bool EntryBeginsLike(const QString& entry, const QString& word);

    // The plain text of a word-list file for the given version and the lists
    // of 3 to 7 letters (one word per element, no element 0). Each section
    // starts with CR LF so that its first word is searched.
    static QByteArray ComposePlainText(const QString& version,
                                       const std::array<QStringList, kLevelCount>& words);

private:
    // The searched entries of a level (from index 1) in code-unit order, so
    // a beginning is found by halving ranges instead of a walk over the
    // list. The list itself when it is in order already (the shipped one
    // is); otherwise the order of its entries, by index into the list.
    struct LevelIndex {
        const QStringList* list = nullptr;
        std::vector<quint32> order; // empty: the list is in order
        size_t size() const { return list ? size_t(list->size() - 1) : 0; }
        const QString& at(size_t i) const {
            return order.empty() ? list->at(qsizetype(i) + 1) : list->at(order[i]);
        }
    };

    void Clear();
    void EnsureLoaded() const {
        if (m_pending.load(std::memory_order_acquire))
            LoadPending();
    }
    void LoadPending() const;
    bool LoadText(const QByteArray& plain, bool wordsOnly, QString* error);
    bool MatchRange(const LevelIndex& index, const QString& word,
                    const std::vector<bool>& starsFrom, size_t lo, size_t hi, qsizetype k) const;

    // The lists of 3, 4, 5, 6 and 7 letters, in this order.
    std::array<QStringList, kLevelCount> WordsByLevel;
    std::array<LevelIndex, kLevelCount> m_index;
    QString m_loadMessage;
    // A read asked for by LoadDictionaryLater and not done yet.
    mutable std::atomic<bool> m_pending = false;
    mutable std::mutex m_loading;
};
