#pragma once
// A small board-game file with known content, made for each test.
#include "boardgame/file/BoardFileWriter.h"

#include <QByteArray>
#include <QString>

namespace BoardTestFiles {

// A minimal mono 16-bit wave file with the given number of samples, written
// out by hand.
inline QByteArray wave(int samples, char fill) {
    QByteArray data(samples * 2, fill);
    QByteArray w("RIFF");
    auto le = [&w](quint32 v, int n) {
        for (int i = 0; i < n; ++i)
            w.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    le(36 + data.size(), 4);
    w.append("WAVEfmt ");
    le(16, 4);
    le(1, 2);
    le(1, 2);
    le(22050, 4);
    le(44100, 4);
    le(2, 2);
    le(16, 2);
    w.append("data");
    le(data.size(), 4);
    return w + data;
}

// Bytes standing for a JPEG picture (the layer does not look inside).
inline QByteArray picture(char tag) {
    return QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(300, tag) + QByteArray("\xFF\xD9", 2);
}

// Layout: square i (1-based) has code layoutCode(i).
//  kinds 5 "Grammar" (2 categories, 3 questions) and 7 "Meaning" (1 category,
//  2 questions); spelling easy 3 words, medium 2, hard 1.
inline int layoutCode(int square) {
    static const int cycle[] = {5, -1, -4, 7, -2, -5, -9, -3, -6, -10, -7, -11, -8, -12};
    return cycle[(square - 1) % 14];
}

inline BoardContent content() {
    BoardContent c;
    c.description = QStringLiteral("Test board for the layer");
    c.author = QStringLiteral("tests");
    for (int i = 1; i <= 56; ++i)
        c.layout.append(layoutCode(i));
    c.questionKinds.insert(5, QStringLiteral("Grammar"));
    c.questionKinds.insert(7, QStringLiteral("Meaning"));
    c.spellingCaptions.insert(-1, QStringLiteral("Spell Easy"));
    c.spellingCaptions.insert(-2, QStringLiteral("Spell Medium"));
    c.spellingCaptions.insert(-3, QStringLiteral("Spell Hard"));
    BoardSquareStyle grammar;
    grammar.caption = QStringLiteral("Grammar");
    grammar.backColor = 0xC0C0FF;
    grammar.fontColor = 0x000080;
    grammar.fontBackColor = 0xC0C0FF;
    c.styles.insert(5, grammar);
    BoardSquareStyle easy;
    easy.caption = QStringLiteral("Spell Easy"); // colours left NULL
    c.styles.insert(-1, easy);
    // Codes -2 .. -12 and 7 get no style row: their captions are NULL.

    BoardCategory nouns{5, QStringLiteral("Nouns"), QStringLiteral("A noun names a thing."), {}};
    nouns.questions.append(BoardQuestion{QStringLiteral("Which word is a noun?"),
                                         picture('q'),
                                         {{QStringLiteral("run"), false, {}},
                                          {QStringLiteral("table"), true, {}},
                                          {QStringLiteral("quickly"), false, {}}}});
    nouns.questions.append(BoardQuestion{
        QStringLiteral("Which word names a place?"),
        {},
        {{QStringLiteral("park"), true, {}}, {QStringLiteral("jump"), false, picture('a')}}});
    BoardCategory verbs{5, QStringLiteral("Verbs"), QStringLiteral("A verb is a doing word."), {}};
    verbs.questions.append(
        BoardQuestion{QStringLiteral("Which word is a verb?"),
                      {},
                      {{QStringLiteral("swim"), true, {}}, {QStringLiteral("blue"), false, {}}}});
    BoardCategory meaning{
        7, QStringLiteral("Opposites"), QStringLiteral("Think of the reverse."), {}};
    meaning.questions.append(
        BoardQuestion{QStringLiteral("The opposite of hot is"),
                      {},
                      {{QStringLiteral("warm"), false, {}}, {QStringLiteral("cold"), true, {}}}});
    meaning.questions.append(
        BoardQuestion{QStringLiteral("The opposite of up is"),
                      {},
                      {{QStringLiteral("down"), true, {}}, {QStringLiteral("over"), false, {}}}});
    c.categories = {nouns, verbs, meaning};

    c.words = {
        {QStringLiteral("cat"), -1, QStringLiteral("A small furry pet."), wave(100, 'c'),
         picture('c')},
        {QStringLiteral("dog"), -1, QStringLiteral("A pet that barks."), wave(120, 'd'), {}},
        {QStringLiteral("sun"), -1, QStringLiteral("It shines in the day."), wave(90, 's'), {}},
        {QStringLiteral("garden"), -2, QStringLiteral("Where flowers grow."), wave(200, 'g'), {}},
        {QStringLiteral("window"), -2, QStringLiteral("Glass in a wall."), wave(210, 'w'), {}},
        {QStringLiteral("necessary"), -3, QStringLiteral("Needed."), wave(300, 'n'), {}},
    };
    return c;
}

// A small correct board source: one question kind with a tip (line 15) and a
// question (line 16), a word at each spelling level (lines 24, 27 and 30),
// every item with its level. Tests break one line of it at a time.
inline constexpr char kTinySource[] = R"([board]
description = A tiny board
[kind 4]
caption = Rhymes
[square 4]
back = #FF8000
[layout]
4 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 4
4 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 4
4 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 4
4 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 4
[category]
kind = 4
name = Rhyming words
tip = Rhyming words end with the same sound.
[question]
level = primary
text = Which word rhymes with hat?
answer = * mat
answer = dog
answer = sun
[spelling easy]
caption = Easy
word = cat | A small pet. | level = primary
[spelling medium]
caption = Medium
word = garden | Where flowers grow. | level = secondary | say = gar den
[spelling hard]
caption = Hard
word = rhythm | A pattern of beats. | level = adult
)";

} // namespace BoardTestFiles
