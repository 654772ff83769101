#pragma once
// Meanings of English words from WordNet, read from the data files Debian's
// wordnet-base installs: for each part of speech the first senses with their
// example sentences. Works without any network.
#include <QList>
#include <QString>
#include <QStringList>

struct WordSense {
    QString definition;
    QStringList examples;
};

struct WordMeaning {
    QString partOfSpeech; // "noun", "verb", "adjective", "adverb"
    QString lemma;        // the form found ("run" for "running")
    QList<WordSense> senses;
};

class WordDefinitions {
public:
    // The meanings of `word` (looked up in lower case, blanks as in "ice
    // cream"), at most maxSenses per part of speech; empty when WordNet has
    // none or its data files are missing.
    static QList<WordMeaning> Look(const QString& word, int maxSenses = 4);
    // False when the WordNet data files could not be opened.
    static bool Available();

    // One gloss as WordNet stores it, "(definition; "example"; "example")".
    static WordSense ParseGloss(const QString& gloss);
};
