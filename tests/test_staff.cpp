#include "app/Pictures.h"
#include "staff/StaffClass1.h"
#include "staff/StaffGeometry.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QString pictureName(const Picture *picture)
{
    if (picture == Pics::SharpStaff2())
        return QStringLiteral("SharpStaff2");
    if (picture == Pics::FlatStaff2())
        return QStringLiteral("FlatStaff2");
    if (picture == Pics::NoSharpFlatStaff2())
        return QStringLiteral("NoSharpFlatStaff2");
    return QStringLiteral("other");
}

bool isBlack(QRgb c)
{
    return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60;
}

bool isWhite(QRgb c)
{
    return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
}

// A staff as the window holds it: a member of the array, opened, 51 x 87.
struct Staff
{
    explicit Staff(int index = 3)
    {
        staff = std::make_unique<StaffMember>(index, nullptr);
        staff->resize(51, 87);
        staff->runOpen();
        staff->show();
    }

    QImage grab() const { return staff->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void press(int x, int y) { QTest::mousePress(staff.get(), Qt::LeftButton, {}, QPoint(x, y)); }
    void release(int x, int y) { QTest::mouseRelease(staff.get(), Qt::LeftButton, {}, QPoint(x, y)); }
    void click(int x, int y)
    {
        press(x, y);
        release(x, y);
    }
    // A move with the button held down, as while dragging.
    void dragTo(int x, int y)
    {
        const QPointF local(x, y);
        QMouseEvent move(QEvent::MouseMove, local, staff->mapToGlobal(local), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(staff.get(), &move);
    }

    std::unique_ptr<StaffMember> staff;
};

// Counts the paint events a widget receives.
struct PaintCounter : QObject
{
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
    int count = 0;
};

} // namespace

class TestStaff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyNoteIndex_data();
    void everyNoteIndex();
    void readingPositions_data();
    void readingPositions();
    void greyGuideNote();
    void ledgerLines_data();
    void ledgerLines();
    void selectorClicks_data();
    void selectorClicks();
    void dragging_data();
    void dragging();
    void pressInStaffZone_data();
    void pressInStaffZone();
    void roundedCornersOnLastStaff();
    void goldenImages_data();
    void goldenImages();
};

void TestStaff::everyNoteIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("acci");
    QTest::addColumn<QString>("background");

    struct Row
    {
        const char *name;
        int y;
        int acci;
    };
    // Written out by hand from the staff positions: A3 at 76 up to C6 at 12.
    const Row rows[30] = {
        {"Ab3", 76, -1}, {"A3", 76, 0},  {"Bb3", 72, -1}, {"B3", 72, 0},  {"C4", 68, 0},
        {"Db4", 64, -1}, {"D4", 64, 0},  {"Eb4", 60, -1}, {"E4", 60, 0},  {"F4", 56, 0},
        {"Gb4", 52, -1}, {"G4", 52, 0},  {"Ab4", 48, -1}, {"A4", 48, 0},  {"Bb4", 44, -1},
        {"B4", 44, 0},   {"C5", 40, 0},  {"Db5", 36, -1}, {"D5", 36, 0},  {"Eb5", 32, -1},
        {"E5", 32, 0},   {"F5", 28, 0},  {"Gb5", 24, -1}, {"G5", 24, 0},  {"Ab5", 20, -1},
        {"A5", 20, 0},   {"Bb5", 16, -1}, {"B5", 16, 0},  {"C6", 12, 0},  {"C#6", 12, 1},
    };
    for (int i = 0; i < 30; ++i) {
        const QString background = rows[i].acci > 0   ? QStringLiteral("SharpStaff2")
                                   : rows[i].acci < 0 ? QStringLiteral("FlatStaff2")
                                                      : QStringLiteral("NoSharpFlatStaff2");
        QTest::addRow("%d %s", i, rows[i].name) << i << rows[i].y << rows[i].acci << background;
    }
}

void TestStaff::everyNoteIndex()
{
    QFETCH(int, index);
    QFETCH(int, y);
    QFETCH(int, acci);
    QFETCH(QString, background);

    Staff s;
    QCOMPARE(s.staff->NotetoMap(index), y);
    QCOMPARE(s.staff->acci, acci);
    QCOMPARE(pictureName(s.staff->p), background);

    // Set by the program, then read back the way a release reads it.
    QSignalSpy changed(s.staff.get(), &StaffClass1::changed);
    s.staff->setlistindex(-1); // something else first
    s.staff->setlistindex(index);
    QCOMPARE(s.staff->noteColor, 0);
    QCOMPARE(s.staff->LastY, y);
    QCOMPARE(s.staff->LastDrawY, y);
    QCOMPARE(s.staff->LastDrawX, 25);
    QCOMPARE(s.staff->indexi, index);
    QCOMPARE(s.staff->mapnote(), index);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(0).toInt(), 3);

    // A press and release on the note's own position commits the same index.
    s.click(25, y);
    QCOMPARE(s.staff->indexi, index);
    QCOMPARE(changed.count(), 3);
}

void TestStaff::readingPositions_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("acci");
    QTest::addColumn<int>("index");

    QTest::newRow("A3 flat is the lowest index") << 76 << -1 << 0;
    QTest::newRow("C6 sharp is the highest index") << 12 << 1 << 29;
    QTest::newRow("B3 sharp is C4") << 72 << 1 << 4;
    QTest::newRow("C4") << 68 << 0 << 4;
    QTest::newRow("C4 flat is B3") << 68 << -1 << 3;
    QTest::newRow("E4 sharp is F4") << 60 << 1 << 9;
    QTest::newRow("F5 flat is E5") << 28 << -1 << 20;
    QTest::newRow("G5 sharp is Ab5") << 24 << 1 << 24;
}

void TestStaff::readingPositions()
{
    QFETCH(int, y);
    QFETCH(int, acci);
    QFETCH(int, index);
    QCOMPARE(staffgeometry::indexOf(y, acci), index);
    // every height within a staff degree reads as that degree
    for (int dy = 0; dy < 4; ++dy)
        QCOMPARE(staffgeometry::indexOf(staffgeometry::staffPosition(y + dy), acci), index);
}

void TestStaff::greyGuideNote()
{
    Staff s;
    QSignalSpy changed(s.staff.get(), &StaffClass1::changed);
    s.staff->setlistindex(-16); // the cleared state
    QCOMPARE(s.staff->noteColor, 1);
    QCOMPARE(s.staff->LastDrawY, 40);
    QCOMPARE(s.staff->acci, 0);
    QCOMPARE(pictureName(s.staff->p), QStringLiteral("NoSharpFlatStaff2"));
    QCOMPARE(s.staff->indexi, 16);
    QCOMPARE(changed.count(), 1);

    // The head of an upper-half note sits on its position: grey, not black.
    const QRgb grey = s.grab().pixel(23, 40);
    QVERIFY2(!isBlack(grey) && !isWhite(grey), qPrintable(QString::number(grey, 16)));

    // The program keeps the colour when it moves the note with SetListIndexGrex.
    s.staff->SetListIndexGrex(20);
    QCOMPARE(s.staff->noteColor, 1);
    QCOMPARE(s.staff->LastDrawY, 32);

    // The student's first press on the staff turns it black.
    s.click(25, 44);
    QCOMPARE(s.staff->noteColor, 0);
    QVERIFY(isBlack(s.grab().pixel(23, 44)));
}

void TestStaff::ledgerLines_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("lines"); // rows drawn black at x 29..32

    QTest::newRow("Ab3 below the staff") << 0 << QList<int>{75, 67};
    QTest::newRow("B3") << 3 << QList<int>{67};
    QTest::newRow("C4") << 4 << QList<int>{67};
    QTest::newRow("D4 under the staff needs none") << 6 << QList<int>{};
    QTest::newRow("C5 in the staff needs none") << 16 << QList<int>{};
    QTest::newRow("G5 over the staff needs none") << 23 << QList<int>{};
    QTest::newRow("A5") << 25 << QList<int>{19};
    QTest::newRow("B5") << 27 << QList<int>{19};
    QTest::newRow("C#6 at the top") << 29 << QList<int>{11, 19};
}

void TestStaff::ledgerLines()
{
    QFETCH(int, index);
    QFETCH(QList<int>, lines);

    Staff s;
    s.staff->setlistindex(index);
    const QImage image = s.grab();
    // Rows that could carry a ledger line, outside the five staff lines.
    for (int row : {11, 19, 67, 75}) {
        const bool expected = lines.contains(row);
        for (int x : {29, 31, 32})
            QVERIFY2(isBlack(image.pixel(x, row)) == expected,
                     qPrintable(QStringLiteral("row %1 x %2").arg(row).arg(x)));
        // one pixel high and ending at x 32
        QVERIFY(isWhite(image.pixel(33, row)));
        if (expected) {
            QVERIFY(!isBlack(image.pixel(31, row - 1)));
            QVERIFY(!isBlack(image.pixel(31, row + 1)));
        }
    }
}

void TestStaff::selectorClicks_data()
{
    QTest::addColumn<QList<QPoint>>("clicks");
    QTest::addColumn<int>("acci");
    QTest::addColumn<QString>("background");

    const QPoint sharp(44, 20);
    const QPoint flat(44, 60);
    QTest::newRow("sharp") << QList<QPoint>{sharp} << 1 << QStringLiteral("SharpStaff2");
    QTest::newRow("sharp twice") << QList<QPoint>{sharp, sharp} << 0 << QStringLiteral("NoSharpFlatStaff2");
    QTest::newRow("flat") << QList<QPoint>{flat} << -1 << QStringLiteral("FlatStaff2");
    QTest::newRow("flat twice") << QList<QPoint>{flat, flat} << 0 << QStringLiteral("NoSharpFlatStaff2");
    QTest::newRow("flat while sharp") << QList<QPoint>{sharp, flat} << -1 << QStringLiteral("FlatStaff2");
    QTest::newRow("sharp while flat") << QList<QPoint>{flat, sharp} << 1 << QStringLiteral("SharpStaff2");
    QTest::newRow("edge of the sharp selector")
        << QList<QPoint>{QPoint(37, 39)} << 1 << QStringLiteral("SharpStaff2");
    QTest::newRow("edge of the flat selector")
        << QList<QPoint>{QPoint(37, 40)} << -1 << QStringLiteral("FlatStaff2");
    QTest::newRow("x 36 is still the staff")
        << QList<QPoint>{QPoint(36, 20)} << 0 << QStringLiteral("NoSharpFlatStaff2");
}

void TestStaff::selectorClicks()
{
    QFETCH(QList<QPoint>, clicks);
    QFETCH(int, acci);
    QFETCH(QString, background);

    for (int natural : {1, 4, 16, 27}) { // A3, C4, C5, B5
        Staff s;
        s.staff->setlistindex(-natural);
        const int y = s.staff->LastY;
        QSignalSpy changed(s.staff.get(), &StaffClass1::changed);
        for (const QPoint &at : clicks) {
            s.press(at.x(), at.y());
            QCOMPARE(s.staff->noteColor, 0);
            QCOMPARE(changed.count(), 0); // nothing is reported before the release
            s.release(at.x(), at.y());
            QCOMPARE(changed.count(), 1);
            if (at.x() >= 37) {
                QCOMPARE(s.staff->LastY, y); // the position stays
                QCOMPARE(s.staff->indexi, natural + s.staff->acci);
            } else {
                QCOMPARE(s.staff->LastY, staffgeometry::staffPosition(at.y()));
            }
            changed.clear();
        }
        QCOMPARE(s.staff->acci, acci);
        QCOMPARE(pictureName(s.staff->p), background);
        QCOMPARE(s.staff->indexi, s.staff->mapnote());
    }
}

void TestStaff::dragging_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<int>("drawY");
    QTest::addColumn<int>("staffY");
    QTest::addColumn<int>("index");

    QTest::newRow("down a degree") << QPoint(25, 40) << QList<QPoint>{{25, 45}} << 45 << 44 << 15;
    QTest::newRow("up to C6 and beyond")
        << QPoint(25, 40) << QList<QPoint>{{25, 20}, {25, 4}, {20, -30}} << 12 << 12 << 28;
    QTest::newRow("down past the bottom")
        << QPoint(25, 40) << QList<QPoint>{{25, 70}, {25, 86}, {10, 200}} << 76 << 76 << 1;
    QTest::newRow("left of the control still drags")
        << QPoint(25, 40) << QList<QPoint>{{-40, 57}} << 57 << 56 << 9;
    QTest::newRow("over the selectors nothing moves")
        << QPoint(25, 40) << QList<QPoint>{{40, 70}, {60, 12}} << 40 << 40 << 16;
    QTest::newRow("back into the staff")
        << QPoint(25, 40) << QList<QPoint>{{40, 70}, {30, 64}} << 64 << 64 << 6;
    QTest::newRow("from a press on a selector")
        << QPoint(44, 60) << QList<QPoint>{{30, 24}} << 24 << 24 << 22; // G5 flat
}

void TestStaff::dragging()
{
    QFETCH(QPoint, pressAt);
    QFETCH(QList<QPoint>, moves);
    QFETCH(int, drawY);
    QFETCH(int, staffY);
    QFETCH(int, index);

    Staff s;
    s.staff->setlistindex(16);
    QSignalSpy changed(s.staff.get(), &StaffClass1::changed);
    s.press(pressAt.x(), pressAt.y());
    for (const QPoint &at : moves)
        s.dragTo(at.x(), at.y());
    QCOMPARE(s.staff->LastDrawY, drawY);
    QCOMPARE(s.staff->LastY, staffY);
    QCOMPARE(changed.count(), 0); // the note follows, only the release commits it
    QCOMPARE(s.staff->indexi, 16);
    const QPoint last = moves.last();
    s.release(last.x(), last.y());
    QCOMPARE(s.staff->indexi, index);
    QCOMPARE(changed.count(), 1);
}

void TestStaff::pressInStaffZone_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("drawY"); // -1: the note stays where it was

    QTest::newRow("above the top") << 11 << -1;
    QTest::newRow("at the top edge") << 0 << -1;
    QTest::newRow("top position") << 12 << 12;
    QTest::newRow("lowest press") << 78 << 76;
    QTest::newRow("below the lowest press") << 79 << -1;
    QTest::newRow("bottom edge") << 86 << -1;
}

void TestStaff::pressInStaffZone()
{
    QFETCH(int, y);
    QFETCH(int, drawY);

    Staff s;
    s.staff->setlistindex(-16); // grey C5
    const QImage before = s.grab();
    QVERIFY(QTest::qWaitForWindowExposed(s.staff.get()));
    QCoreApplication::processEvents();
    PaintCounter paints(s.staff.get());
    QSignalSpy changed(s.staff.get(), &StaffClass1::changed);
    s.press(20, y);
    QCOMPARE(s.staff->noteColor, 0);
    QCOMPARE(s.staff->LastDrawY, drawY < 0 ? 40 : drawY);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count > 0, drawY >= 0); // a press that moves nothing asks for no repaint
    s.release(20, y);
    // the release commits and notifies even when nothing moved
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toInt(), 3);
    QCOMPARE(s.staff->indexi, drawY < 0 ? 16 : staffgeometry::indexOf(drawY, 0));
    if (drawY < 0) {
        // shown black from the next repaint on, at the same place
        const QImage after = s.grab();
        QVERIFY(!isBlack(before.pixel(23, 40)));
        QVERIFY(isBlack(after.pixel(23, 40)));
    }
}

namespace {

// The corner pixels that the corner pictures leave uncovered: there the
// window's backdrop under the control must show.
QList<QPoint> uncoveredCornerPixels()
{
    QList<QPoint> points;
    const QImage top = Pics::cornertopmask5()->image();
    const QImage bottom = Pics::cornerbottommask4()->image();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            if (qGray(top.pixel(x, y)) > 250)
                points << QPoint(41 + x, y);
            if (qGray(bottom.pixel(x, y)) > 250)
                points << QPoint(41 + x, 77 + y);
        }
    return points;
}

bool nearColour(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 3 && qAbs(qGreen(a) - qGreen(b)) <= 3
           && qAbs(qBlue(a) - qBlue(b)) <= 3;
}

} // namespace

void TestStaff::roundedCornersOnLastStaff()
{
    const QImage backdrop =
        Pics::NewBackground13()->composed(1.0).convertToFormat(QImage::Format_RGB32);
    const QImage plain =
        Pics::NoSharpFlatStaff2()->composed(1.0).convertToFormat(QImage::Format_RGB32);
    const QList<QPoint> uncovered = uncoveredCornerPixels();
    QVERIFY(uncovered.contains(QPoint(50, 0)));
    QVERIFY(uncovered.contains(QPoint(50, 86)));

    // Besides two staves where the window puts them, two where the backdrop
    // changes within the upper or the lower corner, so that a square copied
    // from a spot one pixel off shows.
    auto findVaried = [&](bool upper) {
        for (int top = 0; top + 87 <= backdrop.height(); ++top)
            for (int left = 0; left + 51 <= backdrop.width(); ++left) {
                const QPoint at(left, top);
                bool everyShiftShows = true;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    bool shows = false;
                    for (const QPoint &p : uncovered)
                        if ((p.y() < 40) == upper && backdrop.rect().contains(at + p + d)
                            && !nearColour(backdrop.pixel(at + p), backdrop.pixel(at + p + d)))
                            shows = true;
                    everyShiftShows = everyShiftShows && shows;
                }
                if (everyShiftShows)
                    return at;
            }
        return QPoint(-1, -1);
    };
    const QPoint upperVaried = findVaried(true);
    const QPoint lowerVaried = findVaried(false);
    QVERIFY2(upperVaried.x() >= 0 && lowerVaried.x() >= 0, "no place where the backdrop changes");

    QWidget content;
    content.resize(753, 724);
    int numInts = 1;
    StaffMember first(0, &content);
    StaffMember second(1, &content);
    StaffMember third(2, &content);
    StaffMember fourth(3, &content);
    first.setGeometry(40, 315, 51, 87);
    second.setGeometry(104, 315, 51, 87);
    third.setGeometry(upperVaried.x(), upperVaried.y(), 51, 87);
    fourth.setGeometry(lowerVaried.x(), lowerVaried.y(), 51, 87);
    for (StaffMember *staff : {&first, &second, &third, &fourth}) {
        staff->numIntsSource = [&numInts] { return numInts; };
        staff->runOpen();
        staff->setlistindex(16);
    }

    auto hasCorners = [&](StaffMember &staff) {
        const QImage image = staff.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint at = staff.pos();
        for (const QPoint &p : uncovered)
            if (!nearColour(image.pixel(p), backdrop.pixel(at + p)))
                return false;
        // the inner part of each corner stays white
        return isWhite(image.pixel(44, 4)) && isWhite(image.pixel(44, 82));
    };
    auto plainCorners = [&](StaffMember &staff) {
        const QImage image = staff.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QPoint &p : uncovered)
            if (image.pixel(p) != plain.pixel(p))
                return false;
        return true;
    };
    // The test needs a backdrop that differs from the staff's own corner.
    QVERIFY(!nearColour(backdrop.pixel(154, 315), plain.pixel(50, 0)));

    QVERIFY(hasCorners(second));
    QVERIFY(plainCorners(first));
    QVERIFY(plainCorners(third));
    numInts = 0;
    QVERIFY(hasCorners(first));
    QVERIFY(plainCorners(second));
    numInts = 2;
    QVERIFY(hasCorners(third));
    QVERIFY(plainCorners(first));
    numInts = 3;
    QVERIFY(hasCorners(fourth));
    QVERIFY(plainCorners(third));
    numInts = 5;
    for (StaffMember *staff : {&first, &second, &third, &fourth})
        QVERIFY(plainCorners(*staff));
}

void TestStaff::goldenImages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("setIndexes");
    QTest::addColumn<QList<QPoint>>("clicks");
    QTest::addColumn<bool>("last");

    QTest::newRow("sharp") << QStringLiteral("staff_sharp") << QList<int>{16}
                           << QList<QPoint>{{44, 20}} << false;
    QTest::newRow("flat") << QStringLiteral("staff_flat") << QList<int>{7} << QList<QPoint>{} << false;
    QTest::newRow("grey guide") << QStringLiteral("staff_grey") << QList<int>{-16} << QList<QPoint>{}
                                << false;
    QTest::newRow("top with ledger lines")
        << QStringLiteral("staff_top") << QList<int>{29} << QList<QPoint>{} << false;
    QTest::newRow("last of the row")
        << QStringLiteral("staff_last") << QList<int>{0} << QList<QPoint>{} << true;
}

void TestStaff::goldenImages()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, setIndexes);
    QFETCH(QList<QPoint>, clicks);
    QFETCH(bool, last);

    QWidget content;
    content.resize(753, 724);
    StaffMember staff(2, &content);
    staff.setGeometry(168, 315, 51, 87);
    staff.numIntsSource = [last] { return last ? 2 : 5; };
    staff.runOpen();
    content.show();
    for (int n : setIndexes)
        staff.setlistindex(n);
    for (const QPoint &at : clicks)
        QTest::mouseClick(&staff, Qt::LeftButton, {}, at);

    QPixmap pixmap = staff.grab();
    QCOMPARE(pixmap.devicePixelRatio(), 1.0);
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QStringLiteral(ZARN_TEST_DATA "/golden/%1.png").arg(name);

    if (qEnvironmentVariableIntValue("ZARN_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QStringLiteral(ZARN_TEST_DATA "/golden"));
        QVERIFY(image.save(path));
        qInfo("rewrote %s", qPrintable(path));
        return;
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(path + QStringLiteral(" is missing; make it with ZARN_UPDATE_GOLDEN=1")));
    QCOMPARE(image.size(), expected.size());
    int worst = 0;
    QPoint worstAt;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            const int d = std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                                    qAbs(qBlue(a) - qBlue(b))});
            if (d > worst) {
                worst = d;
                worstAt = QPoint(x, y);
            }
        }
    if (worst > 12) {
        const QString actualPath = QDir::temp().filePath(name + QStringLiteral("_actual.png"));
        image.save(actualPath);
        QFAIL(qPrintable(QStringLiteral("%1 differs by %2 at (%3, %4); drawn: %5")
                             .arg(path)
                             .arg(worst)
                             .arg(worstAt.x())
                             .arg(worstAt.y())
                             .arg(actualPath)));
    }
}

QTEST_MAIN(TestStaff)
#include "test_staff.moc"
