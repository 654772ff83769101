// The sound card on Qt Multimedia, built as the module libmordaventa_audio
// (see media/AudioOutput.h): the only code that links Qt Multimedia.
#include "media/AudioOutput.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
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

class QtAudioInput final : public AudioInput {
public:
    Opened start(int sampleRate, QIODevice** device, AudioFrames* frames,
                 std::function<void()> stopped) override {
        m_device = QMediaDevices::defaultAudioInput();
        if (m_device.isNull())
            return Opened::NoDevice;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!m_device.isFormatSupported(format))
            format = m_device.preferredFormat();
        m_source = std::make_unique<QAudioSource>(m_device, format);
        *device = m_source->start();
        if (!*device || m_source->error() != QAudio::NoError) {
            m_source.reset();
            return Opened::Refused;
        }
        QObject::connect(m_source.get(), &QAudioSource::stateChanged, m_source.get(),
                         [this, stopped](QAudio::State state) {
                             if (state == QAudio::StoppedState && m_source &&
                                 m_source->error() != QAudio::NoError && stopped)
                                 stopped();
                         });
        frames->sampleRate = format.sampleRate();
        frames->channels = format.channelCount();
        switch (format.sampleFormat()) {
        case QAudioFormat::UInt8:
            frames->sample = AudioFrames::Sample::UInt8;
            break;
        case QAudioFormat::Int32:
            frames->sample = AudioFrames::Sample::Int32;
            break;
        case QAudioFormat::Float:
            frames->sample = AudioFrames::Sample::Float;
            break;
        default:
            frames->sample = AudioFrames::Sample::Int16;
        }
        return Opened::Yes;
    }
    void stop() override {
        if (m_source) {
            m_source->disconnect();
            m_source->stop();
            m_source.reset();
        }
    }
    QString description() const override { return m_device.description(); }
    ~QtAudioInput() override { stop(); }

private:
    QAudioDevice m_device;
    std::unique_ptr<QAudioSource> m_source;
};

bool Available() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

AudioOutput* Create() {
    return new QtAudioOutput;
}

AudioInput* CreateInput() {
    return new QtAudioInput;
}

const AudioOutputModule kModule{&Available, &Create, &CreateInput};

} // namespace

extern "C" Q_DECL_EXPORT const AudioOutputModule* mordaventa_audio_module() {
    return &kModule;
}
