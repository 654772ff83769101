#pragma once
// Helpers shared by the test executables: a private program folder, a private
// settings store, a message-box recorder and a scripted random source.
#include "shell/MsgBox.h"
#include "shell/RandomSource.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <deque>

class QListWidget;

// A fresh program folder (with temp/) for one test; MORDAVENTA_HOME points at
// it while the object lives. Also redirects the settings store into it.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // Absolute path of a file below the folder ("temp/anna.dat").
    QString file(const QString& relative) const;
    // Writes bytes to a file below the folder, creating folders as needed.
    bool write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    // Copies a file of the built program folder (for example the word list).
    bool copyFromBuild(const QString& relative) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
    bool m_hadHome = false;
};

// How many modal start-up advertisements ("frmSplash") or board-file managers
// ("frmBordFile") were shown so far in this test executable; each is closed
// as soon as it allows.
int startupWindowsShown(const QString& objectName);

// Answers every MsgBox() while it lives and records what was shown. Answers
// are taken from the queue (the given ones first) in order; when it is empty
// the box's first button.
class MsgBoxRecorder {
public:
    explicit MsgBoxRecorder(std::initializer_list<MsgAnswer> answers = {});
    ~MsgBoxRecorder();
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    void queueAnswer(MsgAnswer answer) { m_answers.push_back(answer); }
    const QList<MsgBoxRequest>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    QList<MsgBoxRequest> m_shown;
    std::deque<MsgAnswer> m_answers;
    MsgBoxHandler m_previous;
};

// Gives the listed numbers in order, then repeats the last one.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<double> values) : m_values(std::move(values)) {}
    double next() override;
    int used() const { return m_used; }

private:
    QList<double> m_values;
    int m_used = 0;
};

// Installs a random source for the test's lifetime and restores a clock one.
class RandomScope {
public:
    explicit RandomScope(std::unique_ptr<RandomSource> source);
    ~RandomScope();
};

// The file scramble written out apart from the production cipher, so tests
// never build their expected bytes with the code under test: file byte i
// (counted from 1) is shifted by (passphrase[i mod L] xor 17), modulo 256.
QByteArray referenceScramble(const QByteArray& plain,
                             const QByteArray& passphrase = "BisonEatsMuch");
QByteArray referenceUnscramble(const QByteArray& bytes,
                               const QByteArray& passphrase = "BisonEatsMuch");

// The word search written out literally: every entry from index 1 in order,
// character by character ('*' matches anything, even past an entry's end),
// the first match ending the search.
bool literalCheckWord(const QStringList& list, const QString& word);

// One run of mordaventa-tool as a separate process. With a home folder the
// tool runs with MORDAVENTA_HOME (and its working directory) set to it.
struct ToolRun {
    int exitCode = -1; // -1 when it did not finish normally
    QString out;
    QString err;
};
ToolRun runTool(const QStringList& arguments, const QString& home = QString());

// The texts of a list's rows, top to bottom.
QStringList itemTexts(const QListWidget* list);

// A window's control by objectName; stops the test run when it is missing.
template <typename T> T* control(const QWidget& window, const QString& name) {
    T* widget = window.findChild<T*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// One Qt Test data row from its column values, so a row of several texts
// stays on one line: addDataRow("name", "typed", "kept").
template <typename... Values> void addDataRow(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}
