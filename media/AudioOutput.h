#pragma once
// The sound card behind a small interface. Its implementation on Qt
// Multimedia is a module of its own (media/output/, built as
// libmordaventa_audio), opened with the first sound: Qt Multimedia brings
// the sound server's client and its codecs, some fifteen libraries and 1.4 MB
// that neither game's first frame needs. Without the module the program
// plays silently, as without a device.
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

class QIODevice;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Starts pulling 16-bit stereo at `sampleRate` from `source`, with a
    // buffer of `bufferBytes`; false when the device refuses.
    virtual bool start(QIODevice* source, int sampleRate, int bufferBytes) = 0;
    virtual void stop() = 0;
    virtual bool running() const = 0;
};

// How the frames of a recording are laid out.
struct AudioFrames {
    enum class Sample { UInt8, Int16, Int32, Float };
    int sampleRate = 0;
    int channels = 0;
    Sample sample = Sample::Int16;
    int bytesPerSample() const;
    int bytesPerFrame() const { return bytesPerSample() * channels; }
    bool isValid() const { return sampleRate > 0 && channels > 0; }
    // The sample at `data` scaled to -1..1.
    float normalized(const char* data) const;
};

// The default microphone.
class AudioInput {
public:
    enum class Opened { Yes, NoDevice, Refused };
    virtual ~AudioInput() = default;
    // Starts recording, at `sampleRate` mono 16-bit when the microphone can,
    // else in its own format, given in `frames`. The device stays the
    // input's; `stopped` runs when the microphone stops by itself.
    virtual Opened start(int sampleRate, QIODevice** device, AudioFrames* frames,
                         std::function<void()> stopped) = 0;
    virtual void stop() = 0;
    // The microphone's name, for messages.
    virtual QString description() const = 0;
};

// What the module gives, through its one C entry point kModuleEntry.
struct AudioOutputModule {
    bool (*available)();          // a default output device exists
    AudioOutput* (*create)();     // a stopped output; the caller owns it
    AudioInput* (*createInput)(); // a stopped microphone; the caller owns it
};

namespace AudioOutputs {

inline constexpr char kModuleEntry[] = "mordaventa_audio_module";

// Whether the module opened and reports a device.
bool Available();
// A new output, or null without the module.
std::unique_ptr<AudioOutput> Create();
// A new microphone input, or null without the module.
std::unique_ptr<AudioInput> CreateInput();

} // namespace AudioOutputs
