#include "app/Picture.h"
#include "app/Pictures.h"

#include <QColor>
#include <QPainter>
#include <QResource>
#include <QSet>
#include <QTest>

#include <memory>

namespace {

using Accessor = Picture *(*)();

struct Entry
{
    const char *name;
    Accessor accessor;
};

const Entry kCatalogue[] = {
#define ZARN_ENTRY(name, id, transparent) {#name, &Pics::name},
    ZARN_PICTURES(ZARN_ENTRY)
#undef ZARN_ENTRY
};

Accessor accessorFor(const QByteArray &name)
{
    for (const Entry &e : kCatalogue)
        if (name == e.name)
            return e.accessor;
    return nullptr;
}

int lightness(QRgb pixel)
{
    return qGray(pixel);
}

} // namespace

Q_DECLARE_METATYPE(Accessor)

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    // Runs first, so no other test has touched a picture yet.
    void transparentFromFirstUse_data();
    void transparentFromFirstUse();
    void sameObjectEveryTime_data();
    void sameObjectEveryTime();
    void everyPictureIsItsOwn();
    void flagSetByOneUserIsSeenByAll();
    void sizes_data();
    void sizes();
    void keyboardMatchesKeyTable_data();
    void keyboardMatchesKeyTable();
    void staffBackgrounds_data();
    void staffBackgrounds();
    void selectorsDifferOnlyInTheirZone_data();
    void selectorsDifferOnlyInTheirZone();
    void notesSitOnTheirPosition_data();
    void notesSitOnTheirPosition();
    void signsStandBeforeTheHead();
    void masksCoverTheirPictures_data();
    void masksCoverTheirPictures();
    void cornerMasksRoundTheRightHandCorners();
    void composedHonoursFlagAndMask();
    void highDensityIsSharp();
    void prerenderedSplashMatchesItsSource();
    void drawRendersAtTheDeviceRatio();
    void writtenPixelsAreDrawn();
};

void TestPictures::transparentFromFirstUse_data()
{
    QTest::addColumn<Accessor>("accessor");
    QTest::addColumn<bool>("transparent");
    for (const Entry &e : kCatalogue) {
        const QByteArray name(e.name);
        const bool expected = name == "Flatpic" || name == "NoteDownPic" || name == "NoteUpPic"
                              || name == "SharpPic";
        QTest::newRow(e.name) << e.accessor << expected;
    }
}

void TestPictures::transparentFromFirstUse()
{
    QFETCH(Accessor, accessor);
    QFETCH(bool, transparent);
    Picture *picture = accessor();
    QCOMPARE(picture->transparent(), transparent);
    if (transparent) {
        // white is not drawn from the first draw on
        const QImage shown = picture->composed();
        QCOMPARE(picture->image().pixel(picture->width() - 1, 0), qRgb(255, 255, 255));
        QCOMPARE(qAlpha(shown.pixel(shown.width() - 1, 0)), 0);
    }
}

void TestPictures::sameObjectEveryTime_data()
{
    QTest::addColumn<Accessor>("accessor");
    for (const Entry &e : kCatalogue)
        QTest::newRow(e.name) << e.accessor;
}

void TestPictures::sameObjectEveryTime()
{
    QFETCH(Accessor, accessor);
    Picture *first = accessor();
    QVERIFY(first);
    QVERIFY(!first->image().isNull());
    QCOMPARE(accessor(), first);
}

void TestPictures::everyPictureIsItsOwn()
{
    QSet<Picture *> seen;
    for (const Entry &e : kCatalogue)
        seen.insert(e.accessor());
    QCOMPARE(seen.size(), int(std::size(kCatalogue)));
    QCOMPARE(int(std::size(kCatalogue)), 38);
}

void TestPictures::flagSetByOneUserIsSeenByAll()
{
    // one canvas makes the arrow transparent; every other display sees it
    Picture *byFirstCanvas = Pics::arrow();
    QVERIFY(!byFirstCanvas->transparent());
    QCOMPARE(qAlpha(Pics::arrow()->composed().pixel(0, 0)), 255);
    byFirstCanvas->setTransparent(true);
    QVERIFY(Pics::arrow()->transparent());
    QCOMPARE(qAlpha(Pics::arrow()->composed().pixel(0, 0)), 0);
    QCOMPARE(qAlpha(Pics::arrow()->composed(2.0).pixel(0, 0)), 0);

    Pics::doublearrow4()->setTransparent(true);
    QVERIFY(Pics::doublearrow4()->transparent());
}

void TestPictures::sizes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QSize>("size");
    const struct
    {
        const char *name;
        int w, h;
    } sizes[] = {
        {"smallKBD7", 37, 33},          {"Instructions", 382, 350},
        {"QuestGrey", 32, 32},          {"QuestLight", 32, 32},
        {"QuestLightSEL", 32, 32},      {"Highlightpic", 154, 13},
        {"StatWins", 113, 150},         {"testPractice", 168, 60},
        {"PracticeTest", 168, 61},      {"cheat", 431, 39},
        {"arrow", 25, 15},              {"MouseNum", 264, 68},
        {"Flatpic", 12, 26},            {"NoteDownPic", 11, 37},
        {"NoteUpPic", 11, 37},          {"SharpPic", 16, 30},
        {"doublearrow4", 37, 18},       {"Startup1", 736, 534},
        {"Graphs2h", 690, 620},         {"NewBackground13", 753, 724},
        {"NewBackground21", 753, 538},  {"Keyboard15", 673, 80},
        {"icon64x64", 64, 64},          {"FlatStaff2", 51, 87},
        {"SharpStaff2", 51, 87},        {"cornerbottom7", 10, 10},
        {"cornerwhite6", 10, 10},       {"cornerbottommask4", 10, 10},
        {"cornertopmask5", 10, 10},     {"NoteupPicgrey", 11, 37},
        {"NoteUpPicBlueMask3", 11, 37}, {"NotedownPicgrey2", 11, 37},
        {"NoteDownPicBlueMask", 11, 37}, {"NoteupPicblue3", 11, 37},
        {"NotedownPicblue2", 11, 37},   {"treb7", 22, 87},
        {"treb6mask", 22, 87},          {"NoSharpFlatStaff2", 51, 87},
    };
    QCOMPARE(int(std::size(sizes)), int(std::size(kCatalogue)));
    for (const auto &s : sizes)
        QTest::newRow(s.name) << QByteArray(s.name) << QSize(s.w, s.h);
}

void TestPictures::sizes()
{
    QFETCH(QByteArray, name);
    QFETCH(QSize, size);
    const Accessor accessor = accessorFor(name);
    QVERIFY2(accessor, name.constData());
    QCOMPARE(accessor()->size(), size);
}

void TestPictures::keyboardMatchesKeyTable_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("black");

    // Key ranges within an octave of 109 pixels, keys from x = 4: the upper
    // part (rows up to 48) holds the black keys, the lower part white only.
    const struct
    {
        const char *key;
        int first, last;
        bool black;
    } upper[] = {{"C", 0, 7, false},      {"C#", 8, 18, true},    {"D", 19, 23, false},
                 {"D#", 24, 34, true},    {"E", 35, 45, false},   {"F", 46, 53, false},
                 {"F#", 54, 64, true},    {"G", 65, 70, false},   {"G#", 71, 81, true},
                 {"A", 82, 86, false},    {"A#", 87, 97, true},   {"B", 98, 108, false}},
      lower[] = {{"C", 0, 14, false},  {"D", 15, 29, false}, {"E", 30, 45, false},
                 {"F", 46, 61, false}, {"G", 62, 77, false}, {"A", 78, 92, false},
                 {"B", 93, 108, false}};
    for (int octave : {0, 1, 4}) {
        const int base = 4 + 109 * octave;
        for (const auto &k : upper) {
            const int x = base + (k.first + k.last) / 2;
            QTest::addRow("octave %d %s upper", octave, k.key) << x << 24 << k.black;
            if (k.black) {
                // a press anywhere on the black key's range lands on black
                QTest::addRow("octave %d %s first column", octave, k.key)
                    << base + k.first << 40 << true;
                QTest::addRow("octave %d %s last column", octave, k.key)
                    << base + k.last << 40 << true;
            }
        }
        for (const auto &k : lower)
            QTest::addRow("octave %d %s lower", octave, k.key)
                << base + (k.first + k.last) / 2 << 65 << false;
    }
    // below the black keys the keyboard is white all the way across
    QTest::newRow("under C#") << 4 + 13 << 55 << false;
    QTest::newRow("last C") << 4 + 109 * 6 + 7 << 65 << false;
}

void TestPictures::keyboardMatchesKeyTable()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, black);
    const QImage &keys = Pics::Keyboard15()->image();
    const int l = lightness(keys.pixel(x, y));
    if (black)
        QVERIFY2(l < 80, qPrintable(QStringLiteral("lightness %1").arg(l)));
    else
        QVERIFY2(l > 200, qPrintable(QStringLiteral("lightness %1").arg(l)));
}

void TestPictures::staffBackgrounds_data()
{
    QTest::addColumn<Accessor>("accessor");
    QTest::newRow("NoSharpFlatStaff2") << &Pics::NoSharpFlatStaff2;
    QTest::newRow("SharpStaff2") << &Pics::SharpStaff2;
    QTest::newRow("FlatStaff2") << &Pics::FlatStaff2;
}

void TestPictures::staffBackgrounds()
{
    QFETCH(Accessor, accessor);
    const QImage &staff = accessor()->image();
    for (int y = 12; y <= 76; ++y) {
        const bool line = y >= 28 && y <= 60 && (y - 28) % 8 == 0;
        for (int x = 0; x < 36; ++x) {
            const int l = lightness(staff.pixel(x, y));
            if (line)
                QVERIFY2(l < 80, qPrintable(QStringLiteral("no line at %1,%2").arg(x).arg(y)));
            else
                QVERIFY2(l > 200, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
        }
    }
}

void TestPictures::selectorsDifferOnlyInTheirZone_data()
{
    QTest::addColumn<Accessor>("accessor");
    QTest::addColumn<bool>("upper");
    QTest::newRow("sharp on") << &Pics::SharpStaff2 << true;
    QTest::newRow("flat on") << &Pics::FlatStaff2 << false;
}

void TestPictures::selectorsDifferOnlyInTheirZone()
{
    QFETCH(Accessor, accessor);
    QFETCH(bool, upper);
    const QImage &off = Pics::NoSharpFlatStaff2()->image();
    const QImage &on = accessor()->image();
    int changed = 0;
    for (int y = 0; y < off.height(); ++y)
        for (int x = 0; x < off.width(); ++x) {
            if (off.pixel(x, y) == on.pixel(x, y))
                continue;
            ++changed;
            QVERIFY2(x >= 37 && (upper ? y < 40 : y >= 40),
                     qPrintable(QStringLiteral("%1,%2 changed").arg(x).arg(y)));
        }
    // the switched-on selector is plainly different, not a hair
    QVERIFY(changed > 100);
}

void TestPictures::notesSitOnTheirPosition_data()
{
    QTest::addColumn<Accessor>("accessor");
    QTest::addColumn<int>("headRow");
    QTest::addColumn<bool>("stemBelow");
    // drawn at (18, ys - 5) and (18, ys - 32): the head's centre is row 5
    // or row 32 of the picture, the stem on the other side
    QTest::newRow("NoteUpPic") << &Pics::NoteUpPic << 5 << true;
    QTest::newRow("NoteupPicgrey") << &Pics::NoteupPicgrey << 5 << true;
    QTest::newRow("NoteupPicblue3") << &Pics::NoteupPicblue3 << 5 << true;
    QTest::newRow("NoteDownPic") << &Pics::NoteDownPic << 32 << false;
    QTest::newRow("NotedownPicgrey2") << &Pics::NotedownPicgrey2 << 32 << false;
    QTest::newRow("NotedownPicblue2") << &Pics::NotedownPicblue2 << 32 << false;
}

void TestPictures::notesSitOnTheirPosition()
{
    QFETCH(Accessor, accessor);
    QFETCH(int, headRow);
    QFETCH(bool, stemBelow);
    const QImage &note = accessor()->image();
    const auto inkInRow = [&](int y) {
        int n = 0;
        for (int x = 0; x < note.width(); ++x)
            n += qGray(note.pixel(x, y)) < 200;
        return n;
    };
    int widest = 0;
    for (int y = 1; y < note.height(); ++y)
        if (inkInRow(y) > inkInRow(widest))
            widest = y;
    QVERIFY2(qAbs(widest - headRow) <= 1, qPrintable(QString::number(widest)));
    QVERIFY(inkInRow(headRow) >= 8);
    // a stem three spaces away from the head, none on the far side
    const int stemRow = stemBelow ? headRow + 24 : headRow - 24;
    const int farRow = stemBelow ? headRow - 6 : headRow + 6;
    QCOMPARE(inkInRow(stemRow), 1);
    if (farRow >= 0 && farRow < note.height())
        QCOMPARE(inkInRow(farRow), 0);
}

void TestPictures::signsStandBeforeTheHead()
{
    // Ink bounds of a sign, in the staff's columns once drawn at offset dx.
    const auto inkBounds = [](const QImage &sign, int dx) {
        QRect r;
        for (int y = 0; y < sign.height(); ++y)
            for (int x = 0; x < sign.width(); ++x)
                if (qGray(sign.pixel(x, y)) < 128)
                    r |= QRect(x + dx, y, 1, 1);
        return r;
    };
    // the sharp, drawn at (1, ys - 15), is centred on the head's row and
    // ends before the head, which starts at column 18
    const QRect sharp = inkBounds(Pics::SharpPic()->image(), 1);
    QVERIFY(qAbs((sharp.top() + sharp.bottom()) / 2.0 - 15.5) <= 1.0);
    QVERIFY(sharp.height() >= 20);
    QVERIFY(sharp.right() < 17);
    QVERIFY(sharp.left() >= 2);
    // the flat, drawn at (5, ys - 18): its bowl's point lies a little below
    // the head's centre, its stem rises above it
    const QRect flat = inkBounds(Pics::Flatpic()->image(), 5);
    QVERIFY(flat.bottom() >= 20 && flat.bottom() <= 24);
    QVERIFY(flat.top() <= 6);
    QVERIFY(flat.right() < 17);
}

void TestPictures::masksCoverTheirPictures_data()
{
    QTest::addColumn<Accessor>("picture");
    QTest::addColumn<Accessor>("mask");
    QTest::newRow("NoteUpPic") << &Pics::NoteUpPic << &Pics::NoteUpPicBlueMask3;
    QTest::newRow("NoteupPicgrey") << &Pics::NoteupPicgrey << &Pics::NoteUpPicBlueMask3;
    QTest::newRow("NoteupPicblue3") << &Pics::NoteupPicblue3 << &Pics::NoteUpPicBlueMask3;
    QTest::newRow("NoteDownPic") << &Pics::NoteDownPic << &Pics::NoteDownPicBlueMask;
    QTest::newRow("NotedownPicgrey2") << &Pics::NotedownPicgrey2 << &Pics::NoteDownPicBlueMask;
    QTest::newRow("NotedownPicblue2") << &Pics::NotedownPicblue2 << &Pics::NoteDownPicBlueMask;
    QTest::newRow("treb7") << &Pics::treb7 << &Pics::treb6mask;
}

void TestPictures::masksCoverTheirPictures()
{
    QFETCH(Accessor, picture);
    QFETCH(Accessor, mask);
    const QImage &image = picture()->image();
    const QImage &shape = mask()->image();
    QCOMPARE(shape.size(), image.size());
    // How far a pixel is from white, relative to the picture's full ink
    // (black, grey or blue): 0 untouched, 1 fully inked.
    const auto inkOf = [](QRgb p) { return 255 - qMin(qRed(p), qMin(qGreen(p), qBlue(p))); };
    int full = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            full = qMax(full, inkOf(image.pixel(x, y)));
    QVERIFY(full > 90);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const qreal coverage = qreal(inkOf(image.pixel(x, y))) / full;
            const int m = qGray(shape.pixel(x, y));
            const QString at = QStringLiteral(" at %1,%2").arg(x).arg(y);
            // solid ink is let through; untouched white is kept out; and the
            // mask lets nothing through where the picture has no ink
            if (coverage > 0.9) {
                ++inked;
                QVERIFY2(m < 40, qPrintable(QStringLiteral("mask open") + at));
            }
            if (coverage == 0)
                QVERIFY2(m == 255, qPrintable(QStringLiteral("mask set") + at));
            if (m < 40)
                QVERIFY2(coverage > 0.5, qPrintable(QStringLiteral("no ink under mask") + at));
        }
    QVERIFY(inked > 20);
}

void TestPictures::cornerMasksRoundTheRightHandCorners()
{
    const QImage &top = Pics::cornertopmask5()->image();
    const QImage &bottom = Pics::cornerbottommask4()->image();
    // the very corner lies outside the rounding, the inner side inside
    QCOMPARE(qGray(top.pixel(9, 0)), 255);
    QCOMPARE(qGray(top.pixel(0, 9)), 0);
    QCOMPARE(qGray(top.pixel(0, 0)), 0);
    QCOMPARE(qGray(bottom.pixel(9, 9)), 255);
    QCOMPARE(qGray(bottom.pixel(0, 0)), 0);
    QCOMPARE(qGray(bottom.pixel(0, 9)), 0);
    // and the corner pictures draw the staff's white where the mask is open
    QCOMPARE(Pics::cornerwhite6()->image().pixel(2, 7), qRgb(255, 255, 255));
    QCOMPARE(Pics::cornerbottom7()->image().pixel(2, 2), qRgb(255, 255, 255));
}

void TestPictures::composedHonoursFlagAndMask()
{
    // a picture of its own, so the shared catalogue is left as it is
    Picture grey(Pics::NoteupPicgrey()->image(), QStringLiteral(":/pictures/NoteupPicgrey.svg"));
    QCOMPARE(qAlpha(grey.composed().pixel(10, 30)), 255); // white, no mask yet
    grey.setMask(Pics::NoteUpPicBlueMask3()->image());
    for (qreal ratio : {1.0, 2.0}) {
        const QImage shown = grey.composed(ratio);
        QCOMPARE(shown.size(), grey.size() * ratio);
        QCOMPARE(shown.devicePixelRatio(), ratio);
        // outside the note nothing is drawn, the head is drawn in full grey
        QCOMPARE(qAlpha(shown.pixel(int(10 * ratio), int(30 * ratio))), 0);
        const QRgb head = shown.pixel(int(5 * ratio), int(5.5 * ratio));
        QCOMPARE(qAlpha(head), 255);
        QVERIFY(qAbs(qGray(head) - 155) < 30);
    }

    // a mask made by hand (no artwork behind it) is scaled with the picture:
    // left half drawn, right half not, at half strength in between columns
    QImage halves(Pics::arrow()->size(), QImage::Format_Grayscale8);
    halves.fill(255);
    for (int y = 0; y < halves.height(); ++y)
        for (int x = 0; x < halves.width() / 2; ++x)
            halves.setPixel(x, y, 0);
    Picture arrow(Pics::arrow()->image(), QStringLiteral(":/pictures/arrow.svg"));
    arrow.setMask(halves);
    const QImage shown = arrow.composed(2.0);
    QCOMPARE(shown.size(), QSize(50, 30));
    QCOMPARE(qAlpha(shown.pixel(2, 2)), 255);
    QCOMPARE(qAlpha(shown.pixel(47, 2)), 0);
}

// The build renders the splash ahead; what it renders must be what drawing
// the source gives, and other densities still draw from the source.
void TestPictures::prerenderedSplashMatchesItsSource()
{
    const QString source = QStringLiteral(":/pictures/Startup1.svg");
    // Stored as raw pixels, to be taken without decoding.
    const QResource ready(QStringLiteral(":/prerendered/Startup1.rgb32"));
    QVERIFY(ready.isValid());
    QCOMPARE(ready.compressionAlgorithm(), QResource::NoCompression);
    const std::unique_ptr<Picture> fromSource(Picture::fromSvg(source));
    QVERIFY(fromSource);
    const QImage expected = fromSource->composed(1.0);
    const QImage actual = Pics::Startup1()->composed(1.0);
    QCOMPARE(actual.size(), QSize(736, 534));
    QCOMPARE(actual.convertToFormat(QImage::Format_ARGB32),
             expected.convertToFormat(QImage::Format_ARGB32));
    QVERIFY(Pics::Startup1()->composed(2.0) == fromSource->composed(2.0));
}

void TestPictures::highDensityIsSharp()
{
    const QImage keys = Pics::Keyboard15()->composed(2.0);
    QCOMPARE(keys.size(), QSize(2 * 673, 2 * 80));
    QVERIFY(qGray(keys.pixel(2 * (4 + 13), 2 * 24)) < 80);  // C#
    QVERIFY(qGray(keys.pixel(2 * (4 + 21), 2 * 24)) > 200); // D

    // At three times the density a picture is drawn again from its artwork,
    // mask included, not blown up: the one-pixel stem of a grey note becomes
    // three opaque device columns with nothing beside them, where scaling
    // the 1x pixels would smear it over a fourth and fifth column.
    Picture grey(Pics::NoteupPicgrey()->image(), QStringLiteral(":/pictures/NoteupPicgrey.svg"));
    grey.setMask(Pics::NoteUpPicBlueMask3()->image());
    const QImage note = grey.composed(3.0);
    for (int x = 0; x < 3; ++x)
        QCOMPARE(qAlpha(note.pixel(x, 3 * 25)), 255);
    QCOMPARE(qAlpha(note.pixel(3, 3 * 25)), 0);
    QCOMPARE(qAlpha(note.pixel(4, 3 * 25)), 0);
}

void TestPictures::drawRendersAtTheDeviceRatio()
{
    for (qreal ratio : {1.0, 2.0}) {
        QImage canvas(QSize(30, 40) * ratio, QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::red);
        {
            QPainter painter(&canvas);
            Pics::SharpPic()->draw(painter, 2, 3);
        }
        // the sign's white is not drawn, its ink is
        QCOMPARE(canvas.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(canvas.pixel(int((2 + 15) * ratio), int((3 + 1) * ratio)), qRgb(255, 0, 0));
        int dark = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                dark += qGray(canvas.pixel(x, y)) < 40;
        // ink covers about the same area at either density
        QVERIFY2(dark > 40 * ratio * ratio, qPrintable(QString::number(dark)));
    }
}

void TestPictures::writtenPixelsAreDrawn()
{
    Picture note(Pics::NoteUpPic()->image(), QStringLiteral(":/pictures/NoteUpPic.svg"));
    QCOMPARE(note.composed(2.0).pixel(2 * 10, 2 * 30), qRgba(255, 255, 255, 255));
    note.image().setPixel(10, 30, qRgb(0, 0, 255));
    QCOMPARE(note.composed().pixel(10, 30), qRgb(0, 0, 255));
    // once written to, the pixels are drawn at every density
    const QRgb dense = note.composed(2.0).pixel(2 * 10, 2 * 30);
    QCOMPARE(qBlue(dense), 255);
    QVERIFY(qRed(dense) < 200);
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
