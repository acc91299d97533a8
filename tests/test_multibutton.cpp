// The segmented multi-button driven through the window system with real
// mouse events: layout, symbols, clicks, enabling and the drawn look.
#define QTEST_QPA_MOUSE_HANDLING
#include "controls/cSquareMultiButton.h"

#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

using Rgb = std::tuple<int, int, int>;

// Counts the paints a widget receives (what a redraw leads to).
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A window holding one bar at (10, 20), opened with the given captions and
// made the active window.
struct BarWindow {
    QWidget window;
    cSquareMultiButton *bar;

    BarWindow(int width, const QStringList &captions, int designHeight = 20)
    {
        window.resize(width + 40, 60);
        bar = new cSquareMultiButton(&window);
        bar->setGeometry(10, 20, width, designHeight);
        QObject::connect(bar, &cSquareMultiButton::Open, bar, [this, captions] {
            for (const QString &c : captions)
                bar->Additem(c);
        });
        bar->runOpen();
    }

    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // A point inside item i, in bar coordinates.
    QPoint inside(int i, int y = 10) const
    {
        return {bar->iButtonLeft[i] + bar->iButtonWidth[i] / 2, y};
    }
};

Rgb rgbAt(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return {qRed(p), qGreen(p), qBlue(p)};
}

QImage grabBar(cSquareMultiButton *bar)
{
    return bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString goldenPath(const QString &name)
{
    return QStringLiteral(ZARN_TEST_DATA "/golden/%1").arg(name);
}

} // namespace

class TestMultiButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void captionCentredInSingleItem();
    void symbols_data();
    void symbols();
    void itemWithPictureKeepsIt();
    void itemListsStayParallel();
    void click_data();
    void click();
    void disabledItemTogglesSilently();
    void pressTakenByWindow();
    void moveReportsPointer();
    void redrawRules_data();
    void redrawRules();
    void bevelGradient_data();
    void bevelGradient();
    void washedOut();
    void golden();
};

void TestMultiButton::layout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<QList<int>>("widths");

    QTest::newRow("one item fills 109") << 109 << QStringList{QStringLiteral("Notes Only")}
                                        << QList<int>{0} << QList<int>{109};
    QTest::newRow("three items share 100") << 100 << QStringList{"a", "b", "c"}
                                           << QList<int>{0, 34, 68} << QList<int>{33, 33, 33};
    QTest::newRow("exactly 21 each") << 42 << QStringList{"a", "b"} << QList<int>{0, 22}
                                     << QList<int>{21, 21};
    QTest::newRow("too narrow: at least 21, past the edge")
        << 50 << QStringList{"a", "b", "c", "d"} << QList<int>{0, 22, 44, 66}
        << QList<int>{21, 21, 21, 21};
}

void TestMultiButton::layout()
{
    QFETCH(int, width);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, lefts);
    QFETCH(QList<int>, widths);

    BarWindow w(width, captions);
    QCOMPARE(w.bar->height(), 21); // designed 20, always 21 once open
    QVERIFY(w.bar->bUpdating);
    QCOMPARE(w.bar->iButtonLeft, lefts);
    QCOMPARE(w.bar->iButtonWidth, widths);
    QCOMPARE(w.bar->bButtonVal, QList<bool>(captions.size(), false));
    QCOMPARE(w.bar->bButtonEnabled, QList<bool>(captions.size(), true));
    QVERIFY(w.bar->iNameY > 0 && w.bar->iNameY <= 21);
}

void TestMultiButton::captionCentredInSingleItem()
{
    BarWindow w(109, {QStringLiteral("Show Last Note")});
    QFont f = w.bar->font();
    f.setPixelSize(11);
    const int textWidth = QFontMetrics(f).horizontalAdvance(QStringLiteral("Show Last Note"));
    const int leftGap = w.bar->iNameX[0];
    const int rightGap = 109 - (w.bar->iNameX[0] + textWidth);
    QVERIFY2(qAbs(leftGap - rightGap) <= 3, qPrintable(QStringLiteral("gaps %1 / %2")
                                                           .arg(leftGap)
                                                           .arg(rightGap)));
}

void TestMultiButton::symbols_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("hasVerticalBar");

    QTest::newRow("plus") << QStringLiteral("+") << true;
    QTest::newRow("minus") << QStringLiteral("-") << false;
}

void TestMultiButton::symbols()
{
    QFETCH(QString, caption);
    QFETCH(bool, hasVerticalBar);

    BarWindow w(100, {QStringLiteral("x"), caption});
    QCOMPARE(w.bar->pButtonIcon[0], nullptr);
    Picture *symbol = w.bar->pButtonIcon[1];
    QVERIFY(symbol);
    QCOMPARE(symbol->size(), QSize(16, 16));
    QVERIFY(symbol->hasMask());

    // Only the bars show: black picture, mask black exactly under the bars
    // (a 2 x 2 pen hanging below and right of the line from 4 to 10).
    const QRect horizontal(4, 7, 8, 2);
    const QRect vertical(7, 4, 2, 8);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool bar = horizontal.contains(x, y) || (hasVerticalBar && vertical.contains(x, y));
            QCOMPARE(qGray(symbol->mask().pixel(x, y)), bar ? 0 : 255);
            QCOMPARE(symbol->image().pixel(x, y) & 0xFFFFFF, 0u);
        }
    }

    // Drawn at (left + 4, 4): the middle of the bar is black, a corner of the
    // symbol shows the item's own colour, and no caption text is drawn.
    QVERIFY(w.showActive());
    const QImage image = grabBar(w.bar);
    const int left = w.bar->iButtonLeft[1];
    QCOMPARE(rgbAt(image, left + 4 + 8, 4 + 7), Rgb(0, 0, 0));
    QCOMPARE(rgbAt(image, left + 4 + 7, 4 + 5), hasVerticalBar ? Rgb(0, 0, 0) : rgbAt(image, left + 4 + 1, 4 + 5));
    QVERIFY(rgbAt(image, left + 4 + 1, 4 + 1) != Rgb(0, 0, 0));
}

void TestMultiButton::itemWithPictureKeepsIt()
{
    Picture own(QImage(16, 16, QImage::Format_ARGB32));
    BarWindow w(100, {});
    w.bar->PauseUpdates();
    w.bar->Additem(QStringLiteral("+"));
    w.bar->pButtonIcon[0] = &own;
    w.bar->InsertItem(&own, 1);
    w.bar->ResumeUpdates();
    QCOMPARE(w.bar->pButtonIcon[0], &own);
    QCOMPARE(w.bar->pButtonIcon[1], &own);
    QCOMPARE(w.bar->sName, (QStringList{QStringLiteral("+"), QString()}));
}

void TestMultiButton::itemListsStayParallel()
{
    BarWindow w(90, {"a", "b", "c"});
    w.bar->bButtonVal[2] = true;
    w.bar->InsertItem(QStringLiteral("new"), 0);
    w.bar->InsertItem(QStringLiteral("bad"), 9); // out of range: ignored
    w.bar->RemoveItem(2);                        // "b"
    w.bar->RemoveItem(-1);
    w.bar->RemoveItem(3);

    QCOMPARE(w.bar->sName, (QStringList{"new", "a", "c"}));
    QCOMPARE(w.bar->bButtonVal, (QList<bool>{false, false, true}));
    for (const auto size : {w.bar->iButtonLeft.size(), w.bar->iButtonWidth.size(),
                            w.bar->iNameX.size(), w.bar->bButtonEnabled.size(),
                            w.bar->pButtonIcon.size()})
        QCOMPARE(size, 3);
    QCOMPARE(w.bar->iButtonLeft, (QList<int>{0, 31, 62})); // laid out again at once
}

void TestMultiButton::click_data()
{
    // Points are in bar coordinates; item -1 stands for "between items".
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QList<bool>>("values");
    QTest::addColumn<int>("action"); // -1: none

    QTest::newRow("click on item 1") << QPoint(50, 10) << QPoint(50, 10)
                                     << QList<bool>{false, true, false} << 1;
    QTest::newRow("press on 0, release on 2") << QPoint(15, 10) << QPoint(80, 10)
                                              << QList<bool>{false, false, true} << 2;
    QTest::newRow("release on the separator") << QPoint(15, 10) << QPoint(33, 10)
                                              << QList<bool>{false, false, false} << -1;
    QTest::newRow("release on an item's left border") << QPoint(15, 10) << QPoint(34, 10)
                                                      << QList<bool>{false, false, false} << -1;
    QTest::newRow("release below the bar") << QPoint(15, 10) << QPoint(15, 30)
                                           << QList<bool>{false, false, false} << -1;
    QTest::newRow("release left of the bar") << QPoint(50, 10) << QPoint(-5, 10)
                                             << QList<bool>{false, false, false} << -1;
    QTest::newRow("release on the bottom row") << QPoint(15, 10) << QPoint(15, 20)
                                               << QList<bool>{true, false, false} << 0;
}

void TestMultiButton::click()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QList<bool>, values);
    QFETCH(int, action);

    BarWindow w(100, {"a", "b", "c"}); // items at 0, 34, 68, each 33 wide
    QVERIFY(w.showActive());
    QSignalSpy actions(w.bar, &cSquareMultiButton::Action);

    QTest::mousePress(w.bar, Qt::LeftButton, {}, press);
    QVERIFY(w.bar->bMouseDown);
    QCOMPARE(w.bar->bButtonVal, QList<bool>(3, false)); // nothing flips before the release
    QTest::mouseMove(w.bar, (press + release) / 2);
    QTest::mouseMove(w.bar, release);
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, release);

    QVERIFY(!w.bar->bMouseDown);
    QCOMPARE(w.bar->bButtonVal, values);
    QCOMPARE(actions.size(), action < 0 ? 0 : 1);
    if (action >= 0)
        QCOMPARE(actions.at(0).at(0).toInt(), action);

    // A second click on the same item turns it back.
    if (action >= 0) {
        QTest::mouseClick(w.bar, Qt::LeftButton, {}, release);
        QCOMPARE(w.bar->bButtonVal, QList<bool>(3, false));
        QCOMPARE(actions.size(), 2);
    }
}

void TestMultiButton::disabledItemTogglesSilently()
{
    BarWindow w(100, {"a", "b", "c"});
    w.bar->EnableButton(1, false);
    QVERIFY(w.showActive());
    QTest::qWait(20);
    PaintCounter paints(w.bar);
    QSignalSpy actions(w.bar, &cSquareMultiButton::Action);

    QTest::mousePress(w.bar, Qt::LeftButton, {}, w.inside(1));
    QCoreApplication::processEvents();
    paints.count = 0;
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, w.inside(1));
    QCoreApplication::processEvents();

    QCOMPARE(w.bar->bButtonVal, (QList<bool>{false, true, false}));
    QCOMPARE(actions.size(), 0);
    QCOMPARE(paints.count, 0);
}

void TestMultiButton::pressTakenByWindow()
{
    BarWindow w(100, {"a", "b", "c"});
    QVERIFY(w.showActive());
    QList<int> seen;
    w.bar->MouseDown = [&seen](int, int, int item) {
        seen << item;
        return true;
    };
    QSignalSpy actions(w.bar, &cSquareMultiButton::Action);

    QTest::mousePress(w.bar, Qt::LeftButton, {}, w.inside(2));
    QVERIFY(!w.bar->bMouseDown);
    QCOMPARE(w.bar->iMouseInButton, -1);
    QTest::mouseMove(w.bar, w.inside(0));
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, w.inside(0));

    QCOMPARE(seen, QList<int>{2});
    QCOMPARE(w.bar->bButtonVal, QList<bool>(3, false));
    QCOMPARE(actions.size(), 0);

    // A handler that lets the press go on changes nothing else.
    w.bar->MouseDown = [&seen](int, int, int item) {
        seen << item;
        return false;
    };
    QTest::mouseClick(w.bar, Qt::LeftButton, {}, w.inside(0));
    QCOMPARE(seen, (QList<int>{2, 0}));
    QCOMPARE(actions.size(), 1);
}

void TestMultiButton::moveReportsPointer()
{
    BarWindow w(100, {"a", "b", "c"});
    QVERIFY(w.showActive());
    QSignalSpy moves(w.bar, &cSquareMultiButton::MouseMove);
    QTest::mouseMove(w.bar, QPoint(50, 7));
    QTRY_VERIFY(!moves.isEmpty());
    const QList<QVariant> last = moves.last();
    QCOMPARE(last.at(0).toInt(), 50);
    QCOMPARE(last.at(1).toInt(), 7);
    QCOMPARE(last.at(2).toInt(), -1); // no press is tracked
}

namespace {
enum class Op { EnableOne, EnableMany, DisableMany, WriteValue, Resume, PauseThenResume };
}

void TestMultiButton::redrawRules_data()
{
    QTest::addColumn<bool>("paused");
    QTest::addColumn<int>("op");
    QTest::addColumn<QList<int>>("args");
    QTest::addColumn<QList<bool>>("enabled");
    QTest::addColumn<bool>("redraws");

    const QList<bool> all{true, true, true};
    const auto op = [](Op o) { return static_cast<int>(o); };
    QTest::newRow("disable one item") << false << op(Op::EnableOne) << QList<int>{1, 0}
                                      << QList<bool>{true, false, true} << true;
    QTest::newRow("enable an enabled item") << false << op(Op::EnableOne) << QList<int>{1, 1}
                                            << all << false;
    QTest::newRow("enable one out of range") << false << op(Op::EnableOne) << QList<int>{3, 0}
                                             << all << false;
    QTest::newRow("disable one while paused") << true << op(Op::EnableOne) << QList<int>{0, 0}
                                              << QList<bool>{false, true, true} << false;
    QTest::newRow("disable several") << false << op(Op::DisableMany) << QList<int>{0, 2, 7}
                                     << QList<bool>{false, true, false} << true;
    QTest::newRow("disable only outside 0..last") << false << op(Op::DisableMany)
                                                  << QList<int>{-1, 3} << all << false;
    QTest::newRow("disable several while paused") << true << op(Op::DisableMany) << QList<int>{1}
                                                  << QList<bool>{true, false, true} << false;
    QTest::newRow("enable the enabled") << false << op(Op::EnableMany) << QList<int>{0, 1, 2}
                                        << all << false;
    QTest::newRow("write a value") << false << op(Op::WriteValue) << QList<int>{1} << all << false;
    QTest::newRow("resume while updating") << false << op(Op::Resume) << QList<int>{} << all
                                           << true;
    QTest::newRow("resume after a pause lays out only") << false << op(Op::PauseThenResume)
                                                        << QList<int>{} << all << false;
}

void TestMultiButton::redrawRules()
{
    QFETCH(bool, paused);
    QFETCH(int, op);
    QFETCH(QList<int>, args);
    QFETCH(QList<bool>, enabled);
    QFETCH(bool, redraws);

    BarWindow w(100, {"a", "b", "c"});
    QVERIFY(w.showActive());
    QTest::qWait(20);
    QCoreApplication::processEvents();
    PaintCounter paints(w.bar);
    if (paused)
        w.bar->PauseUpdates();

    switch (static_cast<Op>(op)) {
    case Op::EnableOne:
        w.bar->EnableButton(args[0], args[1] != 0);
        break;
    case Op::EnableMany:
        w.bar->EnableButtons(args);
        break;
    case Op::DisableMany:
        w.bar->DisableButtons(args);
        break;
    case Op::WriteValue:
        w.bar->bButtonVal[args[0]] = true;
        break;
    case Op::Resume:
        w.bar->ResumeUpdates();
        break;
    case Op::PauseThenResume:
        w.bar->PauseUpdates();
        w.bar->ResumeUpdates();
        QVERIFY(w.bar->bUpdating);
        break;
    }
    QCoreApplication::processEvents();

    QCOMPARE(w.bar->bButtonEnabled, enabled);
    QCOMPARE(paints.count > 0, redraws);
}

void TestMultiButton::bevelGradient_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QList<Rgb>>("rows");

    // Height 19: seven rows from the colour darkening by 2.5, then twelve rows
    // from 30 below the colour climbing toward its pale tint.
    QTest::newRow("on #6BB0F6") << QColor(0x6B, 0xB0, 0xF6)
                                << QList<Rgb>{{107, 176, 246}, {104, 173, 243}, {102, 171, 241},
                                              {99, 168, 238},  {97, 166, 236},  {94, 163, 233},
                                              {92, 161, 231},  {77, 146, 216},  {83, 150, 219},
                                              {90, 155, 222},  {96, 160, 225},  {103, 165, 228},
                                              {109, 169, 231}, {116, 174, 234}, {122, 179, 237},
                                              {129, 184, 240}, {135, 189, 243}, {142, 193, 246},
                                              {148, 198, 249}};
    QTest::newRow("off #FAFAFA") << QColor(0xFA, 0xFA, 0xFA)
                                 << QList<Rgb>{{250, 250, 250}, {247, 247, 247}, {245, 245, 245},
                                               {242, 242, 242}, {240, 240, 240}, {237, 237, 237},
                                               {235, 235, 235}, {220, 220, 220}, {222, 222, 222},
                                               {225, 225, 225}, {228, 228, 228}, {230, 230, 230},
                                               {233, 233, 233}, {236, 236, 236}, {238, 238, 238},
                                               {241, 241, 241}, {244, 244, 244}, {246, 246, 246},
                                               {249, 249, 249}};
}

void TestMultiButton::bevelGradient()
{
    QFETCH(QColor, colour);
    QFETCH(QList<Rgb>, rows);

    QImage image(12, 23, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        cSquareMultiButton::FillBevelRect(p, 2, 3, 7, 19, colour);
        QVERIFY(p.testRenderHint(QPainter::Antialiasing)); // restored after
    }
    for (int row = 0; row < 19; ++row) {
        for (int x = 2; x < 9; ++x)
            QCOMPARE(rgbAt(image, x, 3 + row), rows[row]);
    }
    QCOMPARE(rgbAt(image, 1, 10), Rgb(255, 0, 0));
    QCOMPARE(rgbAt(image, 9, 10), Rgb(255, 0, 0));
    QCOMPARE(rgbAt(image, 5, 2), Rgb(255, 0, 0));
    QCOMPARE(rgbAt(image, 5, 22), Rgb(255, 0, 0));
}

void TestMultiButton::washedOut()
{
    // Items a (on), b (off), c (on but disabled).
    BarWindow w(99, {"+", "-", "+"});
    w.bar->bButtonVal[0] = true;
    w.bar->bButtonVal[2] = true;
    w.bar->EnableButton(2, false);
    QVERIFY(w.showActive());
    const QImage live = grabBar(w.bar);
    const int y = 15; // below the symbols, inside the bevel
    const auto pixelOf = [&](const QImage &image, int item) {
        return rgbAt(image, w.bar->iButtonLeft[item] + 2, y);
    };

    // Row 14 of the bevel (y 15): on is blue, off grey; the disabled item is
    // the off colour under the white veil, lighter than off, whatever its value.
    QCOMPARE(pixelOf(live, 0), Rgb(122, 179, 237));
    QCOMPARE(pixelOf(live, 1), Rgb(238, 238, 238));
    const Rgb veiled = pixelOf(live, 2);
    QVERIFY(std::get<0>(veiled) > 238 && std::get<0>(veiled) < 255);
    QCOMPARE(std::get<0>(veiled), std::get<2>(veiled));

    // The frame: a #909090 top line and #A0A0A0 outline and separators.
    QCOMPARE(rgbAt(live, 5, 0), Rgb(0x90, 0x90, 0x90));
    QCOMPARE(rgbAt(live, 0, 10), Rgb(0xA0, 0xA0, 0xA0));
    QCOMPARE(rgbAt(live, 98, 10), Rgb(0xA0, 0xA0, 0xA0));
    QCOMPARE(rgbAt(live, w.bar->iButtonLeft[1] - 1, 10), Rgb(0xA0, 0xA0, 0xA0));

    // The whole control disabled (Test mode disables "Show Last Note"): every
    // item looks like the disabled one.
    w.bar->setEnabled(false);
    QCoreApplication::processEvents();
    const QImage disabled = grabBar(w.bar);
    QCOMPARE(pixelOf(disabled, 0), veiled);
    QCOMPARE(pixelOf(disabled, 1), veiled);
    QCOMPARE(pixelOf(disabled, 2), veiled);
    w.bar->setEnabled(true);

    // An inactive window washes every item out too.
    QWidget other;
    other.resize(50, 50);
    other.move(300, 300);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!w.window.isActiveWindow());
    const QImage inactive = grabBar(w.bar);
    QCOMPARE(pixelOf(inactive, 0), veiled);
    QCOMPARE(pixelOf(inactive, 1), veiled);
}

void TestMultiButton::golden()
{
    // An on, an off and a disabled item; symbols rather than captions keep
    // the picture free of the system's fonts.
    BarWindow w(99, {"+", "-", "+"});
    w.bar->bButtonVal[0] = true;
    w.bar->bButtonVal[2] = true;
    w.bar->EnableButton(2, false);
    QVERIFY(w.showActive());
    const QImage image = grabBar(w.bar);
    QCOMPARE(image.size(), QSize(99, 21));

    const QString path = goldenPath(QStringLiteral("multibutton_on_off_disabled.png"));
    if (qEnvironmentVariableIntValue("ZARN_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(image.save(path));
        QSKIP("golden image written");
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(path));
    // Row 20 lies below the drawn bar and shows whatever is behind it.
    QCOMPARE(image.copy(0, 0, 99, 20), expected.copy(0, 0, 99, 20));
}

QTEST_MAIN(TestMultiButton)
#include "test_multibutton.moc"
