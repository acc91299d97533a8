#include "sound/FluidSynthNotePlayer.h"

#include "sound/SoundFontCheck.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

using Clock = std::chrono::steady_clock;

// A failed device is not retried on every note: a refused connection is
// quick, but a device that hangs on open would make every note wait.
constexpr auto OutputRetryAfter = std::chrono::seconds(5);
// An open output that has rendered nothing for this long has died.
constexpr auto OutputStallLimit = std::chrono::seconds(1);
// A freshly opened output may take a while before it plays: a sound server
// wakes a suspended device first (a Bluetooth headset takes a second or two),
// and meanwhile only the first periods are taken. It is given this long to
// start, counted as started once it has taken more than those periods.
constexpr auto OutputStartLimit = std::chrono::seconds(5);
constexpr unsigned StartedAfterMs = 100;

// FluidSynth asks PulseAudio for one period of buffer. Measured against a
// PulseAudio null sink on a 2-core machine (notes every 100 ms for 2 s):
// 128 frames (2.7 ms) gave 50 to 125 underruns, 256 frames 35 to 65, 384
// frames (8 ms) 2 to 7, also with both cores busy. 384 keeps a press within
// about 8 ms of the server without crackle. ALSA gets two such periods.
constexpr int Periods = 2;

const char *const SoundFontPackageHint = "Install the Debian package fluid-soundfont-gm.";

// FluidSynth's own messages would add lines of their own to the one report;
// the last error of the calling thread is kept to explain that report.
thread_local std::string fluidLastError;

void keepFluidError(int level, const char *message, void *)
{
    if ((level == FLUID_ERR || level == FLUID_PANIC) && message)
        fluidLastError = message;
}

// Once for the process: the log functions are the library's global state.
void silenceFluidLog(const FluidApi &fluid)
{
    static std::once_flag once;
    std::call_once(once, [&fluid] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid.fluid_set_log_function(level, keepFluidError, nullptr);
    });
}

std::string becauseOfFluid()
{
    std::string reason = fluidLastError;
    fluidLastError.clear();
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '.'))
        reason.pop_back();
    return reason.empty() ? std::string() : " (" + reason + ")";
}

// ALSA prints its own lines when asked for a device on a machine with no sound
// card; there ALSA could only have reached a sound server that already refused.
bool haveSoundCard()
{
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator("/dev/snd", error))
        if (entry.path().filename().string().starts_with("pcm"))
            return true;
    return false;
}

} // namespace

FluidSynthNotePlayer::FluidSynthNotePlayer() : FluidSynthNotePlayer(Options{}) {}

FluidSynthNotePlayer::FluidSynthNotePlayer(Options options) : m_options(std::move(options))
{
    m_worker = std::thread([this] { run(); });
}

FluidSynthNotePlayer::~FluidSynthNotePlayer()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    m_worker.join();
    // Quitting while notes sound must not leave one hanging in the stream.
    if (m_synth)
        m_fluid->fluid_synth_all_sounds_off(m_synth, -1);
    closeStream();
    if (m_clock)
        m_fluid->delete_fluid_sequencer(m_clock);
    if (m_synth)
        m_fluid->delete_fluid_synth(m_synth);
    if (m_settings)
        m_fluid->delete_fluid_settings(m_settings);
}

void FluidSynthNotePlayer::playNote(int note, int velocity)
{
    playNoteAt(note, velocity, {});
}

void FluidSynthNotePlayer::playNoteAt(int note, int velocity, std::chrono::steady_clock::time_point when)
{
    if (note < 0 || note > 127 || velocity < 0)
        return;
    velocity = std::min(velocity, 127);
    bool direct = false;
    {
        std::lock_guard lock(m_mutex);
        if (!m_liveSynth)
            return;
        m_lastNote = Clock::now();
        bool wake = !m_queue.empty();
        if (velocity > 0 && m_options.audioOutput && !m_streamWanted) {
            m_streamWanted = true;
            wake = true;
        }
        // Without an output the note would wait in the synthesizer and burst
        // out with all the others once an output opens.
        const bool keep = velocity == 0 || !m_outputFailed;
        if (keep && !m_queue.empty())
            m_queue.push_back({Command::Note, note, velocity});
        else
            direct = keep;
        if (wake)
            m_wake.notify_one();
    }
    // Played straight from here: a round trip through the worker would only
    // add latency. The synthesizer's own lock orders it with the audio thread.
    if (!direct)
        return;
    if (when != Clock::time_point{} && m_scheduling) {
        m_schedule.add(when, note, velocity);
        return;
    }
    // A note stopped directly (Stop, a released key) must not start later.
    if (velocity == 0)
        m_schedule.cancel(note);
    execute({Command::Note, note, velocity});
}

void FluidSynthNotePlayer::setInstrument(int program)
{
    if (program < 1 || program > 128)
        return;
    std::lock_guard lock(m_mutex);
    if (m_loadEnded && !m_liveSynth)
        return;
    // Only the last of several waiting choices matters.
    if (!m_queue.empty() && m_queue.back().kind == Command::Program && !(m_busy && m_queue.size() == 1))
        m_queue.back().value = program;
    else
        m_queue.push_back({Command::Program, program, 0});
    m_wake.notify_one();
}

bool FluidSynthNotePlayer::waitUntilSettled(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_settled.wait_for(lock, timeout, [this] { return m_loadEnded && m_queue.empty(); });
}

bool FluidSynthNotePlayer::isReady() const
{
    std::lock_guard lock(m_mutex);
    return m_liveSynth != nullptr;
}

bool FluidSynthNotePlayer::isStreaming() const
{
    std::lock_guard lock(m_mutex);
    return m_streaming;
}

std::string FluidSynthNotePlayer::problem() const
{
    std::lock_guard lock(m_mutex);
    return m_problem;
}

std::vector<float> FluidSynthNotePlayer::renderFloat(int frames)
{
    if (m_options.audioOutput || frames <= 0 || !isReady())
        return {};
    std::vector<float> left(static_cast<std::size_t>(frames)), right(static_cast<std::size_t>(frames));
    m_schedule.render(*m_fluid, m_synth, frames, left.data(), right.data());
    std::vector<float> buffer(std::size_t(frames) * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        buffer[2 * i] = left[i];
        buffer[2 * i + 1] = right[i];
    }
    return buffer;
}

void FluidSynthNotePlayer::execute(const Command &command)
{
    if (command.kind == Command::Program)
        m_fluid->fluid_synth_program_change(m_synth, 0, command.value - 1);
    else if (command.velocity > 0)
        m_fluid->fluid_synth_noteon(m_synth, 0, command.value, command.velocity);
    else
        m_fluid->fluid_synth_noteoff(m_synth, 0, command.value); // fails harmlessly when the note is not sounding
}

void FluidSynthNotePlayer::run()
{
    const bool loaded = load();
#ifdef __GLIBC__
    // Reading the SoundFont, and the start-up of the windows meanwhile, freed
    // a good deal of memory that the heap would otherwise keep resident.
    malloc_trim(0);
#endif
    std::unique_lock lock(m_mutex);
    m_loadEnded = true;
    m_lastNote = Clock::now();
    if (loaded) {
        m_liveSynth = m_synth;
        m_streamWanted = m_options.audioOutput;
    } else {
        m_queue.clear();
    }
    m_settled.notify_all();
    if (!loaded)
        return;

    const auto poll = std::min<std::chrono::milliseconds>(std::chrono::milliseconds(250), m_options.idleClose);
    while (!m_quit) {
        if (!m_queue.empty()) {
            // The command stays queued while it runs, so that notes played
            // meanwhile queue up behind it instead of overtaking it.
            const Command command = m_queue.front();
            m_busy = true;
            lock.unlock();
            execute(command);
            lock.lock();
            m_busy = false;
            m_queue.pop_front();
            if (m_queue.empty())
                m_settled.notify_all();
            continue;
        }
        if (m_streamWanted && !m_streaming) {
            if (m_outputFailed && Clock::now() - m_outputFailedAt < OutputRetryAfter) {
                m_streamWanted = false;
                continue;
            }
            lock.unlock();
            openStream();
            lock.lock();
            m_streaming = m_driver != nullptr;
            m_outputFailed = !m_streaming;
            m_lastProgress = Clock::now();
            m_openTick = m_clock ? m_fluid->fluid_sequencer_get_tick(m_clock) : 0;
            if (m_outputFailed) {
                // Notes that reached the synthesizer meanwhile must not sound later.
                m_fluid->fluid_synth_all_sounds_off(m_synth, -1);
                m_outputFailedAt = Clock::now();
                m_streamWanted = false;
            }
            continue;
        }
        if (m_streaming) {
            m_wake.wait_for(lock, poll, [this] { return m_quit || !m_queue.empty(); });
            if (m_quit || !m_queue.empty())
                continue;
            const unsigned tick = m_fluid->fluid_sequencer_get_tick(m_clock);
            const bool started = tick - m_openTick > StartedAfterMs; // the tick only grows
            if (tick != m_lastTick) {
                m_lastTick = tick;
                m_lastProgress = Clock::now();
            } else if (m_clock
                       && Clock::now() - m_lastProgress > (started ? OutputStallLimit : OutputStartLimit)) {
                m_streaming = false;
                m_streamWanted = false;
                m_outputFailed = true;
                m_outputFailedAt = Clock::now();
                lock.unlock();
                // Said first: closing waits for the output's thread, which
                // may be stuck in the dead device for a while yet.
                reportOnce("the audio output stopped; notes are silent until it can be opened again.");
                closeStream();
                m_fluid->fluid_synth_all_sounds_off(m_synth, -1);
                lock.lock();
                continue;
            }
            if (Clock::now() - m_lastNote >= m_options.idleClose && m_fluid->fluid_synth_get_active_voice_count(m_synth) == 0) {
                m_streaming = false;
                m_streamWanted = false;
                lock.unlock();
                closeStream();
                lock.lock();
            }
            continue;
        }
        m_wake.wait(lock, [this] { return m_quit || !m_queue.empty() || m_streamWanted; });
    }
}

bool FluidSynthNotePlayer::load()
{
    const std::string path = m_options.soundFont.empty() ? findSoundFont(m_options.searchPaths) : m_options.soundFont;
    if (path.empty()) {
        reportOnce("no General MIDI SoundFont found in /usr/share/sounds/sf2 or the other usual places; "
                   "notes are silent. "
                   + std::string(SoundFontPackageHint));
        return false;
    }
    if (const std::string fault = checkSoundFont(path); !fault.empty()) {
        reportOnce("the SoundFont " + path + " cannot be used: it " + fault + "; notes are silent. "
                   + SoundFontPackageHint);
        return false;
    }

    std::string why;
    m_fluid = FluidApi::get(m_options.library, &why);
    if (!m_fluid) {
        reportOnce("the FluidSynth library could not be opened (" + why
                   + "); notes are silent. Install the Debian package libfluidsynth3.");
        return false;
    }
    silenceFluidLog(*m_fluid);

    m_settings = m_fluid->new_fluid_settings();
    if (!m_settings) {
        reportOnce("FluidSynth could not start; notes are silent.");
        return false;
    }
    m_fluid->fluid_settings_setnum(m_settings, "synth.sample-rate", SampleRate);
    // FluidSynth's default gain is for mixing many channels; one melody
    // line at 0.2 is faint next to other desktop sound.
    m_fluid->fluid_settings_setnum(m_settings, "synth.gain", 0.6);
    // Dry notes make intervals easiest to tell apart, and save the CPU.
    m_fluid->fluid_settings_setint(m_settings, "synth.reverb.active", 0);
    m_fluid->fluid_settings_setint(m_settings, "synth.chorus.active", 0);
    // Samples are read per instrument as it is chosen: a fraction of the
    // memory and of the loading time of a whole General MIDI font.
    m_fluid->fluid_settings_setint(m_settings, "synth.dynamic-sample-loading", 1);
    m_fluid->fluid_settings_setint(m_settings, "synth.lock-memory", 0);
    // One melody line, its release tails and a few keys held: 64 voices are
    // plenty, and the default 256 cost about 1 MB more.
    m_fluid->fluid_settings_setint(m_settings, "synth.polyphony", 64);
    m_fluid->fluid_settings_setint(m_settings, "audio.period-size", m_options.periodFrames);
    m_fluid->fluid_settings_setint(m_settings, "audio.periods", Periods);

    m_synth = m_fluid->new_fluid_synth(m_settings);
    if (!m_synth) {
        reportOnce("FluidSynth could not start" + becauseOfFluid() + "; notes are silent.");
        return false;
    }
    m_scheduling = m_options.fileOutput.empty();
    if (m_options.audioOutput) {
        // Its time moves with the audio rendered, which tells a live output
        // from one that died under us.
        m_clock = m_fluid->new_fluid_sequencer2(0);
        if (m_clock)
            m_fluid->fluid_sequencer_register_fluidsynth(m_clock, m_synth);
    }
    // Presets are not spread over all sixteen channels: only channel 0 plays,
    // and with samples read per preset the drum kit alone would cost about
    // 11 MB and 200 ms with FluidR3.
    if (m_fluid->fluid_synth_sfload(m_synth, path.c_str(), 0) == FLUID_FAILED) {
        reportOnce("the SoundFont " + path + " cannot be read" + becauseOfFluid() + "; notes are silent. "
                   + SoundFontPackageHint);
        return false;
    }
    if (m_fluid->fluid_synth_program_change(m_synth, 0, 0) != FLUID_OK) {
        reportOnce("the SoundFont " + path + " has no General MIDI instruments" + becauseOfFluid()
                   + "; notes are silent. " + SoundFontPackageHint);
        return false;
    }
    return true;
}

void FluidSynthNotePlayer::openStream()
{
    std::vector<std::string> drivers;
    if (!m_options.fileOutput.empty()) {
        m_fluid->fluid_settings_setstr(m_settings, "audio.file.name", m_options.fileOutput.c_str());
        m_fluid->fluid_settings_setstr(m_settings, "audio.file.type", "raw");
        drivers.push_back("file");
    } else {
        // PipeWire desktops serve PulseAudio clients too.
        drivers.push_back("pulseaudio");
        if (haveSoundCard())
            drivers.push_back("alsa");
    }
    for (const std::string &driver : drivers) {
        m_fluid->fluid_settings_setstr(m_settings, "audio.driver", driver.c_str());
        m_driver = m_scheduling ? m_fluid->new_fluid_audio_driver2(m_settings, renderCallback, this)
                                : m_fluid->new_fluid_audio_driver(m_settings, m_synth);
        if (m_driver)
            return;
    }
    reportOnce("no audio output could be opened" + becauseOfFluid()
               + "; notes are silent. Start the desktop's sound server, or install the Debian package "
                 "pipewire-pulse or pulseaudio.");
}

int FluidSynthNotePlayer::renderCallback(void *data, int len, int, float *[], int nout, float *out[])
{
    auto *self = static_cast<FluidSynthNotePlayer *>(data);
    if (nout < 2)
        return FLUID_FAILED;
    self->m_schedule.render(*self->m_fluid, self->m_synth, len, out[0], out[1]);
    return FLUID_OK;
}

void FluidSynthNotePlayer::closeStream()
{
    if (m_driver)
        m_fluid->delete_fluid_audio_driver(m_driver);
    m_driver = nullptr;
}

void FluidSynthNotePlayer::reportOnce(const std::string &line)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_problem.empty())
            return;
        m_problem = line;
    }
    if (m_options.report)
        m_options.report(line);
    else
        std::fprintf(stderr, "zarn: %s\n", line.c_str());
}
