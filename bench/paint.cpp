// Paint times: a full repaint of the main window into an image, and
// each of the statistics window's graphs with the demonstration
// history and every option on. Prints "name median_ms" lines.
#include "quiz/Window1.h"
#include "stats/GraphModel.h"
#include "stats/GraphPainter.h"
#include "sound/RecordingNotePlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(const std::function<void()> &work, int runs)
{
    work(); // warm caches (pictures drawn at the screen's density)
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(app.style()->standardPalette());

    Window1::Services services;
    services.player = std::make_unique<RecordingNotePlayer>();
    Window1 *w = Window1::create(std::move(services));
    w->show();
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    std::printf("main-window %.3f\n", medianMs([&] {
        QPainter p(&image);
        w->render(&p);
    }, 50));
    delete w;

    // The four graphs: demonstration history, dots, colour, shadow, curves
    // and the finest grid.
    ScoreHistory history;
    graphmodel::FillGraph(history);
    GraphOptions options;
    options.gridChoice = 0;
    options.ticks = true;
    options.color = true;
    options.shadow = true;
    options.straight = false;
    QImage canvas(630, 120, QImage::Format_ARGB32_Premultiplied);
    for (int index = 0; index < 4; ++index)
        std::printf("graph-%d %.3f\n", index, medianMs([&] {
            QPainter p(&canvas);
            GraphCanvas_Paint(p, history, options, index);
        }, 200));
    return 0;
}
