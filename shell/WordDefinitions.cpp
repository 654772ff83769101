#include "shell/WordDefinitions.h"

#include "shell/Logging.h"

#include <wn.h>

#include <cstring>

namespace {

// WordNet's C library keeps its data files open in its own globals; it is
// opened once, on the first look-up, and only ever used from the GUI thread.
bool OpenWordNet() {
    static const bool opened = [] {
        // The library reports its troubles on stderr unless told otherwise.
        display_message = [](char* message) {
            qCDebug(lcMordaventa) << "wordnet:" << message;
            return 0;
        };
        const bool ok = wninit() == 0;
        if (!ok)
            qCWarning(lcMordaventa) << "WordNet data files cannot be opened";
        return ok;
    }();
    return opened;
}

const char* const kPartNames[] = {"", "noun", "verb", "adjective", "adverb"};
constexpr int kLongestWord = 120; // WordNet's buffers hold 256 bytes

// The forms of `word` WordNet may list it under: the word itself, then the
// base forms its morphology finds ("ran" -> "run").
QList<QByteArray> Candidates(const QByteArray& word, int pos) {
    QList<QByteArray> forms{word};
    QByteArray buffer = word;
    for (char* base = morphstr(buffer.data(), pos); base; base = morphstr(nullptr, pos)) {
        const QByteArray form(base);
        if (!forms.contains(form))
            forms.append(form);
    }
    return forms;
}

} // namespace

bool WordDefinitions::Available() {
    return OpenWordNet();
}

WordSense WordDefinitions::ParseGloss(const QString& gloss) {
    QString text = gloss.trimmed();
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')')))
        text = text.mid(1, text.size() - 2);
    WordSense sense;
    QStringList definition;
    // Parts are separated by "; "; those in double quotes are examples.
    for (const QString& rawPart : text.split(QStringLiteral("; "))) {
        const QString part = rawPart.trimmed();
        if (part.size() >= 2 && part.startsWith(QLatin1Char('"')) &&
            part.endsWith(QLatin1Char('"')))
            sense.examples.append(part.mid(1, part.size() - 2));
        else if (!part.isEmpty() && sense.examples.isEmpty())
            definition.append(part);
        else if (!part.isEmpty())
            sense.examples.append(part); // an example's own "; " split it
    }
    sense.definition = definition.join(QStringLiteral("; "));
    return sense;
}

QList<WordMeaning> WordDefinitions::Look(const QString& word, int maxSenses) {
    QList<WordMeaning> meanings;
    QByteArray key = word.trimmed().toLower().toUtf8();
    key.replace(' ', '_');
    if (key.isEmpty() || key.size() > kLongestWord || !OpenWordNet())
        return meanings;
    for (int pos = NOUN; pos <= ADV; ++pos) {
        for (const QByteArray& form : Candidates(key, pos)) {
            QByteArray buffer = form;
            IndexPtr index = index_lookup(buffer.data(), pos);
            if (!index)
                continue;
            WordMeaning meaning;
            meaning.partOfSpeech = QLatin1String(kPartNames[pos]);
            meaning.lemma = QString::fromUtf8(form).replace(QLatin1Char('_'), QLatin1Char(' '));
            for (int i = 0; i < index->off_cnt && meaning.senses.size() < maxSenses; ++i) {
                SynsetPtr synset = read_synset(pos, long(index->offset[i]), buffer.data());
                if (!synset)
                    continue;
                if (synset->defn)
                    meaning.senses.append(ParseGloss(QString::fromUtf8(synset->defn)));
                free_synset(synset);
            }
            free_index(index);
            if (!meaning.senses.isEmpty())
                meanings.append(meaning);
            break; // one form per part of speech
        }
    }
    return meanings;
}
