// Rhythm in the audio itself: the main window plays a row at 600 B.P.M.
// (100 ms notes), 10 intervals, repeat 9, through FluidSynth with the system
// SoundFont. A thread stands in for the audio device: every 8 ms it takes
// 384 frames from the synthesizer, as a 48 kHz output with 8 ms periods
// would. Note onsets are found in the rendered audio and compared with the
// ideal grid measured from the first note (each note found by matching its
// attack rendered alone).
//   zarn_bench_rhythm [busy]   (busy: the UI thread is blocked 30 ms at a time)
// Prints "notes expected, notes found, median |error| ms, max |error| ms".
#include "quiz/Window1.h"
#include "sound/FluidSynthNotePlayer.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Rate = FluidSynthNotePlayer::SampleRate;
constexpr int Period = 384;
constexpr int Template = 2048; // frames of each note's attack matched

// Passes every call on and keeps the notes started, in order.
class Tap final : public NotePlayer
{
public:
    explicit Tap(std::unique_ptr<NotePlayer> inner) : m_inner(std::move(inner)) {}
    void playNote(int note, int velocity) override
    {
        if (velocity > 0)
            started.push_back(note);
        m_inner->playNote(note, velocity);
    }
    void playNoteAt(int note, int velocity, std::chrono::steady_clock::time_point when) override
    {
        if (velocity > 0)
            started.push_back(note);
        m_inner->playNoteAt(note, velocity, when);
    }
    void setInstrument(int program) override { m_inner->setInstrument(program); }
    std::vector<int> started;

private:
    std::unique_ptr<NotePlayer> m_inner;
};

} // namespace

int main(int argc, char *argv[])
{
    const bool busy = argc > 1 && std::string(argv[1]) == "busy";
    QApplication app(argc, argv);

    FluidSynthNotePlayer::Options options;
    options.audioOutput = false;
    auto player = std::make_unique<FluidSynthNotePlayer>(options);
    FluidSynthNotePlayer *synth = player.get();
    if (!synth->waitUntilSettled(std::chrono::seconds(20)) || !synth->isReady()) {
        std::printf("no-soundfont\n");
        return 1;
    }
    auto tapped = std::make_unique<Tap>(std::move(player));
    Tap *tap = tapped.get();
    Window1::Services services;
    services.player = std::move(tapped);
    Window1 *w = Window1::create(std::move(services));
    w->show();
    w->SliderTempo->setValue(3000);
    w->SliderInt->setValue(10);
    w->SliderRepeat->setValue(9);
    w->ButtonNew->click();
    QTest::qWait(200);

    std::vector<float> mono;
    std::mutex monoMutex;
    std::atomic<bool> rendering{true};
    std::thread device([&] {
        auto next = Clock::now();
        while (rendering) {
            next += std::chrono::microseconds(1000000LL * Period / Rate);
            std::this_thread::sleep_until(next);
            const std::vector<float> frames = synth->renderFloat(Period);
            std::lock_guard lock(monoMutex);
            for (std::size_t i = 0; i + 1 < frames.size(); i += 2)
                mono.push_back(frames[i] + frames[i + 1]);
        }
    });
    // 30 ms of work, then 20 ms free for the events that waited, again and again.
    QTimer busyTimer;
    busyTimer.setTimerType(Qt::PreciseTimer);
    busyTimer.setSingleShot(true);
    QObject::connect(&busyTimer, &QTimer::timeout, [&busyTimer] {
        const auto until = Clock::now() + std::chrono::milliseconds(30);
        while (Clock::now() < until) {
        }
        busyTimer.start(20);
    });
    QTest::qWait(100);
    if (busy)
        busyTimer.start(20);
    tap->started.clear();
    w->ButtonPlay->click();
    const int notes = w->NumInts * 2 * w->SliderRepeat->value();
    (void)QTest::qWaitFor([&] { return w->ButtonPlay->isEnabled(); }, 60000);
    busyTimer.disconnect();
    busyTimer.stop();
    QTest::qWait(300);
    rendering = false;
    device.join();

    // Onsets: each note's attack, rendered alone from silence, is matched
    // against the recording within 20 ms of its ideal time; the first note
    // sets the grid. The match is normalised by the recording's energy in
    // the window: a plain product is drawn towards the loud tail of the
    // note before. It can still be misled where the note before sounds the
    // same pitch (a repeat starting on the note the last one ended on).
    FluidSynthNotePlayer::Options alone;
    alone.audioOutput = false;
    FluidSynthNotePlayer reference(alone);
    (void)reference.waitUntilSettled(std::chrono::seconds(20));
    std::map<int, std::vector<float>> attack;
    for (int note : tap->started) {
        if (attack.count(note))
            continue;
        reference.playNote(note, 100);
        const std::vector<float> frames = reference.renderFloat(Template);
        reference.playNote(note, 0);
        (void)reference.renderFloat(3 * Rate); // the release dies away
        std::vector<float> m;
        for (std::size_t i = 0; i + 1 < frames.size(); i += 2)
            m.push_back(frames[i] + frames[i + 1]);
        attack[note] = m;
    }
    auto bestMatch = [&](const std::vector<float> &t, long from, long to) {
        long best = -1;
        double bestScore = -1e30;
        for (long d = std::max(0L, from); d <= to && d + long(t.size()) <= long(mono.size()); ++d) {
            double score = 0, energy = 1e-12;
            for (std::size_t i = 0; i < t.size(); ++i) {
                score += double(mono[d + long(i)]) * t[i];
                energy += double(mono[d + long(i)]) * mono[d + long(i)];
            }
            score /= std::sqrt(energy);
            if (score > bestScore) {
                bestScore = score;
                best = d;
            }
        }
        return best;
    };
    long start = 0;
    while (start < long(mono.size()) && std::fabs(mono[start]) < 1e-6f)
        ++start;
    if (start == long(mono.size()) || tap->started.empty()) {
        std::printf("silent\n");
        return 1;
    }
    const long first = bestMatch(attack[tap->started[0]], start - 64, start + 64);
    std::vector<double> errors;
    const int step = Rate / 10;
    const int search = Rate / 50;
    for (int k = 1; k < int(tap->started.size()); ++k) {
        const long ideal = first + long(k) * step;
        const long found = bestMatch(attack[tap->started[k]], ideal - search, ideal + search);
        if (found < 0)
            continue;
        errors.push_back(1000.0 * double(found - ideal) / Rate);
    }
    std::vector<double> absErrors;
    for (double x : errors)
        absErrors.push_back(std::fabs(x));
    std::sort(absErrors.begin(), absErrors.end());
    const double median = absErrors.empty() ? -1 : absErrors[absErrors.size() / 2];
    const double worst = absErrors.empty() ? -1 : absErrors.back();
    std::printf("%d %zu %.2f %.2f\n", notes, errors.size() + 1, median, worst);
    if (argc > 2) {
        FILE *f = std::fopen(argv[2], "wb");
        std::fwrite(mono.data(), sizeof(float), mono.size(), f);
        std::fclose(f);
        for (double x : errors)
            std::fprintf(stderr, "%.2f ", x);
        std::fprintf(stderr, "\n");
    }
    delete w;
    return 0;
}
