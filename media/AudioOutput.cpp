#include "media/AudioOutput.h"

#include "shell/LateLibrary.h"
#include "shell/Logging.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstring>

namespace {

using Entry = const AudioOutputModule* (*)();

const AudioOutputModule* Open() {
    // Kept loaded to the end: the output's threads may still run then.
    static QLibrary library;
    Entry entry = nullptr;
    if (!LateLibrary::LoadBesideProgram(library, QStringLiteral("mordaventa_audio")) ||
        !LateLibrary::Take(library, AudioOutputs::kModuleEntry, entry)) {
        qCWarning(lcMordaventa) << "sound is off";
        return nullptr;
    }
    return entry();
}

const AudioOutputModule* Module() {
    static const AudioOutputModule* module = QCoreApplication::instance() ? Open() : nullptr;
    return module;
}

} // namespace

namespace AudioOutputs {

bool Available() {
    const AudioOutputModule* module = Module();
    return module && module->available();
}

std::unique_ptr<AudioOutput> Create() {
    const AudioOutputModule* module = Module();
    return std::unique_ptr<AudioOutput>(module ? module->create() : nullptr);
}

std::unique_ptr<AudioInput> CreateInput() {
    const AudioOutputModule* module = Module();
    return std::unique_ptr<AudioInput>(module ? module->createInput() : nullptr);
}

} // namespace AudioOutputs

int AudioFrames::bytesPerSample() const {
    switch (sample) {
    case Sample::UInt8:
        return 1;
    case Sample::Int16:
        return 2;
    case Sample::Int32:
    case Sample::Float:
        return 4;
    }
    return 2;
}

float AudioFrames::normalized(const char* data) const {
    switch (sample) {
    case Sample::UInt8:
        return (quint8(*data) - 128) / 128.0f;
    case Sample::Int16: {
        qint16 v;
        memcpy(&v, data, sizeof v);
        return v / 32768.0f;
    }
    case Sample::Int32: {
        qint32 v;
        memcpy(&v, data, sizeof v);
        return float(v / 2147483648.0);
    }
    case Sample::Float: {
        float v;
        memcpy(&v, data, sizeof v);
        return v;
    }
    }
    return 0;
}
