// The MIDI reader of the sound layer and the tempo map it returns: playing
// times and positions stay finite and in order.
#include "FuzzInput.h"

#include "media/MediaFiles.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MediaFiles::MidiInfo info;
    QString error;
    if (!MediaFiles::readMidi(inputBytes(data, size), info, &error)) {
        FUZZ_EXPECT(!error.isEmpty());
        return 0;
    }
    FUZZ_EXPECT(!info.tempos.isEmpty() && info.tempos.first().tick == 0);
    const double duration = info.durationMs();
    FUZZ_EXPECT(std::isfinite(duration) && duration >= 0);
    FUZZ_EXPECT(info.tickToMs(info.lastTick / 2) <= duration);
    const qint64 tick = info.msToTick(duration / 2);
    FUZZ_EXPECT(tick >= 0 && tick <= info.lastTick);
    return 0;
}
