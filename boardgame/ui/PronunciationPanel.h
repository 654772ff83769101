#pragma once
// The pronunciation of the spelling word being edited: the voice (British or
// American) that speaks it, a "say it like" text for words it gets wrong,
// Speak, Record, Stop, Play and a wave file taken from disk, with a level
// meter while recording. Every change goes to the board draft as an edit.
#include "boardgame/ui/BoardEditorDialogs.h"
#include "media/PronunciationRecorder.h"

#include <QWidget>

#include <functional>

class BoardDraft;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

class PronunciationPanel : public QWidget {
    Q_OBJECT
public:
    PronunciationPanel(BoardDraft& draft, const BoardEditorDialogs& dialogs,
                       QWidget* parent = nullptr);

    // Shows word `word` of the draft (-1: none).
    void ShowWord(int word);

    void cmdSpeak_Click();
    void cmdRecord_Click();
    void cmdStop_Click();
    void cmdPlay_Click();
    void cmdFromFile_Click();

    // Starts the recorder; the microphone unless a test puts a stand-in here.
    std::function<bool(PronunciationRecorder& recorder, QString* error)> StartRecording;
    PronunciationRecorder& Recorder() { return m_recorder; }

    QRadioButton* optVoiceBritish = nullptr;
    QRadioButton* optVoiceAmerican = nullptr;
    QLineEdit* txtSayAs = nullptr;
    QPushButton* cmdSpeak = nullptr;
    QPushButton* cmdRecord = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdFromFile = nullptr;
    QProgressBar* prgLevel = nullptr;
    QLabel* lblSound = nullptr;

Q_SIGNALS:
    void Edited();

private:
    void showState();
    void play();
    void problem(const QString& text);

    BoardDraft& m_draft;
    const BoardEditorDialogs& m_dialogs;
    PronunciationRecorder m_recorder;
    int m_word = -1;
};
