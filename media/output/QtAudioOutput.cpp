// The sound card on Qt Multimedia, built as the module libmordaventa_audio
// (see media/AudioOutput.h): the only code that links Qt Multimedia.
#include "media/AudioOutput.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDebug>
#include <QIODevice>
#include <QMediaDevices>

namespace {

class QtAudioOutput final : public AudioOutput {
public:
    bool start(QIODevice* source, int sampleRate, int bufferBytes) override {
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Int16);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(format)) {
            qWarning() << "the audio output refuses" << sampleRate << "Hz stereo; sound is off";
            return false;
        }
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->setBufferSize(bufferBytes);
        m_sink->start(source);
        if (m_sink->error() != QAudio::NoError) {
            qWarning() << "the audio output did not start" << m_sink->error();
            m_sink.reset();
            return false;
        }
        return true;
    }
    void stop() override {
        if (m_sink) {
            m_sink->stop();
            m_sink.reset();
        }
    }
    bool running() const override { return m_sink && m_sink->state() != QAudio::StoppedState; }

private:
    std::unique_ptr<QAudioSink> m_sink;
};

bool Available() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

AudioOutput* Create() {
    return new QtAudioOutput;
}

const AudioOutputModule kModule{&Available, &Create};

} // namespace

extern "C" Q_DECL_EXPORT const AudioOutputModule* mordaventa_audio_module() {
    return &kModule;
}
