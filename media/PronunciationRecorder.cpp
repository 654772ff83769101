#include "media/PronunciationRecorder.h"

#include "media/MediaFiles.h"

#include <cmath>

PronunciationRecorder::PronunciationRecorder(QObject* parent) : QObject(parent) {}

PronunciationRecorder::~PronunciationRecorder() {
    if (m_source)
        m_source->stop();
}

bool PronunciationRecorder::Record(QString* error) {
    m_source = AudioOutputs::CreateInput();
    QIODevice* device = nullptr;
    AudioFrames format;
    const AudioInput::Opened opened =
        m_source ? m_source->start(kRate, &device, &format,
                                   [this] {
                                       if (!m_device)
                                           return;
                                       ReadAvailable();
                                       m_device = nullptr;
                                       emit Interrupted(QStringLiteral(
                                           "The microphone stopped; what was recorded so far "
                                           "is kept."));
                                   })
                 : AudioInput::Opened::NoDevice;
    if (opened == AudioInput::Opened::NoDevice) {
        m_source.reset();
        *error = QStringLiteral("No microphone was found. Connect one (or allow this program to "
                                "use it) and press Record again.");
        return false;
    }
    if (opened == AudioInput::Opened::Refused) {
        *error = QStringLiteral("The microphone \"%1\" could not be opened; another program may "
                                "be using it.")
                     .arg(m_source->description());
        m_source.reset();
        return false;
    }
    begin(device, format);
    return true;
}

bool PronunciationRecorder::RecordFrom(QIODevice* device, const AudioFrames& format) {
    if (!device || !device->isReadable() || !format.isValid())
        return false;
    begin(device, format);
    return true;
}

void PronunciationRecorder::begin(QIODevice* device, const AudioFrames& format) {
    m_device = device;
    m_format = format;
    m_pending.clear();
    m_samples.clear();
    m_level = 0;
    connect(device, &QIODevice::readyRead, this, &PronunciationRecorder::ReadAvailable);
}

void PronunciationRecorder::ReadAvailable() {
    if (!m_device)
        return;
    m_pending += m_device->readAll();
    const int frameBytes = m_format.bytesPerFrame();
    const int sampleBytes = m_format.bytesPerSample();
    const int channels = m_format.channels;
    const qsizetype frames = m_pending.size() / frameBytes;
    const qsizetype room = qsizetype(kLongestSeconds) * m_format.sampleRate - m_samples.size();
    const qsizetype taken = qBound<qsizetype>(0, frames, room);
    float peak = 0;
    const char* p = m_pending.constData();
    for (qsizetype f = 0; f < taken; ++f, p += frameBytes) {
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += m_format.normalized(p + c * sampleBytes);
        const float value = qBound(-1.0f, sum / channels, 1.0f);
        peak = qMax(peak, std::abs(value));
        m_samples.append(qint16(qBound(-32768.0f, value * 32768.0f, 32767.0f)));
    }
    m_pending.remove(0, frames * frameBytes);
    m_level = peak;
    emit LevelChanged(m_level);
}

QByteArray PronunciationRecorder::Stop(QString* error) {
    ReadAvailable();
    if (m_device)
        disconnect(m_device, nullptr, this, nullptr);
    m_device = nullptr;
    if (m_source) {
        m_source->stop();
        m_source.reset();
    }
    m_level = 0;
    emit LevelChanged(0);
    const int rate = m_format.sampleRate;
    MediaFiles::WaveData wave;
    wave.sampleRate = rate;
    wave.channels = 1;
    wave.bitsPerSample = 16;
    wave.samples = TrimSilence(m_samples, rate, kSilencePeak, kMarginMs);
    m_samples.clear();
    if (wave.samples.isEmpty()) {
        *error = QStringLiteral("Only silence was recorded. Check that the microphone is on and "
                                "speak closer to it.");
        return QByteArray();
    }
    return MediaFiles::writeWave(wave);
}

QList<qint16> PronunciationRecorder::TrimSilence(const QList<qint16>& samples, int rate,
                                                 double threshold, int marginMs) {
    const qsizetype run = qMax(1, rate / 100);
    const int limit = int(threshold * 32768);
    qsizetype first = -1, last = -1;
    for (qsizetype start = 0; start < samples.size(); start += run) {
        const qsizetype end = qMin(samples.size(), start + run);
        for (qsizetype i = start; i < end; ++i) {
            if (std::abs(int(samples[i])) >= limit) {
                if (first < 0)
                    first = start;
                last = end;
                break;
            }
        }
    }
    if (first < 0)
        return {};
    const qsizetype margin = qsizetype(rate) * marginMs / 1000;
    first = qMax<qsizetype>(0, first - margin);
    last = qMin(samples.size(), last + margin);
    return samples.mid(first, last - first);
}
