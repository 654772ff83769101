// The wave reader of the sound layer: a file it accepts holds whole frames
// of the format it names.
#include "FuzzInput.h"

#include "media/MediaFiles.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MediaFiles::WaveData wave;
    QString error;
    if (!MediaFiles::readWave(inputBytes(data, size), wave, &error)) {
        FUZZ_EXPECT(!error.isEmpty());
        return 0;
    }
    FUZZ_EXPECT(wave.channels > 0 && wave.samples.size() % wave.channels == 0);
    FUZZ_EXPECT(wave.bitsPerSample == 8 || wave.bitsPerSample == 16);
    FUZZ_EXPECT(std::isfinite(wave.durationMs()) && wave.durationMs() >= 0);
    return 0;
}
