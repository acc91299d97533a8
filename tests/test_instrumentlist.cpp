// The instrument list driven through the window system with real mouse
// events: presses, drags past either end, the scroll bar, the release that
// sets the instrument, and the painted rows.
#define QTEST_QPA_MOUSE_HANDLING
#include "app/Pictures.h"
#include "quiz/InstrumentList.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// A window with the list where the main window has it relative to room
// around it: 170 x 106 at (40, 60), with its own highlight.
struct ListWindow {
    QWidget window;
    InstrumentList *list;
    int highlight = 0;

    ListWindow()
    {
        window.resize(260, 240);
        list = new InstrumentList(&window);
        list->setGeometry(40, 60, 170, 106);
        list->highlight = &highlight;
        list->setDragRepeatInterval(0);
        list->runOpen();
        list->setCurrentRow(0);
    }

    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    QScrollBar *bar() const { return list->verticalScrollBar(); }

    // y in the list of the middle of the k-th visible row (0-based).
    static int visibleRow(int k) { return 2 + 13 * k + 6; }
};

constexpr int RowX = 60;

} // namespace

class TestInstrumentList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void geometry();
    void click_data();
    void click();
    void dragWithin();
    void dragPastTheEnds_data();
    void dragPastTheEnds();
    void dragBesideTheListDoesNothing();
    void scrollBarClick();
    void programSelection();
    void heldDragKeepsScrolling();
    void painting();
};

void TestInstrumentList::rows_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("name");

    QTest::newRow("first") << 1 << "Acoustic Grand Piano";
    QTest::newRow("fourth") << 4 << "Honkytonk Piano";
    QTest::newRow("timpani") << 48 << "Timpani";
    QTest::newRow("ensemble") << 49 << "Acoustic String Ens.";
    QTest::newRow("ampersand") << 88 << "Bass & Lead";
    QTest::newRow("timpani again") << 117 << "Timpani";
    QTest::newRow("last") << 128 << "Gunshot";
}

void TestInstrumentList::rows()
{
    QFETCH(int, program);
    QFETCH(QString, name);

    ListWindow w;
    QCOMPARE(w.list->count(), 128);
    QCOMPARE(InstrumentList::instrumentName(program), name);
    QCOMPARE(w.list->item(program - 1)->text(), QStringLiteral("  ") + name);
}

void TestInstrumentList::geometry()
{
    ListWindow w;
    QVERIFY(w.showActive());
    // Eight whole rows of 13 pixels from y 2, and a 16-pixel scroll bar on
    // the right; the last scroll position shows rows 120..127.
    QCOMPARE(w.list->visualItemRect(w.list->item(0)).height(), 13);
    QCOMPARE(w.list->viewport()->geometry().top(), 2);
    QCOMPARE(w.list->viewport()->height(), 8 * 13);
    QCOMPARE(w.bar()->width(), 16);
    QCOMPARE(w.bar()->mapTo(w.list, QPoint(15, 0)).x(), 169);
    QCOMPARE(w.bar()->maximum(), 120);
    w.bar()->setValue(17);
    QCOMPARE(w.list->indexAt(QPoint(5, 13 * 3 + 6)).row(), 20); // scroll position = top row
}

void TestInstrumentList::click_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("highlight");

    QTest::newRow("fourth visible row") << 0 << ListWindow::visibleRow(3) << 3;
    QTest::newRow("fourth visible row, scrolled") << 10 << ListWindow::visibleRow(3) << 13;
    QTest::newRow("first row") << 0 << ListWindow::visibleRow(0) << 0;
    QTest::newRow("last whole row") << 0 << ListWindow::visibleRow(7) << 7;
    QTest::newRow("row border") << 0 << 2 + 13 << 1;
    QTest::newRow("bottom pixel at the end") << 120 << 105 << 127;
}

void TestInstrumentList::click()
{
    QFETCH(int, scroll);
    QFETCH(int, y);
    QFETCH(int, highlight);

    ListWindow w;
    QVERIFY(w.showActive());
    w.bar()->setValue(scroll);
    QSignalSpy changes(w.list, &InstrumentList::InstrumentChanged);

    QTest::mousePress(w.list, Qt::LeftButton, {}, QPoint(RowX, y));
    QCOMPARE(w.highlight, highlight);
    QCOMPARE(changes.size(), 0); // the instrument changes only at the release
    QTest::mouseRelease(w.list, Qt::LeftButton, {}, QPoint(RowX, y));

    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), highlight + 1);
    QCOMPARE(w.list->currentRow(), 0); // the list's own selection is untouched
    QCOMPARE(w.bar()->value(), scroll);
}

void TestInstrumentList::dragWithin()
{
    ListWindow w;
    QVERIFY(w.showActive());
    QSignalSpy changes(w.list, &InstrumentList::InstrumentChanged);

    QTest::mousePress(w.list, Qt::LeftButton, {}, QPoint(RowX, ListWindow::visibleRow(1)));
    QTest::mouseMove(w.list, QPoint(RowX, ListWindow::visibleRow(5)));
    QCOMPARE(w.highlight, 5);
    QTest::mouseMove(w.list, QPoint(RowX + 20, ListWindow::visibleRow(2)));
    QCOMPARE(w.highlight, 2);
    QCOMPARE(changes.size(), 0);
    QTest::mouseRelease(w.list, Qt::LeftButton, {}, QPoint(RowX + 20, ListWindow::visibleRow(2)));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), 3);
}

void TestInstrumentList::dragPastTheEnds_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("y"); // where the drag events happen, in list coordinates
    QTest::addColumn<int>("drags");
    QTest::addColumn<int>("scrollAfter");
    QTest::addColumn<int>("highlight");

    QTest::newRow("above: one row per drag") << 10 << -6 << 3 << 7 << 7;
    QTest::newRow("above: stops at the top") << 2 << -6 << 5 << 0 << 0;
    QTest::newRow("below: one row per drag") << 0 << 115 << 3 << 3 << 10;
    QTest::newRow("below: stays on the last row") << 118 << 115 << 5 << 120 << 127;
    QTest::newRow("y exactly 0: nothing") << 10 << 0 << 3 << 10 << 11;
    QTest::newRow("y exactly the height: nothing") << 10 << 106 << 3 << 10 << 11;
}

void TestInstrumentList::dragPastTheEnds()
{
    QFETCH(int, scroll);
    QFETCH(int, y);
    QFETCH(int, drags);
    QFETCH(int, scrollAfter);
    QFETCH(int, highlight);

    ListWindow w;
    QVERIFY(w.showActive());
    w.bar()->setValue(scroll);
    QSignalSpy changes(w.list, &InstrumentList::InstrumentChanged);

    QTest::mousePress(w.list, Qt::LeftButton, {}, QPoint(RowX, ListWindow::visibleRow(1)));
    QCOMPARE(w.highlight, scroll + 1);
    QPoint at;
    for (int i = 0; i < drags; ++i) {
        at = QPoint(RowX + i, y);
        QTest::mouseMove(w.list, at);
    }
    QCOMPARE(w.bar()->value(), scrollAfter);
    QCOMPARE(w.highlight, highlight);
    QCOMPARE(changes.size(), 0);

    QTest::mouseRelease(w.list, Qt::LeftButton, {}, at);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), highlight + 1);
}

void TestInstrumentList::dragBesideTheListDoesNothing()
{
    ListWindow w;
    QVERIFY(w.showActive());
    w.bar()->setValue(10);
    QTest::mousePress(w.list, Qt::LeftButton, {}, QPoint(RowX, ListWindow::visibleRow(2)));
    for (const QPoint p : {QPoint(-5, -10), QPoint(0, 130), QPoint(170, -10), QPoint(190, 50)})
        QTest::mouseMove(w.list, p);
    QCOMPARE(w.bar()->value(), 10);
    QCOMPARE(w.highlight, 12);
    QTest::mouseRelease(w.list, Qt::LeftButton, {}, QPoint(190, 50));
}

void TestInstrumentList::scrollBarClick()
{
    ListWindow w;
    QVERIFY(w.showActive());
    w.highlight = 2;
    QSignalSpy changes(w.list, &InstrumentList::InstrumentChanged);

    QTest::mouseClick(w.list, Qt::LeftButton, {}, QPoint(170 - 8, 80)); // trough below the handle
    QVERIFY(w.bar()->value() > 0);
    QCOMPARE(w.highlight, 2);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(w.list->currentRow(), 0);
}

void TestInstrumentList::programSelection()
{
    ListWindow w;
    QSignalSpy changes(w.list, &InstrumentList::InstrumentChanged);
    w.list->setCurrentRow(40);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), 41);
    QCOMPARE(w.highlight, 0); // the highlight is the window's, not the selection
}

void TestInstrumentList::heldDragKeepsScrolling()
{
    // Holding the pointer below the list goes on scrolling, one row per
    // repeated drag step, and stops with the release.
    ListWindow w;
    w.list->setDragRepeatInterval(10);
    QVERIFY(w.showActive());
    QTest::mousePress(w.list, Qt::LeftButton, {}, QPoint(RowX, ListWindow::visibleRow(0)));
    QTest::mouseMove(w.list, QPoint(RowX, 120));
    QTRY_VERIFY(w.bar()->value() >= 4);
    QCOMPARE(w.highlight, w.bar()->value() + 7);
    QTest::mouseRelease(w.list, Qt::LeftButton, {}, QPoint(RowX, 120));
    const int stopped = w.bar()->value();
    QTest::qWait(60);
    QCOMPARE(w.bar()->value(), stopped);
}

void TestInstrumentList::painting()
{
    ListWindow w;
    QVERIFY(w.showActive());
    w.highlight = 3;
    w.list->setCurrentRow(5); // selected, but the selection never shows
    w.list->viewport()->update();
    QCoreApplication::processEvents();
    const QImage image = w.list->grab().toImage().convertToFormat(QImage::Format_RGB32);

    const QRgb cell = qRgb(0xBC, 0xC8, 0xF6);
    const auto rowPixel = [&](int row, int x) {
        return image.pixel(x, ListWindow::visibleRow(row) - 5) & 0xFFFFFF;
    };
    // Right of the text, inside the 154-pixel cell: the plain row colour.
    QCOMPARE(rowPixel(0, 150) | 0xFF000000, cell);
    QCOMPARE(rowPixel(5, 150) | 0xFF000000, cell);
    QCOMPARE(rowPixel(7, 150) | 0xFF000000, cell);

    // The highlighted row shows the highlight picture scaled over the cell:
    // its rows, top to bottom, whatever the selection colour.
    const QImage picture = Pics::Highlightpic()->composed();
    QCOMPARE(picture.height(), 13);
    for (int dy = 0; dy < 13; ++dy) {
        const int y = 2 + 13 * 3 + dy;
        QCOMPARE(image.pixel(150, y) & 0xFFFFFF, picture.pixel(100, dy) & 0xFFFFFF);
    }
    QVERIFY(rowPixel(3, 150) != (cell & 0xFFFFFF));

    // Black text on every row.
    for (int row : {0, 3, 5}) {
        bool black = false;
        for (int x = 1; x < 100 && !black; ++x)
            for (int y = 2 + 13 * row; y < 2 + 13 * row + 13 && !black; ++y)
                black = qGray(image.pixel(x, y)) < 60;
        QVERIFY2(black, qPrintable(QStringLiteral("row %1").arg(row)));
    }
}

QTEST_MAIN(TestInstrumentList)
#include "test_instrumentlist.moc"
