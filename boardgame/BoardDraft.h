#pragma once
// A board being edited: its content in memory, every edit undoable, the
// checks of `board build` kept up to date after each edit, import of CSV
// rows, saving as a board-game file and export as a readable source. No
// widgets: the editor window shows what this decides.
#include "boardgame/file/BoardContentChecks.h"
#include "boardgame/file/BoardCsvImport.h"
#include "boardgame/file/BoardFileWriter.h"

#include <QList>
#include <QString>

#include <functional>

struct BoardDraftHooks {
    // Renders a text as wave-file bytes in British and American English;
    // empty result and *error on failure.
    std::function<QByteArray(const QString& text, QString* error)> speak;
    std::function<QByteArray(const QString& text, QString* error)> speakAmerican;
};

enum class BoardSaveOutcome {
    Saved,
    Refused,     // the board has refusals; nothing written
    InPlay,      // the target is the file the game has open; nothing written
    NoPath,      // the draft has no file yet
    WriteFailed, // the disk refused; the old file is as it was
};

struct BoardSaveResult {
    BoardSaveOutcome outcome = BoardSaveOutcome::Saved;
    QString message; // why it was not saved ("" when saved)
    bool saved() const { return outcome == BoardSaveOutcome::Saved; }
};

class BoardDraft {
public:
    explicit BoardDraft(BoardDraftHooks hooks = {});

    // ---- Opening ----
    // Opens a board-game file to edit in place. False with *error when it
    // cannot be read; the draft is then as it was.
    bool Open(const QString& path, QString* error);
    // Opens a copy of a file that must not be edited in place (a shipped
    // board): the file is copied to newPath (which must not exist yet) and
    // the copy is what gets edited and saved.
    bool OpenCopy(const QString& source, const QString& newPath, QString* error);
    // A new board with the squares, square looks, kinds and spelling
    // captions of `model` (usually the default board) and nothing else, to be
    // saved at path. It counts as modified until saved.
    void NewFrom(const BoardContent& model, const QString& path);
    // The same with the squares of the board file at modelPath (the default
    // board, data/SpellingGrammar.mdb). False with *error when it cannot be read.
    bool NewFromFile(const QString& modelPath, const QString& path, QString* error);
    // The squares and kinds of a board without its categories and words.
    static BoardContent SquaresAndKinds(const BoardContent& board);

    const BoardContent& Content() const { return m_content; }
    QString Path() const { return m_path; }
    void SetPath(const QString& path) { m_path = path; }

    // ---- Edits ----
    // Each returns false (and changes nothing) for an index out of range or a
    // value that cannot be taken (a picture that is not JPEG, a sound that is
    // not a wave file, a word difficulty or kind that does not exist).
    // Consecutive changes of the same text of the same item merge into one
    // undo step, as typing does; SealEdit ends such a run.
    bool SetDescription(const QString& text);
    bool SetAuthor(const QString& text);

    // The index of the new category, -1 when kind is not a question kind.
    int AddCategory(int kind, const QString& name);
    bool RenameCategory(int category, const QString& name);
    bool SetCategoryTip(int category, const QString& tip);
    bool SetCategoryKind(int category, int kind);
    bool RemoveCategory(int category);

    // A new question with three empty choices, the first one right; its index.
    int AddQuestion(int category);
    bool RemoveQuestion(int category, int question);
    // Moves a question to position `toQuestion` of category `toCategory`
    // (counted after taking it out).
    bool MoveQuestion(int category, int question, int toCategory, int toQuestion);
    bool SetQuestionText(int category, int question, const QString& text);
    bool SetQuestionPicture(int category, int question, const QByteArray& jpeg);
    bool SetQuestionLevel(int category, int question, ItemLevel level);

    // Up to six choices; the new one's index, -1 when full.
    int AddAnswer(int category, int question);
    // Down to two choices; a removed right answer passes the mark to the first.
    bool RemoveAnswer(int category, int question, int answer);
    bool SetAnswerText(int category, int question, int answer, const QString& text);
    bool SetAnswerPicture(int category, int question, int answer, const QByteArray& jpeg);
    bool SetRightAnswer(int category, int question, int answer);

    // A new word of difficulty (-1, -2, -3); its index. The voice speaks it
    // when hooks are given.
    int AddWord(int difficulty, const QString& word, const QString& definition);
    bool RemoveWord(int word);
    bool SetWordText(int word, const QString& text);
    bool SetWordDefinition(int word, const QString& definition);
    bool SetWordDifficulty(int word, int difficulty);
    bool SetWordLevel(int word, ItemLevel level);
    bool SetWordPicture(int word, const QByteArray& jpeg);
    // A recorded or chosen wave file; clears the "say it like" text.
    bool SetWordSound(int word, const QByteArray& wave);
    bool SetWordAmericanSound(int word, const QByteArray& wave);
    bool SetWordSayAs(int word, const QString& sayAs);
    // Has the voice speak the word (its "say it like" text when set) in both
    // Englishes and keeps the sounds. False with *error when it cannot.
    bool SpeakWord(int word, QString* error);
    // Ends a run of merged typing edits.
    void SealEdit();

    // Adds CSV rows (see BoardCsvImport::Apply) as one undoable step, words
    // without a sound spoken by the voice first; rows that cannot be spoken
    // or placed go to *problems (the rows' own problems are the caller's to
    // show). The number of items added.
    int ImportRows(const BoardCsvRows& rows, QList<BoardCsvProblem>* problems);

    // ---- Undo ----
    bool CanUndo() const;
    bool CanRedo() const;
    // What the next undo or redo takes back or does again ("Edit question
    // text", ...); "" when there is none.
    QString UndoText() const;
    QString RedoText() const;
    bool Undo();
    bool Redo();
    // Whether the content differs from what was last saved or opened.
    bool IsModified() const;

    // ---- Checks ----
    const QList<BoardFinding>& Findings() const { return m_findings; }
    // The findings about an item and what lies inside it.
    QList<BoardFinding> FindingsFor(const BoardItemRef& item) const;
    bool HasRefusals() const;

    // ---- Saving ----
    // Writes the board to its path: refused while any refusal stands, and
    // when the path is the file the game has open (fileInPlay, "" for none),
    // so a board being played is never rewritten under the game. Atomic:
    // a failure leaves the old file as it was.
    BoardSaveResult Save(const QString& fileInPlay = QString());
    // The same to another path, which becomes the draft's path when saved.
    BoardSaveResult SaveAs(const QString& path, const QString& fileInPlay = QString());
    // Writes the readable source and its media (see BoardSourceExport).
    bool Export(const QString& sourcePath, QString* error) const;

private:
    struct Step {
        BoardContent before;
        QString text;
        QString mergeKey;
    };
    template <typename Change>
    bool edit(const QString& text, const QString& mergeKey, Change change);
    void recheck();
    // Begins editing `content`, saved at undo depth `savedDepth` (-1: never).
    void start(BoardContent content, const QString& path, int savedDepth);
    // Takes the last step of `from` back, keeping the present as a step of `to`.
    bool travel(QList<Step>& from, QList<Step>& to);

    BoardDraftHooks m_hooks;
    BoardContent m_content;
    QString m_path;
    QList<Step> m_undo;
    QList<Step> m_redo;
    // The undo depth at the last save or open; -1 when no state of the
    // stack was ever saved.
    int m_savedDepth = 0;
    bool m_sealed = true;
    QList<BoardFinding> m_findings;
};
