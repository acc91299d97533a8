// Rhythm in the audio itself: the main window plays a row at 600 B.P.M.
// (100 ms notes), 10 intervals, repeat 9, through FluidSynth with the system
// SoundFont. A thread stands in for the audio device: every 8 ms it takes
// 384 frames from the synthesizer, as a 48 kHz output with 8 ms periods
// would. Note onsets are found in the rendered audio and compared with the
// ideal grid measured from the first note (each note found by aligning the
// recording with the same notes rendered offline on the ideal grid).
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
    void setInstrument(int program) override
    {
        instrument = program;
        m_inner->setInstrument(program);
    }
    std::vector<int> started;
    int instrument = 1;

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

    // Onsets: the same notes are rendered offline on the ideal grid (each
    // note stops the one before it, as the quiz does) by a second synthesizer
    // with the same settings and instrument. Every note's stretch of the
    // recording is then aligned with the same stretch of that reference: the
    // shift with the best normalised correlation is the note's onset error.
    // Both hold the whole sound (the note before dying away included), so a
    // note that follows the same pitch is found as surely as any other.
    FluidSynthNotePlayer::Options alone;
    alone.audioOutput = false;
    FluidSynthNotePlayer reference(alone);
    (void)reference.waitUntilSettled(std::chrono::seconds(20));
    reference.setInstrument(tap->instrument);
    (void)reference.renderFloat(Period); // the program change takes effect
    const int step = Rate / 10;
    std::vector<float> ideal;
    int previous = -1;
    for (int note : tap->started) {
        if (previous >= 0)
            reference.playNote(previous, 0);
        reference.playNote(note, 100);
        previous = note;
        const std::vector<float> frames = reference.renderFloat(step);
        for (std::size_t i = 0; i + 1 < frames.size(); i += 2)
            ideal.push_back(frames[i] + frames[i + 1]);
    }
    long start = 0;
    while (start < long(mono.size()) && std::fabs(mono[start]) < 1e-6f)
        ++start;
    if (start == long(mono.size()) || tap->started.empty()) {
        std::printf("silent\n");
        return 1;
    }
    // The shift (-search..search) that best aligns the recording, placed at
    // `origin`, with the reference over `before` frames ahead of frame `at`
    // of the reference and Template frames from it.
    auto bestShift = [&](long origin, long at, long before, long search) {
        long best = 0;
        double bestScore = -2;
        for (long d = -search; d <= search; ++d) {
            const long from = origin + at + d - before;
            if (from < 0 || from + before + Template > long(mono.size()) || at - before < 0
                || at + Template > long(ideal.size()))
                continue;
            double product = 0, a = 1e-12, b = 1e-12;
            for (long i = 0; i < before + Template; ++i) {
                const double r = mono[from + i], t = ideal[at - before + i];
                product += r * t;
                a += r * r;
                b += t * t;
            }
            const double score = product / std::sqrt(a * b);
            if (score > bestScore) {
                bestScore = score;
                best = d;
            }
        }
        return best;
    };
    // The first note sets the grid: its attack against the reference's, near
    // the first sound; every later note also takes in the end of the one before.
    const long first = start + bestShift(start, 0, 0, 64);
    std::vector<double> errors;
    const int search = Rate / 50;
    for (int k = 1; k < int(tap->started.size()); ++k) {
        const long d = bestShift(first, long(k) * step, 256, search);
        errors.push_back(1000.0 * double(d) / Rate);
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
