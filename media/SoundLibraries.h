#pragma once
// FluidSynth and espeak-ng, opened when first needed instead of with the
// program: the two bring some fifty shared libraries (sound servers, codecs,
// SDL, readline) that the first window does not need, and linking them at
// start-up was the largest part of the time to the first frame. The calls go
// through these tables, named as the libraries name them.
#include <espeak-ng/speak_lib.h>
#include <fluidsynth.h>

struct FluidSynthCalls {
    decltype(&::new_fluid_settings) new_fluid_settings;
    decltype(&::delete_fluid_settings) delete_fluid_settings;
    decltype(&::fluid_settings_setnum) fluid_settings_setnum;
    decltype(&::fluid_settings_setstr) fluid_settings_setstr;
    decltype(&::fluid_settings_setint) fluid_settings_setint;
    decltype(&::new_fluid_synth) new_fluid_synth;
    decltype(&::delete_fluid_synth) delete_fluid_synth;
    decltype(&::fluid_synth_sfload) fluid_synth_sfload;
    decltype(&::fluid_synth_all_sounds_off) fluid_synth_all_sounds_off;
    decltype(&::fluid_synth_system_reset) fluid_synth_system_reset;
    decltype(&::fluid_synth_write_s16) fluid_synth_write_s16;
    decltype(&::new_fluid_player) new_fluid_player;
    decltype(&::delete_fluid_player) delete_fluid_player;
    decltype(&::fluid_player_add_mem) fluid_player_add_mem;
    decltype(&::fluid_player_play) fluid_player_play;
    decltype(&::fluid_player_seek) fluid_player_seek;
};

struct EspeakCalls {
    decltype(&::espeak_Initialize) espeak_Initialize;
    decltype(&::espeak_SetVoiceByName) espeak_SetVoiceByName;
    decltype(&::espeak_SetVoiceByProperties) espeak_SetVoiceByProperties;
    decltype(&::espeak_SetSynthCallback) espeak_SetSynthCallback;
    decltype(&::espeak_Synth) espeak_Synth;
    decltype(&::espeak_SetParameter) espeak_SetParameter;
};

namespace SoundLibraries {

// The library's calls, opened on the first use from any thread; null when it
// is not installed (then music or speech stays silent, as without a device).
const FluidSynthCalls* FluidSynth();
const EspeakCalls* Espeak();

} // namespace SoundLibraries
