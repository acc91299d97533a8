#include "sound/ScheduledNotes.h"

#include "sound/FluidApi.h"

#include <algorithm>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Block = 64; // FluidSynth starts voices on these boundaries
// A longer pause than the slowest tempo's note length starts a new row.
constexpr auto RowPause = std::chrono::seconds(4);
// An output that was closed resumes where it stopped: waiting notes move with it.
constexpr auto RenderGap = std::chrono::milliseconds(100);

} // namespace

std::int64_t ScheduledNotes::frameFor(TimePoint when, TimePoint now)
{
    if (!m_anchored || when - m_lastWhen > RowPause || when < m_lastWhen) {
        // Where the output is now (rendering runs in periods; in between,
        // time moves on), plus the lead.
        const auto since = std::min<Clock::duration>(now - m_lastRender, std::chrono::milliseconds(20));
        const std::int64_t here = m_renderedThen
            + std::chrono::duration_cast<std::chrono::microseconds>(since).count() * m_rate / 1000000;
        m_anchored = true;
        m_anchorTime = when;
        m_anchorFrame = std::max(here, m_rendered)
            + std::chrono::duration_cast<std::chrono::microseconds>(Lead).count() * m_rate / 1000000;
    }
    m_lastWhen = when;
    const auto offset = std::chrono::duration_cast<std::chrono::microseconds>(when - m_anchorTime).count();
    return m_anchorFrame + (offset * m_rate + 500000) / 1000000;
}

void ScheduledNotes::add(TimePoint when, int note, int velocity)
{
    std::lock_guard lock(m_mutex);
    const std::int64_t frame = frameFor(when, Clock::now());
    // Stable for equal frames: a stop and a start of one tick keep their order.
    const auto at = std::upper_bound(m_events.begin(), m_events.end(), frame,
                                     [](std::int64_t f, const Event &e) { return f < e.frame; });
    m_events.insert(at, {frame, note, velocity});
}

void ScheduledNotes::cancel(int note)
{
    std::lock_guard lock(m_mutex);
    std::erase_if(m_events, [note](const Event &e) { return e.note == note; });
}

void ScheduledNotes::render(const FluidApi &fluid, fluid_synth_t *synth, int frames, float *left, float *right)
{
    std::unique_lock lock(m_mutex);
    const TimePoint now = Clock::now();
    if (m_lastRender != TimePoint{} && now - m_lastRender > RenderGap && !m_events.empty()) {
        const std::int64_t shift = std::max<std::int64_t>(0, m_rendered - m_events.front().frame);
        for (Event &e : m_events)
            e.frame += shift;
        m_anchorFrame += shift;
    }
    m_lastRender = now;
    m_renderedThen = m_rendered + frames;
    int done = 0;
    while (done < frames) {
        // Events go to the synthesizer at a block boundary, each in the block
        // that starts nearest to its frame.
        if (m_rendered % Block == 0) {
            std::size_t due = 0;
            while (due < m_events.size() && m_events[due].frame < m_rendered + Block / 2) {
                const Event &e = m_events[due++];
                if (e.velocity > 0)
                    fluid.fluid_synth_noteon(synth, 0, e.note, e.velocity);
                else
                    fluid.fluid_synth_noteoff(synth, 0, e.note);
            }
            m_events.erase(m_events.begin(), m_events.begin() + std::ptrdiff_t(due));
        }
        const int chunk = std::min<int>(frames - done, Block - int(m_rendered % Block));
        lock.unlock();
        fluid.fluid_synth_write_float(synth, chunk, left + done, 0, 1, right + done, 0, 1);
        lock.lock();
        done += chunk;
        m_rendered += chunk;
    }
}
