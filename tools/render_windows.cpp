// Renders the main window in a few states to PNG files, offscreen, for review:
//   QT_QPA_PLATFORM=offscreen zarn_render OUTDIR
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "staff/StaffClass1.h"
#include "stats/GraphWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(app.style()->standardPalette());
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
    delete w;
    return 0;
}
