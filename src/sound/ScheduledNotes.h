#pragma once

#include <fluidsynth/types.h>

struct FluidApi;

#include <chrono>
#include <cstdint>
#include <mutex>
#include <vector>

// Notes placed on the synthesizer's sample clock. Timer ticks on the user
// interface thread come several milliseconds early or late, and a note handed
// to the synthesizer directly starts at the next audio period; here each
// note gets the frame that corresponds to its intended time, a fixed lead
// ahead, and starts in the 64-frame block nearest to it. Times are mapped to
// frames once per row (the first timed note after a pause), so the notes of a
// row keep their spacing exactly whatever the ticks do.
//
// All sound must be rendered through render(); the audio thread calls it.
class ScheduledNotes
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // Covers a tick held up 30 ms by a busy user-interface thread plus one
    // audio period.
    static constexpr auto Lead = std::chrono::milliseconds(50);

    explicit ScheduledNotes(int sampleRate) : m_rate(sampleRate) {}

    // velocity 0 stops the note.
    void add(TimePoint when, int note, int velocity);
    // Drops the waiting events of a note (it was stopped directly).
    void cancel(int note);
    // Renders `frames` frames into left and right (stride 1), starting the
    // notes that fall due on the way.
    void render(const FluidApi &fluid, fluid_synth_t *synth, int frames, float *left, float *right);

private:
    struct Event
    {
        std::int64_t frame;
        int note;
        int velocity;
    };

    std::int64_t frameFor(TimePoint when, TimePoint now);

    const int m_rate;
    std::mutex m_mutex;
    std::vector<Event> m_events; // in frame order
    std::int64_t m_rendered = 0; // frames rendered so far
    TimePoint m_lastRender{};    // when render() was last called
    std::int64_t m_renderedThen = 0;
    bool m_anchored = false;
    TimePoint m_anchorTime{};
    std::int64_t m_anchorFrame = 0;
    TimePoint m_lastWhen{};
};
