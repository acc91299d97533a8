// Renders the main window in a few states, and the other windows, to PNG
// files, offscreen, for review:
//   QT_QPA_PLATFORM=offscreen zarn_render OUTDIR
#include "app/App.h"
#include "info/AquaAboutBox.h"
#include "info/InfoWindow.h"
#include "info/License.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "staff/StaffClass1.h"
#include "stats/GraphWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    App::applyLook();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    Window1::Services services;
    services.player = std::make_unique<RecordingNotePlayer>();
    Window1 *w = Window1::create(std::move(services));
    w->show();
    w->grab().save(out + QStringLiteral("/main-start.png"));

    // Practice mode, mid-answer: two intervals named, two notes written.
    w->IntMenu[0]->setCurrentIndex(w->DisplayInterval(0));
    w->Staff[1]->setlistindex(w->ActualNote[2] - 56);
    w->IntMenu[1]->setCurrentIndex(3);
    w->Staff[2]->setlistindex(w->ActualNote[3] - 56 + 1);
    w->grab().save(out + QStringLiteral("/main-practice.png"));

    w->RadioTest->setChecked(true);
    w->ButtonNew->click();
    w->IntMenu[0]->setCurrentIndex(w->DisplayInterval(0));
    w->Staff[1]->setlistindex(w->ActualNote[2] - 56);
    w->ButtonCheck->click();
    w->grab().save(out + QStringLiteral("/main-test-checked.png"));

    w->PushStats_Action(Qt::ControlModifier | Qt::ShiftModifier);
    GraphWindow *stats = GraphWindow::existing();
    stats->grab().save(out + QStringLiteral("/stats-demo.png"));

    const std::pair<QWidget *, const char *> others[] = {{AquaAboutBox::instance(), "about"},
                                                         {InfoWindow::instance(), "instructions"},
                                                         {License::instance(), "licence"}};
    for (const auto &[window, name] : others) {
        window->show();
        window->grab().save(out + QStringLiteral("/%1.png").arg(QLatin1String(name)));
        window->close();
    }
    delete w;
    return 0;
}
