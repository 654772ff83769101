#include "boardgame/file/BoardSourceExport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace BoardSourceExport {

namespace {

class ExportFailure {
public:
    explicit ExportFailure(QString message) : m_message(std::move(message)) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// "#RRGGBB" of a stored colour 0x00BBGGRR.
QString colour(const QVariant& value) {
    const uint v = static_cast<uint>(value.toLongLong());
    const uint r = v & 0xFF, g = (v >> 8) & 0xFF, b = (v >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// A value on one line, as the source reads it.
QString line(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return t.trimmed();
}

// A value before a '|' option: the option mark cannot be part of it.
QString optionValue(const QString& text, const QString& what) {
    const QString t = line(text);
    if (t.contains(QLatin1Char('|')))
        throw ExportFailure(
            QStringLiteral("%1 '%2' holds '|', which a board source cannot hold there")
                .arg(what, t.left(60)));
    return t;
}

QString levelName(int code) {
    switch (code) {
    case SquareCode::SpellEasy:
        return QStringLiteral("easy");
    case SquareCode::SpellMedium:
        return QStringLiteral("medium");
    default:
        return QStringLiteral("hard");
    }
}

// A file name part a teacher recognises, safe on every file system.
QString namePart(const QString& text) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9]+"));
    QString part = text.left(24);
    part.replace(unsafe, QStringLiteral("-"));
    while (part.endsWith(QLatin1Char('-')))
        part.chop(1);
    while (part.startsWith(QLatin1Char('-')))
        part.remove(0, 1);
    return part.toLower();
}

class Writer {
public:
    Writer(QString mediaFolder, QMap<QString, QByteArray>* files)
        : m_media(std::move(mediaFolder)), m_files(files) {}

    QString run(const BoardContent& c) {
        out(QStringLiteral("# A board-game source: build it with"));
        out(QStringLiteral("#   mordaventa-tool board build THIS-FILE BOARD.mdb"));
        out(QString());
        out(QStringLiteral("[board]"));
        field("description", line(c.description));
        field("author", line(c.author));
        for (auto it = c.questionKinds.cbegin(); it != c.questionKinds.cend(); ++it) {
            out(QString());
            out(QStringLiteral("[kind %1]").arg(it.key()));
            field("caption", line(*it));
        }
        for (auto it = c.styles.cbegin(); it != c.styles.cend(); ++it) {
            out(QString());
            out(QStringLiteral("[square %1]").arg(it.key()));
            field("caption", line(it->caption));
            if (!it->backColor.isNull())
                field("back", colour(it->backColor));
            if (!it->fontColor.isNull())
                field("font", colour(it->fontColor));
            if (!it->fontBackColor.isNull())
                field("fontback", colour(it->fontBackColor));
        }
        out(QString());
        out(QStringLiteral("[layout]"));
        for (int i = 0; i < c.layout.size(); i += 8) {
            QStringList codes;
            for (int j = i; j < qMin<qsizetype>(i + 8, c.layout.size()); ++j)
                codes << QString::number(c.layout[j]);
            out(codes.join(QLatin1Char(' ')));
        }
        for (int ci = 0; ci < c.categories.size(); ++ci)
            category(c.categories[ci], ci);
        words(c);
        return m_text;
    }

private:
    void out(const QString& text) {
        m_text += text;
        m_text += QLatin1Char('\n');
    }
    void field(const char* key, const QString& value) {
        out(QLatin1String(key) + QLatin1String(" = ") + value);
    }

    QString media(const QString& name, const QByteArray& bytes) {
        const QString path = m_media + QLatin1Char('/') + name;
        if (m_files)
            m_files->insert(path, bytes);
        return path;
    }

    QString picture(const QString& name, const QByteArray& bytes) {
        if (!bytes.startsWith("\xFF\xD8\xFF"))
            throw ExportFailure(QStringLiteral("the picture %1 is not a JPEG picture").arg(name));
        return media(name + QStringLiteral(".jpg"), bytes);
    }

    QString sound(const QString& name, const QByteArray& bytes) {
        if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
            throw ExportFailure(QStringLiteral("the sound %1 is not a wave file").arg(name));
        return media(name + QStringLiteral(".wav"), bytes);
    }

    void category(const BoardCategory& c, int ci) {
        out(QString());
        out(QStringLiteral("[category]"));
        field("kind", QString::number(c.kind));
        field("name", line(c.name));
        field("tip", line(c.tip));
        for (int qi = 0; qi < c.questions.size(); ++qi) {
            const BoardQuestion& q = c.questions[qi];
            const QString stem = QStringLiteral("question-%1-%2").arg(ci + 1).arg(qi + 1);
            out(QString());
            out(QStringLiteral("[question]"));
            field("text", line(q.text));
            if (q.itemLevel != ItemLevel::Any)
                field("level", ItemLevels::Name(q.itemLevel));
            if (!q.picture.isEmpty())
                field("picture", picture(stem, q.picture));
            for (int ai = 0; ai < q.answers.size(); ++ai) {
                const BoardAnswer& a = q.answers[ai];
                const QString text = optionValue(a.text, QStringLiteral("the answer"));
                if (!a.right && text.startsWith(QLatin1Char('*')))
                    throw ExportFailure(
                        QStringLiteral("the answer '%1' starts with '*', which a board source "
                                       "reads as the mark of the right answer")
                            .arg(text.left(60)));
                QString value = a.right ? QStringLiteral("* ") + text : text;
                if (!a.picture.isEmpty())
                    value += QStringLiteral(" | picture = ") +
                             picture(stem + QStringLiteral("-choice-%1").arg(ai + 1), a.picture);
                field("answer", value.trimmed());
            }
        }
    }

    void words(const BoardContent& c) {
        int section = 0;
        QList<int> captioned;
        auto open = [&](int code) {
            out(QString());
            out(QStringLiteral("[spelling %1]").arg(levelName(code)));
            if (!captioned.contains(code) && c.spellingCaptions.contains(code)) {
                field("caption", line(c.spellingCaptions.value(code)));
                captioned << code;
            }
            section = code;
        };
        for (int wi = 0; wi < c.words.size(); ++wi) {
            const BoardWord& w = c.words[wi];
            if (w.level != section)
                open(w.level);
            const QString stem = QStringLiteral("word-%1-%2").arg(wi + 1).arg(namePart(w.word));
            QStringList parts{optionValue(w.word, QStringLiteral("the word")),
                              optionValue(w.definition, QStringLiteral("the definition"))};
            if (!w.sound.isEmpty())
                parts << QStringLiteral("sound = ") + sound(stem, w.sound);
            if (!w.soundAmerican.isEmpty())
                parts << QStringLiteral("american = ") +
                             sound(stem + QStringLiteral("-us"), w.soundAmerican);
            if (!w.picture.isEmpty())
                parts << QStringLiteral("picture = ") + picture(stem, w.picture);
            if (w.itemLevel != ItemLevel::Any)
                parts << QStringLiteral("level = ") + ItemLevels::Name(w.itemLevel);
            if (!line(w.sayAs).isEmpty())
                parts << QStringLiteral("say = ") +
                             optionValue(w.sayAs, QStringLiteral("the text"));
            field("word", parts.join(QStringLiteral(" | ")));
        }
        // Captions of difficulties without words, kept for the board's looks.
        for (auto it = c.spellingCaptions.cbegin(); it != c.spellingCaptions.cend(); ++it) {
            if (!captioned.contains(it.key()) && it.key() <= SquareCode::SpellEasy &&
                it.key() >= SquareCode::SpellHard)
                open(it.key());
        }
    }

    QString m_media;
    QMap<QString, QByteArray>* m_files;
    QString m_text;
};

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Cannot write '%1': %2").arg(path, file.errorString());
    return false;
}

} // namespace

QString MediaFolderName(const QString& sourcePath) {
    return QFileInfo(sourcePath).completeBaseName() + QStringLiteral("-media");
}

QString SourceText(const BoardContent& content, const QString& mediaFolder,
                   QMap<QString, QByteArray>* files, QString* error) {
    try {
        return Writer(mediaFolder, files).run(content);
    } catch (const ExportFailure& failure) {
        if (error)
            *error = failure.message();
        if (files)
            files->clear();
        return QString();
    }
}

bool ExportSource(const BoardContent& content, const QString& sourcePath, QString* error) {
    const QString folder = MediaFolderName(sourcePath);
    QMap<QString, QByteArray> files;
    QString failure;
    const QString text = SourceText(content, folder, &files, &failure);
    if (text.isEmpty()) {
        if (error)
            *error = QStringLiteral("Cannot export the board: %1.").arg(failure);
        return false;
    }
    const QDir base = QFileInfo(sourcePath).absoluteDir();
    if (!files.isEmpty() && !base.mkpath(folder)) {
        if (error)
            *error = QStringLiteral("Cannot make the folder '%1'.").arg(base.filePath(folder));
        return false;
    }
    // The media first: a source is never left naming files that are not there.
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (!writeWhole(base.filePath(it.key()), *it, error))
            return false;
    }
    return writeWhole(sourcePath, text.toUtf8(), error);
}

} // namespace BoardSourceExport
