#pragma once
// The speech service of the square windows: reads a text box aloud, selects
// each word in the box while it is heard, clears the selection at the end and
// then raises SpeechDone. Owners make a new object for every text they speak.
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class SpVoice;

// A text box as the speech service uses it. The window's box adapter is a
// child of its box, so a box that is gone is simply no longer selected.
class SpokenTextBox : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual QString Text() const = 0;
    virtual void SetFocus() = 0;
    // Selects `length` characters from `start` (0-based); 0, 0 clears.
    virtual void Select(int start, int length) = 0;
};

class clSpeach : public QObject {
    Q_OBJECT
public:
    // Creates the voice. Without a speech engine the object exists without a
    // voice (its calls do nothing) and MissingVoiceText says what to install.
    explicit clSpeach(QObject* parent = nullptr);
    ~clSpeach() override;

    // Why there is no voice and how to get one; empty when there is a voice.
    QString MissingVoiceText() const;

    // Gives the box the focus and speaks its text without waiting.
    void SpeekVoice(SpokenTextBox* textBox);
    // The voice, null without a speech engine.
    SpVoice* Voice() const { return m_voice.get(); }

Q_SIGNALS:
    void SpeechDone();

private:
    void Voice_Word(int streamNumber, qint64 streamPosition, int characterPosition, int length);
    void Voice_EndStream(int streamNumber, qint64 streamPosition);

    std::unique_ptr<SpVoice> m_voice;
    QPointer<SpokenTextBox> m_textBox;
};
