// The interval vocabulary, the random draw and the tone-row maker.
#include "quiz/Intervals.h"
#include "quiz/ScoreHistory.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <deque>

using namespace intervals;

namespace {
// Plays back a script of draws, then repeats its last value.
RandomSource scripted(std::deque<double> values)
{
    auto queue = std::make_shared<std::deque<double>>(std::move(values));
    return [queue] {
        const double v = queue->front();
        if (queue->size() > 1)
            queue->pop_front();
        return v;
    };
}
// The r that makes trunc(25 r - 12) give v (v != 0).
double drawOf(int v)
{
    return (v + 12 + (v > 0 ? 0.5 : -0.5)) / 25.0;
}
} // namespace

class TestIntervals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void convertBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("+P8") << "+P8" << 12;
        QTest::newRow("+M7") << "+M7" << 11;
        QTest::newRow("+m7 differs by case") << "+m7" << 10;
        QTest::newRow("+tt") << "+tt" << 6;
        QTest::newRow("no answer") << "----" << 100;
        QTest::newRow("-m2") << "-m2" << -1;
        QTest::newRow("-P5") << "-P5" << -7;
        QTest::newRow("-P8") << "-P8" << -12;
        QTest::newRow("no sign") << "M3" << 0;
        QTest::newRow("wrong case") << "+TT" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void convertBack()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(ConvertBackInterval(text.toStdString()), code);
    }

    void namesAndItemsAgree()
    {
        // Every code names itself, its popup item reads that name, and back.
        for (int code = -12; code <= 12; ++code) {
            if (code == 0)
                continue;
            const std::string name = ConvertInterval(code);
            QCOMPARE(ConvertBackInterval(name), code);
            QCOMPARE(itemForCode(code), 12 - code);
            QCOMPARE(itemText(itemForCode(code)), name);
        }
        QCOMPARE(itemText(NoAnswerItem), std::string("----"));
        QCOMPARE(ConvertInterval(4), std::string("+M3"));
        QCOMPARE(ConvertInterval(-6), std::string("-tt"));
        QCOMPARE(itemForCode(-7), 19);
        QCOMPARE(itemForCode(ClearedCode), 0); // a cleared row shows item 0
    }

    void removeflat_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("result");
        for (auto [i, r] : {std::pair{0, 1}, {1, 1}, {4, 4}, {5, 6}, {12, 13}, {29, 30},
                            {2, 3}, {7, 8}, {10, 11}, {16, 16}, {28, 28}})
            QTest::newRow(qPrintable(QString::number(i))) << i << r;
    }
    void removeflat()
    {
        QFETCH(int, index);
        QFETCH(int, result);
        QCOMPARE(intervals::removeflat(index), result);
    }

    void randomDrawTruncatesTowardZero_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("draw");
        QTest::newRow("r 0 gives -12") << 0.0 << -12;
        QTest::newRow("just above 0") << 0.001 << -11;
        QTest::newRow("-0.5 truncates to 0") << 11.5 / 25 << 0;
        QTest::newRow("+0.5 truncates to 0") << 12.5 / 25 << 0;
        QTest::newRow("top") << 0.99999 << 12;
    }
    void randomDrawTruncatesTowardZero()
    {
        QFETCH(double, r);
        QFETCH(int, draw);
        QCOMPARE(randomDraw([r] { return r; }), draw);
    }

    void pickRndSkipsZeroAndUnselected()
    {
        std::array<bool, 12> allowed{};
        allowed[2] = true; // m3 only
        // 0, +5 (not allowed), -3 (allowed)
        auto random = scripted({drawOf(0) + 0.001, drawOf(5), drawOf(-3)});
        QCOMPARE(PickRnd(random, allowed, 1), -3);
        QCOMPARE(PickRnd(scripted({0.9}), allowed, 0), 0); // nothing selected: no draw
    }

    void newRowInvariants()
    {
        QRandomGenerator generator(20261211);
        RandomSource random = [&generator] { return generator.generateDouble(); };
        for (int round = 0; round < 4000; ++round) {
            std::array<bool, 12> allowed{};
            int tally = 0;
            while (tally == 0)
                for (bool &a : allowed)
                    tally += (a = generator.bounded(3) == 0) ? 1 : 0;
            const bool startOnC = generator.bounded(2) == 1;
            const Row row = NewRow(random, allowed, tally, startOnC, 0);
            if (startOnC)
                QCOMPARE(row.NOffset[0], 0);
            QCOMPARE(row.ActualNote[1], 72 + row.NOffset[0]);
            for (int k = 1; k <= 10; ++k) {
                const int code = row.NOffset[k];
                QVERIFY(code != 0);
                QVERIFY2(allowed[std::abs(code) - 1], "interval of an unselected size");
                QCOMPARE(row.ActualNote[k + 1], row.ActualNote[k] + code);
            }
            for (int k = 1; k <= 11; ++k) {
                QVERIFY(row.ActualNote[k] >= 56 && row.ActualNote[k] <= 85);
                QVERIFY(row.ActualNote[k] - 72 >= -16 && row.ActualNote[k] - 72 <= 13);
            }
        }
    }

    void onlyOctavesAlternate()
    {
        std::array<bool, 12> allowed{};
        allowed[11] = true;
        QRandomGenerator generator(7);
        const Row row = NewRow([&] { return generator.generateDouble(); }, allowed, 1, true, 0);
        for (int k = 1; k <= 11; ++k)
            QCOMPARE(row.ActualNote[k], k % 2 ? 72 : 84);
    }

    void startOnCKeepsTheDrawnOffset()
    {
        std::array<bool, 12> allowed{};
        allowed.fill(true);
        const Row row = NewRow(scripted({drawOf(-5), drawOf(2)}), allowed, 12, true, 0);
        QCOMPARE(row.StartOnC, -5);
        QCOMPARE(row.ActualNote[1], 72);
    }

    void highFirstNoteTurnsIntervalsDown()
    {
        std::array<bool, 12> allowed{};
        allowed.fill(true);
        // First note 84 (+12), then +3: 84 + 3 would leave the range.
        const Row row = NewRow(scripted({drawOf(12), drawOf(3)}), allowed, 12, false, 0);
        QCOMPARE(row.ActualNote[1], 84);
        QCOMPARE(row.NOffset[1], -3);
        QCOMPARE(row.ActualNote[2], 81);
    }

    void cheatTextShowsOnlyTheIntervalsInUse()
    {
        Row row;
        row.NOffset = {0, 4, -1, 7, 2, 2, 2, 2, 2, 2, 2, 0, 0};
        QCOMPARE(cheatText(row, 3), std::string("+M3  -m2  +P5  "));
    }

    void formatSec_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("45") << 45 << "45 sec.";
        QTest::newRow("59") << 59 << "59 sec.";
        QTest::newRow("60") << 60 << "1 min.";
        QTest::newRow("61") << 61 << "1.0 min.";
        QTest::newRow("90") << 90 << "1.5 min.";
        QTest::newRow("95") << 95 << "1.5 min.";
        QTest::newRow("120") << 120 << "2 min.";
        QTest::newRow("125") << 125 << "2.0 min.";
        QTest::newRow("600") << 600 << "10 min.";
        QTest::newRow("630") << 630 << "10. min.";
        QTest::newRow("840") << 840 << "14 min.";
    }
    void formatSec()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatSec(seconds)), text);
    }

    void percentRoundsHalvesUp()
    {
        QCOMPARE(percentText(87.5), std::string("88%"));
        QCOMPARE(percentText(62.5), std::string("63%"));
        QCOMPARE(percentText(75), std::string("75%"));
        QCOMPARE(percentText(66.6666667), std::string("67%"));
    }
};

QTEST_GUILESS_MAIN(TestIntervals)
#include "test_intervals.moc"
