#pragma once
// The sound card behind a small interface. Its implementation on Qt
// Multimedia is a module of its own (media/output/, built as
// libmordaventa_audio), opened with the first sound: Qt Multimedia brings
// the sound server's client and its codecs, some fifteen libraries and 1.4 MB
// that neither game's first frame needs. Without the module the program
// plays silently, as without a device.
#include <QtGlobal>

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

// What the module gives, through its one C entry point kModuleEntry.
struct AudioOutputModule {
    bool (*available)();      // a default output device exists
    AudioOutput* (*create)(); // a stopped output; the caller owns it
};

namespace AudioOutputs {

inline constexpr char kModuleEntry[] = "mordaventa_audio_module";

// Whether the module opened and reports a device.
bool Available();
// A new output, or null without the module.
std::unique_ptr<AudioOutput> Create();

} // namespace AudioOutputs
