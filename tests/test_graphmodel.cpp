// The graph model: shown range, value classes, the entry under the pointer,
// read-out texts and places, and the demonstration history.
#include "stats/GraphModel.h"

#include <QTest>

#include <optional>

using namespace graphmodel;


namespace {

constexpr int None = -1; // "no entry" in the tables

std::optional<int> opt(int v)
{
    return v == None ? std::nullopt : std::optional<int>(v);
}

QString str(const std::optional<std::string> &s)
{
    return s ? QString::fromStdString(*s) : QStringLiteral("<none>");
}

} // namespace

class TestGraphModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shownRange_data();
    void shownRange();
    void entryUnderPointer_data();
    void entryUnderPointer();
    void valueClasses_data();
    void valueClasses();
    void readoutText_data();
    void readoutText();
    void plotGeometry();
    void fillGraph_data();
    void fillGraph();
    void fillGraphKeepsOlderEntries();
    void emptyGraph();
    void readoutPlace_data();
    void readoutPlace();
};

void TestGraphModel::shownRange_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("lastSegment");
    QTest::addColumn<int>("shown");
    QTest::newRow("0") << 0 << 0 << -2 << 0;
    QTest::newRow("1: one entry, no segment") << 1 << 0 << -1 << 1;
    QTest::newRow("2") << 2 << 0 << 0 << 2;
    QTest::newRow("30: all, 29 segments") << 30 << 0 << 28 << 30;
    QTest::newRow("31: the newest 30") << 31 << 1 << 28 << 30;
    QTest::newRow("130") << 130 << 100 << 28 << 30;
}

void TestGraphModel::shownRange()
{
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, lastSegment);
    QFETCH(int, shown);
    const ShownRange range = graphmodel::shownRange(count);
    QCOMPARE(range.empty(), count == 0);
    QCOMPARE(range.shown(), shown);
    if (count > 0) {
        QCOMPARE(range.first, first);
        QCOMPARE(range.lastSegment, lastSegment);
    }
    // Drawing and read-out work the first entry out differently, alike.
    QCOMPARE(readoutFirst(count), first);
}

void TestGraphModel::entryUnderPointer_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("entry");
    QTest::newRow("count 0, x 20") << 0 << 20 << None;
    QTest::newRow("count 0, x 300") << 0 << 300 << None;
    QTest::newRow("count 1, x 19") << 1 << 19 << None;
    QTest::newRow("count 1, x 20") << 1 << 20 << 0;
    QTest::newRow("count 1, x 39") << 1 << 39 << 0;
    QTest::newRow("count 1, x 40") << 1 << 40 << None;
    QTest::newRow("count 30, x 20") << 30 << 20 << 0;
    QTest::newRow("count 30, x 619") << 30 << 619 << 29;
    QTest::newRow("count 31, x 20 shows entry 1") << 31 << 20 << 1;
    QTest::newRow("count 130, x 19") << 130 << 19 << None;
    QTest::newRow("count 130, x 20") << 130 << 20 << 100;
    QTest::newRow("count 130, x 40") << 130 << 40 << 101;
    QTest::newRow("count 130, x 619") << 130 << 619 << 129;
    QTest::newRow("count 130, x 620: position 30") << 130 << 620 << None;
    QTest::newRow("count 130, x 629: position 30") << 130 << 629 << None;
}

void TestGraphModel::entryUnderPointer()
{
    QFETCH(int, count);
    QFETCH(int, x);
    QFETCH(int, entry);
    QCOMPARE(graphmodel::entryUnderPointer(x, count), opt(entry));
}

void TestGraphModel::valueClasses_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<bool>("endBar");
    QTest::addColumn<bool>("belowRange");
    QTest::newRow("800: no time") << 800.0 << true << false << false;
    QTest::newRow("799.5") << 799.5 << false << false << false;
    QTest::newRow("601") << 601.0 << false << false << false;
    QTest::newRow("600.5") << 600.5 << false << true << false;
    QTest::newRow("600") << 600.0 << false << true << false;
    QTest::newRow("0") << 0.0 << false << true << false;
    QTest::newRow("-0.5: empty, yet a bar") << -0.5 << true << true << true;
    QTest::newRow("-1") << -1.0 << true << false << true;
    QTest::newRow("-240") << -240.0 << true << false << true;
}

void TestGraphModel::valueClasses()
{
    QFETCH(double, v);
    QFETCH(bool, empty);
    QFETCH(bool, endBar);
    QFETCH(bool, belowRange);
    QCOMPARE(isEmpty(v), empty);
    QCOMPARE(hasEndBar(v), endBar);
    QCOMPARE(isBelowRange(v), belowRange);
}

void TestGraphModel::readoutText_data()
{
    QTest::addColumn<int>("graph");
    QTest::addColumn<double>("v");
    QTest::addColumn<QString>("text");
    QTest::newRow("555: 45 sec.") << 1 << 555.0 << "45 sec.";
    QTest::newRow("540: 1 min.") << 1 << 540.0 << "1 min.";
    QTest::newRow("510: 1.5 min.") << 3 << 510.0 << "1.5 min.";
    QTest::newRow("475: 2.0 min.") << 1 << 475.0 << "2.0 min.";
    QTest::newRow("590: 10 sec.") << 1 << 590.0 << "10 sec.";
    QTest::newRow("600: 0 sec.") << 3 << 600.0 << "0 sec.";
    QTest::newRow("0: 10 min.") << 1 << 0.0 << "10 min.";
    QTest::newRow("-0.5: no brackets") << 1 << -0.5 << "10 min.";
    QTest::newRow("-30: (10. min.)") << 1 << -30.0 << "(10. min.)";
    QTest::newRow("-240: (14 min.)") << 3 << -240.0 << "(14 min.)";
    QTest::newRow("600.5: 0 sec.") << 1 << 600.5 << "0 sec.";
    QTest::newRow("601: none") << 1 << 601.0 << "<none>";
    QTest::newRow("800: none") << 1 << 800.0 << "<none>";
    QTest::newRow("66.6666667%") << 0 << 66.6666667 << "67%";
    QTest::newRow("56.25%") << 2 << 56.25 << "56%";
    QTest::newRow("100%") << 0 << 100.0 << "100%";
    QTest::newRow("0%") << 2 << 0.0 << "0%";
}

void TestGraphModel::readoutText()
{
    QFETCH(int, graph);
    QFETCH(double, v);
    QFETCH(QString, text);
    QCOMPARE(str(graphmodel::readoutText(graph, v)), text);
}

void TestGraphModel::plotGeometry()
{
    ScoreHistory h;
    QCOMPARE(&series(h, 0), &h.Scores);
    QCOMPARE(&series(h, 1), &h.TimeTo100s);
    QCOMPARE(&series(h, 2), &h.AverageScores);
    QCOMPARE(&series(h, 3), &h.Average100s);
    QCOMPARE(scale(0), 1.0);
    QCOMPARE(scale(2), 1.0);
    // The time scale is the literal 0.1666: 600 is 99.96 high, not 100.
    QCOMPARE(600 * scale(1), 99.96);
    QCOMPARE(scale(3), 0.1666);
    QCOMPARE(positionX(0), 30);
    QCOMPARE(positionX(29), 610);
    QCOMPARE(entryNumberText(129), std::string("130"));
    QCOMPARE(baselineRow(0), 124);
    QCOMPARE(baselineRow(3), 532);
}

void TestGraphModel::fillGraph_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("score");
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("averageScore");
    QTest::addColumn<double>("averageTime");
    QTest::newRow("100") << 100 << 100.0 << -240.0 << 100.0 << -240.0;
    QTest::newRow("102") << 102 << 0.0 << 800.0 << 66.6666667 << 30.0;
    QTest::newRow("107") << 107 << 100.0 << 120.0 << 56.25 << 144.0;
    QTest::newRow("110") << 110 << 25.0 << 800.0 << 43.18181818 << 144.0;
    QTest::newRow("117") << 117 << 100.0 << 325.0 << 51.27777778 << 115.0;
    QTest::newRow("118") << 118 << 100.0 << -240.0 << 53.84210526 << 70.625;
    QTest::newRow("123") << 123 << 100.0 << -240.0 << 49.91666667 << 36.11111111;
    QTest::newRow("125") << 125 << 100.0 << 590.0 << 49.92307692 << 91.5;
    QTest::newRow("128") << 128 << 100.0 << 400.0 << 55.10344828 << 105.7692308;
    QTest::newRow("129") << 129 << 100.0 << 300.0 << 56.6 << 162.5;
}

void TestGraphModel::fillGraph()
{
    QFETCH(int, index);
    QFETCH(double, score);
    QFETCH(double, time);
    QFETCH(double, averageScore);
    QFETCH(double, averageTime);
    ScoreHistory h;
    graphmodel::FillGraph(h);
    QCOMPARE(h.Counter1, 130);
    // Stored as the nearest real to the decimal: exactly equal.
    QVERIFY(h.Scores[index] == score);
    QVERIFY(h.TimeTo100s[index] == time);
    QVERIFY(h.AverageScores[index] == averageScore);
    QVERIFY(h.Average100s[index] == averageTime);
}

void TestGraphModel::fillGraphKeepsOlderEntries()
{
    ScoreHistory h;
    h.Scores[99] = 42;
    h.TimeTo100s[0] = 7;
    h.Scores[130] = 13;
    graphmodel::FillGraph(h);
    QCOMPARE(h.Scores[99], 42.0);
    QCOMPARE(h.TimeTo100s[0], 7.0);
    QCOMPARE(h.Scores[130], 13.0);
    // The shown range is exactly the 30 demonstration entries.
    QCOMPARE(graphmodel::shownRange(h.Counter1).first, 100);
    // Every drawing case occurs among them.
    int noTime = 0, beyondTen = 0, zero = 0, full = 0;
    for (int i = 100; i < 130; ++i) {
        noTime += h.TimeTo100s[i] == 800 ? 1 : 0;
        beyondTen += h.TimeTo100s[i] < 0 ? 1 : 0;
        zero += h.Scores[i] == 0 ? 1 : 0;
        full += h.Scores[i] == 100 ? 1 : 0;
    }
    QCOMPARE(noTime, 16);
    QCOMPARE(beyondTen, 5);
    QCOMPARE(zero, 7);
    QCOMPARE(full, 14);
}

void TestGraphModel::emptyGraph()
{
    ScoreHistory h;
    graphmodel::FillGraph(h);
    graphmodel::EmptyGraph(h);
    QCOMPARE(h.Counter1, 0);
    QCOMPARE(h.Scores[129], 100.0); // the data stays
    QVERIFY(graphmodel::shownRange(h.Counter1).empty());
    QCOMPARE(graphmodel::entryUnderPointer(20, h.Counter1), std::optional<int>());
    QCOMPARE(readoutAt(h, 0, 0).action, Readout::Hide);
}

void TestGraphModel::readoutPlace_data()
{
    QTest::addColumn<int>("graph");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("v");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QRect>("box");  // left, top, width (height unused)
    QTest::addColumn<QPoint>("text_at");
    QTest::addColumn<QLine>("line");
    QTest::addColumn<QPoint>("oval");
    QTest::addColumn<QPoint>("number_at");

    QTest::newRow("graph 2, 50 at position 0")
        << 2 << 1 << 0 << 50.0 << int(Readout::Show) << "50%" << "1" << QRect(73, 322, 33, 0)
        << QPoint(76, 321) << QLine(73, 342, 73, 396) << QPoint(70, 342) << QPoint(68, 397);
    QTest::newRow("graph 1, -240 at position 29: box pulled in")
        << 1 << 30 << 29 << -240.0 << int(Readout::Show) << "(14 min.)" << "30"
        << QRect(618, 228, 69, 0) << QPoint(621, 227) << QLine(653, 256, 653, 260)
        << QPoint(650, 256) << QPoint(648, 261);
    QTest::newRow("graph 0, 100 at position 29: box not moved")
        << 0 << 30 << 29 << 100.0 << int(Readout::Show) << "100%" << "30"
        << QRect(653, 0, 39, 0) << QPoint(656, -1) << QLine(653, 20, 653, 124)
        << QPoint(650, 20) << QPoint(648, 125);
    QTest::newRow("graph 3, 555 at position 3")
        << 3 << 10 << 3 << 555.0 << int(Readout::Show) << "45 sec." << "4"
        << QRect(133, 415, 57, 0) << QPoint(136, 414) << QLine(133, 435, 133, 532)
        << QPoint(130, 435) << QPoint(128, 533);
    QTest::newRow("graph 1, 800 keeps the read-out")
        << 1 << 10 << 3 << 800.0 << int(Readout::Keep) << "" << "" << QRect() << QPoint()
        << QLine() << QPoint() << QPoint();
    QTest::newRow("past the last entry hides it")
        << 0 << 10 << 10 << 50.0 << int(Readout::Hide) << "" << "" << QRect() << QPoint()
        << QLine() << QPoint() << QPoint();
}

void TestGraphModel::readoutPlace()
{
    QFETCH(int, graph);
    QFETCH(int, count);
    QFETCH(int, k);
    QFETCH(double, v);
    QFETCH(int, action);
    ScoreHistory h;
    h.Counter1 = count;
    const_cast<Series &>(series(h, graph))[k] = v;
    const Readout r = readoutAt(h, graph, k);
    QCOMPARE(int(r.action), action);
    if (r.action != Readout::Show)
        return;
    QFETCH(QString, text);
    QFETCH(QString, number);
    QFETCH(QRect, box);
    QFETCH(QPoint, text_at);
    QFETCH(QLine, line);
    QFETCH(QPoint, oval);
    QFETCH(QPoint, number_at);
    QCOMPARE(QString::fromStdString(r.value), text);
    QCOMPARE(QString::fromStdString(r.number), number);
    QCOMPARE(QRect(r.boxLeft, r.boxTop, r.boxWidth, 0), box);
    QCOMPARE(QPoint(r.textLeft, r.textTop), text_at);
    QCOMPARE(QLine(r.lineX, r.lineTop, r.lineX, r.lineBottom), line);
    QCOMPARE(QPoint(r.ovalLeft, r.ovalTop), oval);
    QCOMPARE(QPoint(r.numberLeft, r.numberTop), number_at);
}

QTEST_MAIN(TestGraphModel)
#include "test_graphmodel.moc"
