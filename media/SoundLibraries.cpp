#include "media/SoundLibraries.h"

#include "shell/LateLibrary.h"

#include <memory>

namespace {

// Sets a call of the table from the library's symbol of the same name.
#define MORDAVENTA_TAKE(call) LateLibrary::Take(library, #call, table->call)

std::unique_ptr<FluidSynthCalls> OpenFluidSynth() {
    static QLibrary library(QStringLiteral("fluidsynth"), 3);
    LateLibrary::Load(library);
    auto table = std::make_unique<FluidSynthCalls>();
    const bool ok =
        library.isLoaded() && MORDAVENTA_TAKE(new_fluid_settings) &&
        MORDAVENTA_TAKE(delete_fluid_settings) && MORDAVENTA_TAKE(fluid_settings_setnum) &&
        MORDAVENTA_TAKE(fluid_settings_setstr) && MORDAVENTA_TAKE(fluid_settings_setint) &&
        MORDAVENTA_TAKE(new_fluid_synth) && MORDAVENTA_TAKE(delete_fluid_synth) &&
        MORDAVENTA_TAKE(fluid_synth_sfload) && MORDAVENTA_TAKE(fluid_synth_all_sounds_off) &&
        MORDAVENTA_TAKE(fluid_synth_system_reset) && MORDAVENTA_TAKE(fluid_synth_write_s16) &&
        MORDAVENTA_TAKE(new_fluid_player) && MORDAVENTA_TAKE(delete_fluid_player) &&
        MORDAVENTA_TAKE(fluid_player_add_mem) && MORDAVENTA_TAKE(fluid_player_play) &&
        MORDAVENTA_TAKE(fluid_player_seek);
    return ok ? std::move(table) : nullptr;
}

std::unique_ptr<EspeakCalls> OpenEspeak() {
    static QLibrary library(QStringLiteral("espeak-ng"), 1);
    LateLibrary::Load(library);
    auto table = std::make_unique<EspeakCalls>();
    const bool ok = library.isLoaded() && MORDAVENTA_TAKE(espeak_Initialize) &&
                    MORDAVENTA_TAKE(espeak_SetVoiceByName) &&
                    MORDAVENTA_TAKE(espeak_SetVoiceByProperties) &&
                    MORDAVENTA_TAKE(espeak_SetSynthCallback) && MORDAVENTA_TAKE(espeak_Synth) &&
                    MORDAVENTA_TAKE(espeak_SetParameter);
    return ok ? std::move(table) : nullptr;
}

#undef MORDAVENTA_TAKE

} // namespace

namespace SoundLibraries {

const FluidSynthCalls* FluidSynth() {
    static const std::unique_ptr<FluidSynthCalls> calls = OpenFluidSynth();
    return calls.get();
}

const EspeakCalls* Espeak() {
    static const std::unique_ptr<EspeakCalls> calls = OpenEspeak();
    return calls.get();
}

} // namespace SoundLibraries
