#pragma once

#include <fluidsynth.h>

#include <string>

// FluidSynth, opened when the sound first needs it rather than when the
// program starts. The library brings some thirty others with it (audio
// servers, sound file formats); mapping them at start-up held back the
// splash by about as long as a bare window takes to paint.
//
// Each member has the name and type of the library's function.
struct FluidApi
{
#define ZARN_FLUID_FUNCTIONS(X)                                                                    \
    X(new_fluid_settings)                                                                          \
    X(delete_fluid_settings)                                                                       \
    X(fluid_settings_setint)                                                                       \
    X(fluid_settings_setnum)                                                                       \
    X(fluid_settings_setstr)                                                                       \
    X(new_fluid_synth)                                                                             \
    X(delete_fluid_synth)                                                                          \
    X(fluid_synth_sfload)                                                                          \
    X(fluid_synth_program_change)                                                                  \
    X(fluid_synth_noteon)                                                                          \
    X(fluid_synth_noteoff)                                                                         \
    X(fluid_synth_all_sounds_off)                                                                  \
    X(fluid_synth_get_active_voice_count)                                                          \
    X(fluid_synth_write_float)                                                                     \
    X(new_fluid_sequencer2)                                                                        \
    X(delete_fluid_sequencer)                                                                      \
    X(fluid_sequencer_register_fluidsynth)                                                         \
    X(fluid_sequencer_get_tick)                                                                    \
    X(new_fluid_audio_driver)                                                                      \
    X(new_fluid_audio_driver2)                                                                     \
    X(delete_fluid_audio_driver)                                                                   \
    X(fluid_set_log_function)
#define ZARN_FLUID_MEMBER(name) decltype(&::name) name = nullptr;
    ZARN_FLUID_FUNCTIONS(ZARN_FLUID_MEMBER)
#undef ZARN_FLUID_MEMBER

    // The library this program was built against.
    static constexpr const char *DefaultLibrary = "libfluidsynth.so.3";

    // The library's functions, opened on first use and kept for the life of
    // the process; nullptr when the library cannot be opened or lacks one of
    // them (`problem` then says why). Safe from any thread.
    static const FluidApi *get(const std::string &library, std::string *problem = nullptr);
    // Opens the default library on a thread of its own, so that the first
    // note does not wait for it.
    static void preload();
};
