// Press latency: presses on the keyboard and on a note light of the main
// window, with the real note player on the PulseAudio server; the sink's
// monitor is recorded in 1 ms pieces and the first sound after each press is
// compared with the time of the press. "warm" presses come 1 s apart (the
// stream is open); "cold" ones come after the stream closed for idleness.
//   zarn_bench_latency MONITOR_SOURCE WARM_PRESSES COLD_PRESSES
// Prints "warm median ms, cold median ms, presses heard / made".
#include "controls/SimpleControls.h"
#include "quiz/KeyboardGeometry.h"
#include "quiz/Window1.h"
#include "sound/FluidSynthNotePlayer.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Rate = 48000;
constexpr int Piece = 48; // frames, 1 ms

std::atomic<long long> heardAt{0}; // ns since the clock's epoch; 0: nothing yet
std::atomic<bool> listening{false};
std::atomic<bool> recording{true};

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        return 2;
    const char *source = argv[1];
    const int warm = std::atoi(argv[2]);
    const int cold = std::atoi(argv[3]);
    QApplication app(argc, argv);

    pa_sample_spec spec{PA_SAMPLE_S16LE, Rate, 1};
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.fragsize = Piece * 2;
    int error = 0;
    pa_simple *rec = pa_simple_new(nullptr, "zarn-bench", PA_STREAM_RECORD, source, "monitor", &spec, nullptr,
                                   &attr, &error);
    if (!rec) {
        std::printf("no-recorder\n");
        return 1;
    }
    std::thread recorder([&] {
        std::vector<int16_t> piece(Piece);
        while (recording) {
            if (pa_simple_read(rec, piece.data(), piece.size() * 2, nullptr) < 0)
                break;
            const long long t = nowNs();
            if (!listening || heardAt)
                continue;
            for (int i = 0; i < Piece; ++i)
                if (std::abs(piece[i]) > 300) {
                    heardAt = t - (long long)(Piece - i) * 1000000000LL / Rate;
                    break;
                }
        }
    });

    auto player = std::make_unique<FluidSynthNotePlayer>();
    FluidSynthNotePlayer *synth = player.get();
    synth->waitUntilSettled(std::chrono::seconds(20));
    Window1::Services services;
    services.player = std::move(player);
    Window1 *w = Window1::create(std::move(services));
    w->show();
    (void)QTest::qWaitForWindowExposed(w);
    QWidget *keyboard = w->findChild<QWidget *>(QStringLiteral("Canvas2"));
    QPoint key(0, 0);
    for (int x = 0; x < keyboard->width() && keyboard::keyAt(key.x(), key.y()) < 0; x += 5)
        key = QPoint(x, keyboard->height() - 10);
    key = QPoint(keyboard->width() / 2, keyboard->height() - 10);

    auto press = [&](int n) -> double {
        // The light of the row's second note: every row has one, while a
        // later light is hidden when the random row is shorter.
        QWidget *target = n % 2 ? static_cast<QWidget *>(w->NoteLight[1]) : keyboard;
        const QPoint at = n % 2 ? QPoint(6, 10) : key;
        heardAt = 0;
        listening = true;
        const long long pressed = nowNs();
        QTest::mousePress(target, Qt::LeftButton, {}, at);
        QTest::qWait(250);
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
        listening = false;
        QTest::qWait(750);
        return heardAt ? (heardAt - pressed) / 1e6 : -1;
    };
    std::vector<double> warmTimes, coldTimes;
    int made = 0, heard = 0;
    QTest::qWait(1000);
    press(0); // opens the stream
    for (int n = 0; n < warm; ++n) {
        const double ms = press(n);
        ++made;
        if (ms >= 0) {
            warmTimes.push_back(ms);
            ++heard;
        }
    }
    for (int n = 0; n < cold; ++n) {
        (void)QTest::qWaitFor([&] { return !synth->isStreaming(); }, 20000);
        QTest::qWait(500);
        const double ms = press(n);
        ++made;
        if (ms >= 0) {
            coldTimes.push_back(ms);
            ++heard;
        }
    }
    std::printf("%.2f %.2f %d/%d\n", median(warmTimes), median(coldTimes), heard, made);
    std::fflush(stdout);
    recording = false;
    std::_Exit(0);
}
