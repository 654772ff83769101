#include "media/clSpeach.h"

#include "media/SpeechVoice.h"

clSpeach::clSpeach(QObject* parent) : QObject(parent), m_voice(SpVoice::Create(this)) {
    if (!m_voice)
        return;
    connect(m_voice.get(), &SpVoice::Word, this, &clSpeach::Voice_Word);
    connect(m_voice.get(), &SpVoice::EndStream, this, &clSpeach::Voice_EndStream);
}

QString clSpeach::MissingVoiceText() const {
    if (m_voice)
        return QString();
    return QStringLiteral("Reading aloud needs a text-to-speech voice, and none could be "
                          "started.\r\nMordaventa speaks with espeak-ng: install it with its "
                          "voice data (on Debian or Ubuntu: sudo apt-get install "
                          "libespeak-ng1 espeak-ng-data), then start the game again.");
}

clSpeach::~clSpeach() = default;

void clSpeach::SpeekVoice(SpokenTextBox* textBox) {
    if (!m_voice || !textBox)
        return;
    m_textBox = textBox;
    textBox->SetFocus();
    m_voice->Speak(textBox->Text(), SpVoice::SVSFlagsAsync);
}

void clSpeach::Voice_Word(int, qint64, int characterPosition, int length) {
    if (m_textBox)
        m_textBox->Select(characterPosition, length);
}

void clSpeach::Voice_EndStream(int, qint64) {
    if (m_textBox)
        m_textBox->Select(0, 0);
    emit SpeechDone();
}
