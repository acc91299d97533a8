// The Stats window: its controls, opening and closing, help tags, menu, the
// options redrawing the graphs, and the pointer read-out driven by real
// pointer moves.
#include "controls/SimpleControls.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "stats/GraphCanvasMember.h"
#include "stats/GraphModel.h"
#include "stats/GraphPainter.h"
#include "stats/GraphWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>
#include <QWindow>

namespace {

Window1 *mainWindow()
{
    return Window1::existing();
}

ScoreHistory &hist()
{
    return mainWindow()->hist;
}

GraphWindow *openShown()
{
    GraphWindow *g = GraphWindow::instance();
    g->show();
    if (!QTest::qWaitForWindowExposed(g))
        qWarning("Stats window not exposed");
    return g;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A real pointer move, delivered through the window system to whatever
// widget lies under the point.
void pointAt(GraphWindow *g, int canvas, int x, int y = 60)
{
    const QPoint p = g->GraphCanvas[canvas]->mapTo(g, QPoint(x, y));
    QTest::mouseMove(g->windowHandle(), p);
    QCoreApplication::processEvents();
}

void pointOutside(GraphWindow *g)
{
    QTest::mouseMove(g->windowHandle(), g->centralWidget()->mapTo(g, QPoint(3, 3)));
    QCoreApplication::processEvents();
}

QList<QWidget *> readoutControls(GraphWindow *g)
{
    return {g->StaticText1, g->Canvas1, g->Oval1, g->Line5, g->Staticnumber};
}

bool readoutShown(GraphWindow *g)
{
    for (QWidget *w : readoutControls(g))
        if (!w->isVisible())
            return false;
    return true;
}

bool readoutHidden(GraphWindow *g)
{
    for (QWidget *w : readoutControls(g))
        if (w->isVisible())
            return false;
    return true;
}

// The window's controls in creation order.
QStringList designOrder()
{
    return QStringLiteral(
               "RoundRectangle1 GraphCanvas[0] ResetButton GraphCanvas[1] GraphCanvas[2] "
               "GraphCanvas[3] CheckTicks StaticGridSize[0] StaticGridSize[1] StaticGridSize[2] "
               "StaticGridSize[3] RadioGridSize[0] RadioGridSize[1] RadioGridSize[2] "
               "RadioGridSize[3] RadioGridSize[4] StaticGridSize[4] Line1 Line2 Line3 "
               "StaticGridSize[5] CheckColor StaticGridSize[6] CheckStraight StaticGridSize[7] "
               "CheckShadow StaticGridSize[8] Canvas1 StaticText1 CheckMouse StaticGridSize[9] "
               "GroupBox5 GroupBox7 StaticGridSize[10] Line4 Staticnumber Line5 Oval1 AutoButton1 "
               "GroupBox1 GroupBox2 GroupBox3 GroupBox4")
        .split(QLatin1Char(' '));
}

QImage painted(const GraphOptions &options, int index)
{
    QImage image(630, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    GraphCanvas_Paint(p, hist(), options, index);
    return image;
}

// The canvas as the window shows it, compared inside its rounded border.
bool canvasShows(GraphWindow *g, int index, const QImage &expected)
{
    const QImage shown =
        g->GraphCanvas[index]->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 4; y < 116; ++y)
        for (int x = 4; x < 626; ++x)
            if (shown.pixel(x, y) != expected.pixel(x, y))
                return false;
    return true;
}

const QStringList StatsTipped{
    QStringLiteral("GroupBox5"),         QStringLiteral("CheckTicks"),
    QStringLiteral("StaticGridSize[5]"), QStringLiteral("CheckColor"),
    QStringLiteral("StaticGridSize[6]"), QStringLiteral("CheckShadow"),
    QStringLiteral("StaticGridSize[8]"), QStringLiteral("CheckStraight"),
    QStringLiteral("StaticGridSize[7]"), QStringLiteral("CheckMouse"),
    QStringLiteral("StaticGridSize[9]"), QStringLiteral("ResetButton")};

int tagged(GraphWindow *g)
{
    int n = 0;
    for (QWidget *w : g->findChildren<QWidget *>())
        n += w->toolTip().isEmpty() ? 0 : 1;
    return n;
}

} // namespace

class TestGraphWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void controlsInDesignPlaces_data();
    void controlsInDesignPlaces();
    void creationOrder();
    void designDefaults();
    void openingTwiceGivesOneWindow();
    void closing_data();
    void closing();
    void helpTagsAtOpen_data();
    void helpTagsAtOpen();
    void mouseTipsSwitchWhileOpen();
    void menuText_data();
    void menuText();
    void optionsRedrawTheGraphs_data();
    void optionsRedrawTheGraphs();
    void readoutPercentAtFirstPosition();
    void readoutBeyondTenMinutesPulledIn();
    void readoutFirstMoveOnGraphZero();
    void readoutLeavingHides();
    void readoutCheckMouseOffFreezes();
    void readoutNoTimeKeeps();
    void readoutPastLastEntryHides();
};

void TestGraphWindow::initTestCase()
{
    Window1::Services services;
    services.player = std::make_unique<RecordingNotePlayer>();
    QVERIFY(Window1::create(std::move(services)));
}

void TestGraphWindow::init()
{
    mainWindow()->BoxMouse->setChecked(false);
    hist() = ScoreHistory{};
}

void TestGraphWindow::cleanup()
{
    if (GraphWindow *g = GraphWindow::existing())
        g->close();
    flushDeletes();
    QVERIFY(!GraphWindow::existing());
}

void TestGraphWindow::controlsInDesignPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    const int canvasTop[4] = {14, 150, 286, 422};
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("GraphCanvas[%d]", i) << QStringLiteral("GraphCanvas[%1]").arg(i)
                                           << QRect(43, canvasTop[i], 630, 120);
        QTest::addRow("GroupBox%d", i + 1) << QStringLiteral("GroupBox%1").arg(i + 1)
                                          << QRect(43, canvasTop[i], 630, 120);
    }
    const int radioLeft[5] = {88, 120, 152, 184, 216};
    for (int i = 0; i < 5; ++i)
        QTest::addRow("RadioGridSize[%d]", i) << QStringLiteral("RadioGridSize[%1]").arg(i)
                                             << QRect(radioLeft[i], 566, 20, 20);
    QTest::newRow("RoundRectangle1") << "RoundRectangle1" << QRect(42, 557, 634, 52);
    QTest::newRow("ResetButton") << "ResetButton" << QRect(589, 573, 76, 20);
    QTest::newRow("CheckTicks") << "CheckTicks" << QRect(269, 566, 20, 20);
    QTest::newRow("CheckColor") << "CheckColor" << QRect(325, 566, 20, 20);
    QTest::newRow("CheckStraight") << "CheckStraight" << QRect(437, 566, 20, 20);
    QTest::newRow("CheckShadow") << "CheckShadow" << QRect(381, 566, 20, 20);
    QTest::newRow("CheckMouse") << "CheckMouse" << QRect(493, 566, 20, 20);
    QTest::newRow("Canvas1") << "Canvas1" << QRect(6, 542, 100, 17);
    QTest::newRow("StaticText1") << "StaticText1" << QRect(6, 559, 100, 20);
    QTest::newRow("Staticnumber") << "Staticnumber" << QRect(10, 577, 17, 10);
    QTest::newRow("Line5") << "Line5" << QRect(254, 20, 1, 101);
    QTest::newRow("Oval1") << "Oval1" << QRect(24, 579, 7, 7);
    QTest::newRow("AutoButton1") << "AutoButton1" << QRect(543, 567, 32, 32);
    QTest::newRow("GroupBox5") << "GroupBox5" << QRect(49, 563, 194, 41);
    QTest::newRow("GroupBox7") << "GroupBox7" << QRect(42, 557, 634, 52);
    QTest::newRow("Line1") << "Line1" << QRect(112, 568, 1, 31);
    QTest::newRow("Line4") << "Line4" << QRect(208, 568, 1, 31);
    // Labels keep their place; a caption the default font makes wider than
    // the design's box widens it to the right.
    QTest::newRow("StaticGridSize[0]") << "StaticGridSize[0]" << QRect(88, 584, 17, 20);
    QTest::newRow("StaticGridSize[3]") << "StaticGridSize[3]" << QRect(58, 555, 35, 47);
    QTest::newRow("StaticGridSize[9]") << "StaticGridSize[9]" << QRect(480, 584, 49, 20);
    QTest::newRow("StaticGridSize[10]") << "StaticGridSize[10]" << QRect(216, 584, 17, 20);
}

void TestGraphWindow::controlsInDesignPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    GraphWindow *g = GraphWindow::instance();
    auto *w = g->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->parentWidget(), g->centralWidget());
    if (name.startsWith(QLatin1String("StaticGridSize"))) {
        QCOMPARE(w->pos(), rect.topLeft());
        QCOMPARE(w->height(), rect.height());
        QVERIFY(w->width() >= rect.width());
    } else {
        QCOMPARE(w->geometry(), rect);
    }
}

void TestGraphWindow::creationOrder()
{
    GraphWindow *g = GraphWindow::instance();
    // Children stack in creation order: a later one lies above.
    QStringList order;
    for (QObject *o : g->centralWidget()->children())
        if (qobject_cast<QWidget *>(o) && designOrder().contains(o->objectName()))
            order << o->objectName();
    QCOMPARE(order, designOrder());
}

void TestGraphWindow::designDefaults()
{
    GraphWindow *g = openShown();
    QCOMPARE(g->windowTitle(), QStringLiteral("Stats"));
    QVERIFY(!g->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(g->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(g->centralWidget()->size(), QSize(690, 620));
    QCOMPARE(g->centralWidget()->minimumSize(), QSize(681, 240));
    QVERIFY(mainWindow()->StatsOpen);
    QCOMPARE(g->LastX, -1);
    QCOMPARE(g->LastY, -1);

    QVERIFY(g->RadioGridSize[1]->isChecked());
    QVERIFY(!g->CheckTicks->isChecked());
    QVERIFY(g->CheckColor->isChecked());
    QVERIFY(g->CheckShadow->isChecked());
    QVERIFY(!g->CheckStraight->isChecked());
    QVERIFY(g->CheckMouse->isChecked());
    QVERIFY(readoutHidden(g));
    QVERIFY(g->ResetButton->isDefault());
    QCOMPARE(g->ResetButton->text(), QStringLiteral("Close"));

    // The five grid choices form one group of their own.
    QButtonGroup *group = g->RadioGridSize[0]->group();
    QVERIFY(group);
    QVERIFY(group->exclusive());
    QCOMPARE(group->buttons().size(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(group->id(g->RadioGridSize[i]), i);

    // Labels, lines, frames and the read-out let the pointer through.
    for (QWidget *w : g->centralWidget()->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        const bool passive = qobject_cast<QLabel *>(w) || qobject_cast<QGroupBox *>(w) ||
                             name.startsWith(QLatin1String("Line")) || name == "Canvas1" ||
                             name == "Oval1" || name == "RoundRectangle1";
        if (passive)
            QVERIFY2(w->testAttribute(Qt::WA_TransparentForMouseEvents), qPrintable(name));
    }
    for (int i = 0; i < 4; ++i)
        QVERIFY(g->GraphCanvas[i]->hasMouseTracking());
}

void TestGraphWindow::openingTwiceGivesOneWindow()
{
    mainWindow()->PushStats_Action(Qt::NoModifier);
    GraphWindow *first = GraphWindow::existing();
    QVERIFY(first);
    mainWindow()->PushStats_Action(Qt::NoModifier);
    QCOMPARE(GraphWindow::existing(), first);
    QCOMPARE(GraphWindow::instance(), first);
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += qobject_cast<GraphWindow *>(w) ? 1 : 0;
    QCOMPARE(windows, 1);
    // The first key combination loads the demonstration history.
    mainWindow()->PushStats_Action(Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(hist().Counter1, 130);
    mainWindow()->PushStats_Action(Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(hist().Counter1, 0);
}

void TestGraphWindow::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "button";
    QTest::newRow("Return key") << "return";
    QTest::newRow("close control") << "window";
    QTest::newRow("Practice mode") << "practice";
}

void TestGraphWindow::closing()
{
    QFETCH(QString, how);
    if (how == QLatin1String("practice"))
        mainWindow()->RadioTest->setChecked(true);
    GraphWindow *g = openShown();
    QVERIFY(mainWindow()->StatsOpen);
    // Options changed now are forgotten by the next window.
    g->CheckTicks->setChecked(true);
    g->CheckColor->setChecked(false);
    g->CheckMouse->setChecked(false);
    g->RadioGridSize[4]->setChecked(true);

    if (how == QLatin1String("button"))
        QTest::mouseClick(g->ResetButton, Qt::LeftButton);
    else if (how == QLatin1String("return"))
        QTest::keyClick(g, Qt::Key_Return);
    else if (how == QLatin1String("window"))
        g->close();
    else
        mainWindow()->RadioPractice->setChecked(true);
    QVERIFY(!mainWindow()->StatsOpen);
    QVERIFY(!GraphWindow::existing());
    flushDeletes();

    GraphWindow *again = openShown();
    QVERIFY(mainWindow()->StatsOpen);
    QVERIFY(again->RadioGridSize[1]->isChecked());
    QVERIFY(!again->CheckTicks->isChecked());
    QVERIFY(again->CheckColor->isChecked());
    QVERIFY(again->CheckMouse->isChecked());
    QVERIFY(readoutHidden(again));
}

void TestGraphWindow::helpTagsAtOpen_data()
{
    QTest::addColumn<bool>("tips");
    QTest::newRow("Mouse Tips on") << true;
    QTest::newRow("Mouse Tips off") << false;
}

void TestGraphWindow::helpTagsAtOpen()
{
    QFETCH(bool, tips);
    mainWindow()->BoxMouse->setChecked(tips);
    GraphWindow *g = GraphWindow::instance();
    // Opening sets twelve tags, all but the picture's.
    QCOMPARE(tagged(g), tips ? 12 : 0);
    if (tips) {
        for (const QString &name : StatsTipped)
            QVERIFY2(!g->findChild<QWidget *>(name)->toolTip().isEmpty(), qPrintable(name));
        QCOMPARE(g->GroupBox5->toolTip(),
                 QStringLiteral("Sets the spacing (units) of grid lines. "));
        QCOMPARE(g->CheckShadow->toolTip(),
                 QStringLiteral("Draws a \"drop shadow\" behind the graph line."));
        QCOMPARE(g->StaticGridSize[9]->toolTip(),
                 QStringLiteral("When selected, moving the mouse over a graph entry will display "
                                "its exact value"));
        QCOMPARE(g->ResetButton->toolTip(), QStringLiteral("Closes this Stats Window"));
        QVERIFY(g->AutoButton1->toolTip().isEmpty());

        // The pointer passes through labels; their tags still show.
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QWidget *content = g->centralWidget();
        const QPoint onLabel(265, 598);
        QCOMPARE(content->childAt(onLabel), nullptr);
        QHelpEvent help(QEvent::ToolTip, onLabel, content->mapToGlobal(onLabel));
        QApplication::sendEvent(content, &help);
        QCOMPARE(QToolTip::text(), g->CheckTicks->toolTip());
        QToolTip::hideText();
    }
}

void TestGraphWindow::mouseTipsSwitchWhileOpen()
{
    GraphWindow *g = openShown();
    QCOMPARE(tagged(g), 0);
    // The main window's switch gives all thirteen, the picture's too ...
    mainWindow()->BoxMouse->setChecked(true);
    QCOMPARE(tagged(g), 13);
    QCOMPARE(g->AutoButton1->toolTip(), QStringLiteral("Displays Z.A.R.N. instructions."));
    // ... and this window's menu command flips the same switch.
    g->MouseTipsMenu_Action();
    QVERIFY(!mainWindow()->BoxMouse->isChecked());
    QCOMPARE(tagged(g), 0);
    g->MouseTipsMenu_Action();
    QVERIFY(mainWindow()->BoxMouse->isChecked());
    QCOMPARE(tagged(g), 13);
}

void TestGraphWindow::menuText_data()
{
    QTest::addColumn<bool>("tips");
    QTest::addColumn<QString>("text");
    QTest::newRow("tips on") << true << "Turn Mouse Tips OFF";
    QTest::newRow("tips off") << false << "Turn Mouse Tips ON";
}

void TestGraphWindow::menuText()
{
    QFETCH(bool, tips);
    QFETCH(QString, text);
    GraphWindow *g = openShown();
    mainWindow()->BoxMouse->setChecked(tips);
    // The window's menu updates the item as it opens.
    auto *menu = g->menuBar()->findChild<QMenu *>();
    QVERIFY(menu);
    Q_EMIT menu->aboutToShow();
    QCOMPARE(Menu::instance().mouseTipsText(), text);
}

void TestGraphWindow::optionsRedrawTheGraphs_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("checked");
    QTest::newRow("grid 10") << "RadioGridSize[0]" << true;
    QTest::newRow("grid 33.3") << "RadioGridSize[2]" << true;
    QTest::newRow("grid 50") << "RadioGridSize[3]" << true;
    QTest::newRow("grid off") << "RadioGridSize[4]" << true;
    QTest::newRow("ticks") << "CheckTicks" << true;
    QTest::newRow("colour off") << "CheckColor" << false;
    QTest::newRow("shadow off") << "CheckShadow" << false;
    QTest::newRow("straight") << "CheckStraight" << true;
}

void TestGraphWindow::optionsRedrawTheGraphs()
{
    QFETCH(QString, control);
    QFETCH(bool, checked);
    GraphWindow *g = openShown();
    g->FillGraph();
    const GraphOptions design;
    for (int i = 0; i < 4; ++i)
        QVERIFY(canvasShows(g, i, painted(design, i)));

    auto *button = g->findChild<QAbstractButton *>(control);
    QVERIFY(button);
    button->setChecked(checked);
    const GraphOptions now = g->options();
    for (int i = 0; i < 4; ++i) {
        const QImage expected = painted(now, i);
        QVERIFY2(canvasShows(g, i, expected), qPrintable(QStringLiteral("graph %1").arg(i)));
        // Every option changes what at least one graph shows.
        if (i == 0)
            QVERIFY(expected != painted(design, 0) || expected != painted(design, 1));
    }
}

void TestGraphWindow::readoutPercentAtFirstPosition()
{
    hist().AverageScores[0] = 50;
    hist().Counter1 = 1;
    GraphWindow *g = openShown();
    pointAt(g, 2, 25);
    QVERIFY(readoutShown(g));
    QCOMPARE(g->Oval1->pos(), QPoint(70, 342));
    QCOMPARE(g->Line5->geometry(), QRect(73, 342, 1, 55)); // rows 342 to 396
    QCOMPARE(g->Canvas1->geometry(), QRect(73, 322, 33, 17));
    QCOMPARE(g->StaticText1->text(), QStringLiteral("50%"));
    QCOMPARE(g->StaticText1->pos(), QPoint(76, 321));
    QCOMPARE(g->Staticnumber->text(), QStringLiteral("1"));
    QCOMPARE(g->Staticnumber->pos(), QPoint(68, 397));
    QCOMPARE(g->LastX, 0);
    QCOMPARE(g->LastY, 2);
    // Anywhere in the 20-pixel column and at any height: the same entry.
    pointAt(g, 2, 39, 5);
    QCOMPARE(g->Canvas1->geometry(), QRect(73, 322, 33, 17));
}

void TestGraphWindow::readoutBeyondTenMinutesPulledIn()
{
    GraphWindow *g = openShown();
    g->FillGraph();
    hist().Counter1 = 127; // position 29 of graph 1 is entry 126: -240
    pointAt(g, 1, 615);
    QVERIFY(readoutShown(g));
    QCOMPARE(g->StaticText1->text(), QStringLiteral("(14 min.)"));
    QCOMPARE(g->Canvas1->geometry(), QRect(618, 228, 69, 17));
    QCOMPARE(g->StaticText1->pos(), QPoint(621, 227));
    QCOMPARE(g->Oval1->pos(), QPoint(650, 256));
    QCOMPARE(g->Line5->geometry(), QRect(653, 256, 1, 5));
    QCOMPARE(g->Staticnumber->text(), QStringLiteral("127"));
    QCOMPARE(g->Staticnumber->pos(), QPoint(648, 261));
}

void TestGraphWindow::readoutFirstMoveOnGraphZero()
{
    hist().Scores[0] = 75;
    hist().Counter1 = 1;
    GraphWindow *g = openShown();
    // Position 0 of graph 0 shows at the very first move.
    pointAt(g, 0, 21);
    QVERIFY(readoutShown(g));
    QCOMPARE(g->StaticText1->text(), QStringLiteral("75%"));
    QCOMPARE(g->Canvas1->pos(), QPoint(73, 25));
}

void TestGraphWindow::readoutLeavingHides()
{
    GraphWindow *g = openShown();
    g->FillGraph();
    pointAt(g, 0, 25);
    QVERIFY(readoutShown(g));
    pointOutside(g);
    QVERIFY(readoutHidden(g));
    QCOMPARE(g->LastX, -1);
    QCOMPARE(g->LastY, 0);
    // Back on the same position of the same graph: shown again.
    pointAt(g, 0, 25);
    QVERIFY(readoutShown(g));
    QCOMPARE(g->StaticText1->text(), QStringLiteral("100%"));
    // Straight onto another graph: that graph's entry.
    pointAt(g, 3, 25);
    QVERIFY(readoutShown(g));
    QCOMPARE(g->StaticText1->text(), QStringLiteral("(14 min.)"));
    QCOMPARE(g->LastY, 3);
}

void TestGraphWindow::readoutCheckMouseOffFreezes()
{
    GraphWindow *g = openShown();
    g->FillGraph();
    pointAt(g, 2, 25);
    QCOMPARE(g->StaticText1->text(), QStringLiteral("100%"));
    const QRect box = g->Canvas1->geometry();
    QTest::mouseClick(g->CheckMouse, Qt::LeftButton);
    QVERIFY(!g->CheckMouse->isChecked());
    pointAt(g, 2, 65); // position 2: 66.67 %
    QVERIFY(readoutShown(g));
    QCOMPARE(g->StaticText1->text(), QStringLiteral("100%"));
    QCOMPARE(g->Canvas1->geometry(), box);
    QCOMPARE(g->LastX, 0);
    // Leaving still hides it.
    pointOutside(g);
    QVERIFY(readoutHidden(g));
    pointAt(g, 2, 65);
    QVERIFY(readoutHidden(g));
    // Switched on again, the next move shows the entry under the pointer.
    g->CheckMouse->setChecked(true);
    pointAt(g, 2, 66);
    QVERIFY(readoutShown(g));
    QCOMPARE(g->StaticText1->text(), QStringLiteral("67%"));
}

void TestGraphWindow::readoutNoTimeKeeps()
{
    GraphWindow *g = openShown();
    g->FillGraph();
    pointAt(g, 1, 45); // entry 101: 300 -> 5 min.
    QCOMPARE(g->StaticText1->text(), QStringLiteral("5 min."));
    const QRect box = g->Canvas1->geometry();
    pointAt(g, 1, 65); // entry 102: no time
    QVERIFY(readoutShown(g));
    QCOMPARE(g->StaticText1->text(), QStringLiteral("5 min."));
    QCOMPARE(g->Canvas1->geometry(), box);
    QCOMPARE(g->Staticnumber->text(), QStringLiteral("102"));
    QCOMPARE(g->LastX, 2);
    pointAt(g, 1, 85); // entry 103: 360 -> 4 min.
    QCOMPARE(g->StaticText1->text(), QStringLiteral("4 min."));
    QCOMPARE(g->Staticnumber->text(), QStringLiteral("104"));
}

void TestGraphWindow::readoutPastLastEntryHides()
{
    for (int i = 0; i < 3; ++i)
        hist().Scores[i] = 40;
    hist().Counter1 = 3;
    GraphWindow *g = openShown();
    pointAt(g, 0, 65);
    QVERIFY(readoutShown(g));
    pointAt(g, 0, 75); // position 2 still
    QVERIFY(readoutShown(g));
    pointAt(g, 0, 85); // position 3: nothing there
    QVERIFY(readoutHidden(g));
    pointAt(g, 0, 90);
    QVERIFY(readoutHidden(g));
    QCOMPARE(g->LastX, 3);
}

QTEST_MAIN(TestGraphWindow)
#include "test_graphwindow.moc"
