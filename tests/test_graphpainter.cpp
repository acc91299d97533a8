// The drawing of the four graphs, checked per pixel: golden images of the
// demonstration history under every option, and the worked cases drawn
// directly.
#include "stats/GraphModel.h"
#include "stats/GraphPainter.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

namespace {

const QRgb Background = qRgb(0xF6, 0xF6, 0xF6);
const QRgb Grid = qRgb(0xD3, 0xD5, 0xC7);
const QRgb LineShadow = qRgb(0xC3, 0xC7, 0xC7);
const QRgb PlusShadow = qRgb(0x8F, 0x8F, 0x8F);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);

// The row ramp, worked out by hand for the rows the tests look at.
QRgb ramp(int y)
{
    switch (y) {
    case 9: return qRgb(0, 202, 0); // red -2 clamped
    case 49: return qRgb(99, 122, 0);
    case 50: return qRgb(102, 120, 0);
    case 52: return qRgb(107, 116, 0);
    case 59: return qRgb(124, 102, 0);
    case 89: return qRgb(201, 42, 0);
    case 90: return qRgb(204, 40, 0);
    case 109: return qRgb(252, 2, 0);
    }
    qFatal("no ramp colour worked out for row %d", y);
}

QImage render(const ScoreHistory &history, const GraphOptions &options, int index)
{
    QImage image(graphmodel::CanvasWidth, graphmodel::CanvasHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    GraphCanvas_Paint(g, history, options, index);
    return image;
}

// The four graphs one above the other, as in the window.
QImage renderAll(const ScoreHistory &history, const GraphOptions &options)
{
    const int h = graphmodel::CanvasHeight;
    QImage all(graphmodel::CanvasWidth, 4 * h, QImage::Format_RGB32);
    QPainter p(&all);
    for (int i = 0; i < 4; ++i)
        p.drawImage(0, i * h, render(history, options, i));
    return all;
}

QString hex(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

#define COMPARE_PIXEL(image, x, y, expected)                                                       \
    QCOMPARE(hex((image).pixel((x), (y))), hex(expected))

ScoreHistory demoHistory()
{
    ScoreHistory h;
    graphmodel::FillGraph(h);
    return h;
}

} // namespace

class TestGraphPainter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void golden_data();
    void golden();
    void gridRows_data();
    void gridRows();
    void oneEntryOfFifty();
    void fullScoreBarIsClamped();
    void segmentSixtyToTwenty_data();
    void segmentSixtyToTwenty();
    void allWithoutTime_data();
    void allWithoutTime();
    void belowRangeArrow_data();
    void belowRangeArrow();
    void noEntries();
};

void TestGraphPainter::golden_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<GraphOptions>("options");
    const GraphOptions design;
    auto with = [&](auto change) {
        GraphOptions o = design;
        change(o);
        return o;
    };
    QTest::newRow("design") << "design" << design;
    QTest::newRow("grid 10") << "grid10" << with([](GraphOptions &o) { o.gridChoice = 0; });
    QTest::newRow("grid 33.3") << "grid33" << with([](GraphOptions &o) { o.gridChoice = 2; });
    QTest::newRow("grid 50") << "grid50" << with([](GraphOptions &o) { o.gridChoice = 3; });
    QTest::newRow("grid off") << "gridoff" << with([](GraphOptions &o) { o.gridChoice = 4; });
    QTest::newRow("ticks") << "ticks" << with([](GraphOptions &o) { o.ticks = true; });
    QTest::newRow("colour off") << "black" << with([](GraphOptions &o) { o.color = false; });
    QTest::newRow("shadow off") << "noshadow" << with([](GraphOptions &o) { o.shadow = false; });
    QTest::newRow("straight") << "straight" << with([](GraphOptions &o) { o.straight = true; });
    QTest::newRow("ticks, black, no shadow")
        << "ticks_black_noshadow" << with([](GraphOptions &o) {
               o.ticks = true;
               o.color = false;
               o.shadow = false;
           });
}

void TestGraphPainter::golden()
{
    QFETCH(QString, name);
    QFETCH(GraphOptions, options);
    const QImage actual = renderAll(demoHistory(), options);
    const QString path = QStringLiteral(ZARN_TEST_DATA "/golden/graph_%1.png").arg(name);
    if (qEnvironmentVariableIntValue("ZARN_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QStringLiteral(ZARN_TEST_DATA "/golden"));
        QVERIFY(actual.save(path));
        qWarning("wrote %s", qPrintable(path));
        return;
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(path + QStringLiteral(" is missing")));
    QCOMPARE(actual.size(), expected.size());
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                if (differing++ == 0)
                    first = QPoint(x, y);
            }
    if (differing) {
        const QString saved =
            QDir::temp().filePath(QStringLiteral("graph_%1_actual.png").arg(name));
        actual.save(saved);
        QFAIL(qPrintable(QStringLiteral("%1 pixels differ, first at (%2, %3): %4 instead of %5; "
                                        "actual image saved as %6")
                             .arg(differing)
                             .arg(first.x())
                             .arg(first.y())
                             .arg(hex(actual.pixel(first)), hex(expected.pixel(first)), saved)));
    }
}

void TestGraphPainter::gridRows_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("10") << 0 << QList<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 0};
    QTest::newRow("20") << 1 << QList<int>{90, 70, 50, 30, 10};
    QTest::newRow("33.3") << 2 << QList<int>{76, 43, 10};
    QTest::newRow("50") << 3 << QList<int>{60, 10};
    QTest::newRow("off") << 4 << QList<int>{};
}

void TestGraphPainter::gridRows()
{
    QFETCH(int, choice);
    QFETCH(QList<int>, rows);
    GraphOptions options;
    options.gridChoice = choice;
    const QImage image = render(ScoreHistory{}, options, 0);
    const QSet<int> gridRows(rows.cbegin(), rows.cend());
    // Column 40 lies between two vertical lines; horizontal lines start at 30.
    for (int y = 0; y < graphmodel::CanvasHeight; ++y) {
        const QRgb want = gridRows.contains(y) ? Grid : (y == 0 ? qRgb(255, 255, 255) : Background);
        QVERIFY2(image.pixel(40, y) == want, qPrintable(QStringLiteral("row %1").arg(y)));
    }
    COMPARE_PIXEL(image, 29, 10, Background);
    // Vertical lines at every shown position, rows 10 to 110, unless "Off".
    const QRgb vertical = choice == 4 ? Background : Grid;
    for (int x = 30; x <= 610; x += 20) {
        COMPARE_PIXEL(image, x, 63, vertical);
        COMPARE_PIXEL(image, x, 110, vertical);
    }
    COMPARE_PIXEL(image, 31, 63, Background);
    COMPARE_PIXEL(image, 30, 111, Background);
    COMPARE_PIXEL(image, 630 - 1, 63, Background); // no line at 630
}

void TestGraphPainter::oneEntryOfFifty()
{
    ScoreHistory h;
    h.Scores[0] = 50;
    h.Counter1 = 1;
    GraphOptions options;
    options.gridChoice = 4;
    const QImage image = render(h, options, 0);
    // The bar: two pixels wide at x 29, from the baseline up to row 59.
    COMPARE_PIXEL(image, 29, 109, ramp(109));
    COMPARE_PIXEL(image, 30, 109, ramp(109));
    COMPARE_PIXEL(image, 31, 109, LineShadow);
    COMPARE_PIXEL(image, 33, 100, LineShadow);
    COMPARE_PIXEL(image, 34, 100, Background);
    COMPARE_PIXEL(image, 28, 100, Background);
    COMPARE_PIXEL(image, 29, 56, Background);
    COMPARE_PIXEL(image, 31, 60, LineShadow);
    COMPARE_PIXEL(image, 31, 59, Background);
    // Baseline from x 29 to the right edge; the strip below it is cleared.
    COMPARE_PIXEL(image, 28, 110, Background);
    COMPARE_PIXEL(image, 29, 110, Black);
    COMPARE_PIXEL(image, 629, 110, Black);
    COMPARE_PIXEL(image, 32, 112, Background);
    // No segment: nothing right of the shadow (inside the rounded corners).
    for (int x = 34; x < 626; ++x)
        for (int y = 5; y < 110; ++y)
            QVERIFY2(image.pixel(x, y) == Background,
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));

    // With dots: one at position 0 (box 27..32 x 57..62) in the dot ramp
    // colour of height 50, outlined in black, its shadow 3 right and 2 down;
    // none at position 1.
    options.ticks = true;
    const QImage dotted = render(h, options, 0);
    COMPARE_PIXEL(dotted, 30, 60, qRgb(127, 155, 0));
    COMPARE_PIXEL(dotted, 27, 59, Black);
    COMPARE_PIXEL(dotted, 34, 63, qRgb(0xE1, 0xE1, 0xE1));
    COMPARE_PIXEL(dotted, 70, 60, Background);
}

void TestGraphPainter::fullScoreBarIsClamped()
{
    ScoreHistory h;
    h.Scores[0] = 100;
    h.Counter1 = 1;
    const QImage image = render(h, GraphOptions{}, 0);
    // Row 9 asks for red -2: the bar tops out one row above the 100 line.
    COMPARE_PIXEL(image, 29, 9, ramp(9));
    COMPARE_PIXEL(image, 29, 8, Background);
}

void TestGraphPainter::segmentSixtyToTwenty_data()
{
    QTest::addColumn<bool>("straight");
    QTest::addColumn<int>("firstY");
    QTest::addColumn<int>("lastY");
    QTest::addColumn<int>("lastStepTop");
    // Each step is coloured by the ramp of the row y it ends at, and drawn
    // one row higher, from the previous step's end.
    QTest::newRow("curved") << false << 50 << 89 << 88;
    QTest::newRow("straight") << true << 52 << 90 << 87;
}

void TestGraphPainter::segmentSixtyToTwenty()
{
    QFETCH(bool, straight);
    QFETCH(int, firstY);
    QFETCH(int, lastY);
    QFETCH(int, lastStepTop);
    ScoreHistory h;
    h.Scores[0] = 60;
    h.Scores[1] = 20;
    h.Counter1 = 2;
    GraphOptions options;
    options.gridChoice = 4;
    options.straight = straight;
    const QImage image = render(h, options, 0);
    // The first end bar rises to row 49 (109 - 60); the first step starts on
    // its top row, coloured by the row it ends at.
    COMPARE_PIXEL(image, 29, 49, ramp(firstY));
    COMPARE_PIXEL(image, 29, 48, Background);
    COMPARE_PIXEL(image, 29, 50, ramp(50));
    // The last step of the wave reaches row lastY; its shadow (3 x 3 from
    // x 50 for curves, 51 for straight lines) reaches row lastY too.
    const int shadowRight = straight ? 53 : 52;
    COMPARE_PIXEL(image, shadowRight, lastY, LineShadow);
    COMPARE_PIXEL(image, shadowRight + 1, lastY, Background);
    COMPARE_PIXEL(image, 53, 90, straight ? LineShadow : Background);
    COMPARE_PIXEL(image, 48, lastStepTop, ramp(lastY));
    // The last end bar at x 49 rises to row 89 (109 - 20).
    COMPARE_PIXEL(image, 49, 89, ramp(89));
    COMPARE_PIXEL(image, 49, 109, ramp(109));
}

void TestGraphPainter::allWithoutTime_data()
{
    QTest::addColumn<bool>("ticks");
    QTest::newRow("plain") << false;
    QTest::newRow("with dots") << true;
}

void TestGraphPainter::allWithoutTime()
{
    QFETCH(bool, ticks);
    ScoreHistory h;
    h.TimeTo100s.fill(ScoreHistory::NoTime);
    h.Counter1 = 40;
    GraphOptions options;
    options.ticks = ticks;
    const QImage image = render(h, options, 1);
    // Only grid and background above the baseline: no line, bar, arrow or
    // visible dot (the dots of 800 lie above the canvas).
    for (int y = 5; y < 110; ++y)
        for (int x = 28; x < 626; ++x) {
            const QRgb c = image.pixel(x, y);
            QVERIFY2(c == Background || c == Grid,
                     qPrintable(QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(hex(c))));
        }
    COMPARE_PIXEL(image, 29, 110, Black);
    COMPARE_PIXEL(image, 400, 110, Black);
    // The entry-number labels are drawn: something dark under position 9.
    bool label = false;
    for (int y = 111; y < 120; ++y)
        for (int x = 205; x < 220; ++x)
            label = label || qGray(image.pixel(x, y)) < 128;
    QVERIFY(label);
}

void TestGraphPainter::belowRangeArrow_data()
{
    QTest::addColumn<bool>("color");
    QTest::addColumn<QRgb>("arrow");
    QTest::newRow("colour") << true << Red;
    QTest::newRow("black") << false << Black;
}

void TestGraphPainter::belowRangeArrow()
{
    QFETCH(bool, color);
    QFETCH(QRgb, arrow);
    ScoreHistory h;
    h.TimeTo100s[0] = 300;
    h.TimeTo100s[1] = -240;
    h.Counter1 = 2;
    GraphOptions options;
    options.color = color;
    options.gridChoice = 4;
    const QImage image = render(h, options, 1);
    // The arrow of position 1 (x0 = 0): stem at x 49..50 from row 97 to 108,
    // its shadow two right and one down.
    COMPARE_PIXEL(image, 49, 97, arrow);
    COMPARE_PIXEL(image, 50, 108, arrow);
    COMPARE_PIXEL(image, 45, 104, arrow);
    COMPARE_PIXEL(image, 54, 104, arrow);
    COMPARE_PIXEL(image, 52, 98, PlusShadow);
    COMPARE_PIXEL(image, 49, 96, Background);
    // No bar up to the entry: nothing above the arrow at x 49.
    for (int y = 1; y < 96; ++y)
        COMPARE_PIXEL(image, 49, y, Background);
    // The first entry falls to the baseline with a bar at x 29.
    COMPARE_PIXEL(image, 29, 109, color ? ramp(109) : Black);
}

void TestGraphPainter::noEntries()
{
    const QImage image = render(ScoreHistory{}, GraphOptions{}, 2);
    // Background and grid only: no baseline, no labels.
    COMPARE_PIXEL(image, 110, 110, Grid);
    COMPARE_PIXEL(image, 100, 110, Background);
    for (int y = 1; y < 120; ++y)
        for (int x = 1; x < 30; ++x)
            QVERIFY(image.pixel(x, y) == Background || image.pixel(x, y) == qRgb(255, 255, 255));
}

QTEST_MAIN(TestGraphPainter)
#include "test_graphpainter.moc"
