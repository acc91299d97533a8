#pragma once

#include "sound/FluidApi.h"
#include "sound/NotePlayer.h"
#include "sound/ScheduledNotes.h"
#include "sound/SoundFontSearch.h"

#include <fluidsynth/types.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The real note player: FluidSynth with a General MIDI SoundFont on the
// desktop's audio output (PulseAudio, else ALSA).
//
// Nothing slow runs on the caller's thread. A worker thread loads the
// SoundFont (samples are read per instrument when it is first chosen), opens
// the audio stream, carries out instrument changes (which may read samples)
// and closes the stream after a quiet spell so that an idle quiz costs no CPU
// and leaves the sound server alone; the next note reopens it.
//
// Notes played before the SoundFont is loaded are dropped: sounding them late,
// all at once, would be worse than not at all. An instrument chosen before then
// is kept and applied when loading ends. A note played while an instrument
// change is still under way waits for it, so it sounds with the new instrument.
//
// When no SoundFont or no audio output can be had, the player stays silent and
// reports one line saying what is missing and what to install. An output that
// stops taking sound (a sound server that went away) is closed and counts as
// failed. A failed output
// is tried again on a later note (at most every few seconds); notes played
// while it is missing are not kept, so they cannot all burst out once it works.
class FluidSynthNotePlayer final : public NotePlayer
{
public:
    struct Options
    {
        // Empty: the first of searchPaths that can be read.
        std::string soundFont;
        std::vector<std::string> searchPaths = soundFontCandidates();
        // false: no audio device is opened; sound is taken with renderFloat().
        bool audioOutput = true;
        // Non-empty: the live stream is written in real time to this raw file
        // instead of a device (lets the stream handling run without a device).
        std::string fileOutput;
        // The stream closes this long after the last note once nothing sounds:
        // longer than the slowest tempo's 3 s between notes, so that a row
        // never pays for reopening it.
        std::chrono::milliseconds idleClose{5000};
        // Frames per audio period (8 ms at 48 kHz); see the .cpp for why.
        int periodFrames = 384;
        // Receives the one problem report; by default it goes to stderr.
        std::function<void(const std::string &)> report;
        // The synthesizer library, opened by the worker (see FluidApi).
        std::string library = FluidApi::DefaultLibrary;
    };

    static constexpr int SampleRate = 48000;

    FluidSynthNotePlayer();
    explicit FluidSynthNotePlayer(Options options);
    ~FluidSynthNotePlayer() override;

    FluidSynthNotePlayer(const FluidSynthNotePlayer &) = delete;
    FluidSynthNotePlayer &operator=(const FluidSynthNotePlayer &) = delete;

    void playNote(int note, int velocity) override;
    void playNoteAt(int note, int velocity, std::chrono::steady_clock::time_point when) override;
    void setInstrument(int program) override;

    // Waits until loading has ended (well or not) and every queued call is
    // carried out; false on timeout.
    bool waitUntilSettled(std::chrono::milliseconds timeout);
    // The SoundFont is loaded: notes sound (given an output).
    bool isReady() const;
    // The audio stream is open.
    bool isStreaming() const;
    // The report made, or empty.
    std::string problem() const;
    // Without audio output: the next `frames` frames, interleaved stereo.
    std::vector<float> renderFloat(int frames);

private:
    struct Command
    {
        enum Kind { Note, Program } kind;
        int value;
        int velocity;
    };

    void run();
    bool load();
    void execute(const Command &command);
    void openStream();
    void closeStream();
    void reportOnce(const std::string &line);
    static int renderCallback(void *data, int len, int nfx, float *fx[], int nout, float *out[]);

    Options m_options;
    const FluidApi *m_fluid = nullptr; // set by the worker before the synthesizer
    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr;       // set up by the worker
    fluid_audio_driver_t *m_driver = nullptr; // worker only
    fluid_sequencer_t *m_clock = nullptr;      // runs only while audio is rendered

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;    // to the worker
    std::condition_variable m_settled; // to waitUntilSettled
    // Guarded by m_mutex:
    fluid_synth_t *m_liveSynth = nullptr; // published once the font is loaded
    bool m_loadEnded = false;
    bool m_quit = false;
    bool m_streamWanted = false;
    bool m_streaming = false;
    bool m_busy = false; // the worker is carrying out a command
    std::deque<Command> m_queue;
    std::chrono::steady_clock::time_point m_lastNote;
    std::chrono::steady_clock::time_point m_outputFailedAt;
    bool m_outputFailed = false;
    unsigned m_lastTick = 0;                           // worker only
    unsigned m_openTick = 0;                           // worker only: the tick when the output opened
    std::chrono::steady_clock::time_point m_lastProgress; // worker only
    std::string m_problem;
    ScheduledNotes m_schedule{SampleRate};
    // Sound is rendered through m_schedule (not the file output): timed
    // notes can wait for their frame.
    bool m_scheduling = false;

    std::thread m_worker;
};
