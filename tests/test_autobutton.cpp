// The picture push button driven through the window system: its faces by
// identity through enter, press, drag and release, and the faces it makes.
#define QTEST_QPA_MOUSE_HANDLING
#include "app/Pictures.h"
#include "controls/AutoButton.h"

#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

// 32 x 32: a coloured disc on white, so that white and non-white both occur.
Picture *discPicture(QColor colour)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(4, 4, 24, 24);
    p.end();
    return new Picture(image);
}

// A window with the button at (20, 20), opened with the given faces.
struct ButtonWindow {
    QWidget window;
    QWidget elsewhere; // a neighbour the pointer can move to
    AutoButton *button;

    ButtonWindow(Picture *normal, Picture *highlight, bool enabled = true, bool toggle = false)
    {
        window.resize(120, 100);
        elsewhere.setParent(&window);
        elsewhere.setGeometry(70, 20, 40, 40);
        button = new AutoButton(&window);
        button->setGeometry(20, 20, 32, 32);
        button->backdrop = normal;
        button->Toggle = toggle;
        button->setEnabled(enabled);
        QObject::connect(button, &AutoButton::open, button,
                         [this, highlight] { button->temp = highlight; });
        button->runOpen();
    }

    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // The face shown now, by identity.
    QString face() const
    {
        if (button->backdrop == button->enabledIcon)
            return QStringLiteral("normal");
        if (button->backdrop == button->pressedIcon.get())
            return QStringLiteral("pressed");
        if (button->backdrop == button->disabledIcon.get())
            return QStringLiteral("disabled");
        return QStringLiteral("other");
    }
};

QString goldenPath(const QString &name)
{
    return QStringLiteral(ZARN_TEST_DATA "/golden/%1").arg(name);
}

} // namespace

class TestAutoButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void facesMadeAtOpening();
    void pointerCycle();
    void release_data();
    void release();
    void disabledFace();
    void catalogueSourceBecomesTransparent();
    void toggleUse();
    void golden();
};

void TestAutoButton::facesMadeAtOpening()
{
    std::unique_ptr<Picture> normal(discPicture(Qt::red));
    std::unique_ptr<Picture> highlight(discPicture(Qt::blue));
    ButtonWindow w(normal.get(), highlight.get());

    QCOMPARE(w.button->enabledIcon, normal.get());
    QCOMPARE(w.face(), QStringLiteral("normal"));
    QVERIFY(w.button->pressedIcon && w.button->disabledIcon);
    // The pressed face is a transparent copy of the highlight picture.
    QVERIFY(w.button->pressedIcon->transparent());
    QCOMPARE(w.button->pressedIcon->size(), QSize(32, 32));
    QCOMPARE(w.button->pressedIcon->image(), highlight->image());
    QVERIFY(!highlight->transparent()); // the highlight picture itself is left alone
}

void TestAutoButton::pointerCycle()
{
    std::unique_ptr<Picture> normal(discPicture(Qt::red));
    std::unique_ptr<Picture> highlight(discPicture(Qt::blue));
    ButtonWindow w(normal.get(), highlight.get());
    QVERIFY(w.showActive());
    QSignalSpy downs(w.button, &AutoButton::MouseDown);
    QSignalSpy ups(w.button, &AutoButton::MouseUp);
    QSignalSpy actions(w.button, &AutoButton::Action);

    QTest::mouseMove(&w.elsewhere, QPoint(10, 10));
    QTest::mouseMove(w.button, QPoint(16, 16));
    QTRY_COMPARE(w.face(), QStringLiteral("pressed")); // entered
    QTest::mouseMove(&w.elsewhere, QPoint(10, 10));
    QTRY_COMPARE(w.face(), QStringLiteral("normal")); // left

    QTest::mouseMove(w.button, QPoint(16, 16));
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(16, 16));
    QCOMPARE(w.face(), QStringLiteral("pressed"));
    QCOMPARE(downs.size(), 1);

    QTest::mouseMove(w.button, QPoint(40, 16)); // dragged out to the right
    QCOMPARE(w.face(), QStringLiteral("normal"));
    QVERIFY(!w.button->toggleOn);
    QTest::mouseMove(w.button, QPoint(16, 16)); // and back in
    QCOMPARE(w.face(), QStringLiteral("pressed"));
    QVERIFY(w.button->toggleOn);
    QTest::mouseMove(w.button, QPoint(16, -3)); // out above
    QCOMPARE(w.face(), QStringLiteral("normal"));
    QTest::mouseMove(w.button, QPoint(16, 16));
    QCOMPARE(w.face(), QStringLiteral("pressed"));

    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(16, 16));
    QCOMPARE(w.face(), QStringLiteral("normal"));
    QCOMPARE(actions.size(), 1);
    QCOMPARE(ups.size(), 0); // only a toggle raises MouseUp
    QCOMPARE(downs.size(), 1);
}

void TestAutoButton::release_data()
{
    // Press in the middle, drag to the point, release there (button coordinates).
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("action");
    QTest::addColumn<QString>("faceAfterRelease");

    QTest::newRow("inside") << QPoint(16, 16) << true << "normal";
    QTest::newRow("top-left pixel of the inner area") << QPoint(1, 1) << true << "normal";
    QTest::newRow("bottom-right pixel") << QPoint(31, 31) << true << "normal";
    // Column and row 0: outside for the release, neither in nor out for the
    // drag, so the highlight stays.
    QTest::newRow("column 0") << QPoint(0, 16) << false << "pressed";
    QTest::newRow("row 0") << QPoint(16, 0) << false << "pressed";
    // Just right of / below the button: the drag saw the pointer at the
    // border (not outside), the release is outside, and the pointer has left.
    QTest::newRow("x = width") << QPoint(32, 16) << false << "normal";
    QTest::newRow("y = height") << QPoint(16, 32) << false << "normal";
    QTest::newRow("far outside") << QPoint(45, 45) << false << "normal";
    QTest::newRow("left outside") << QPoint(-4, 16) << false << "normal";
}

void TestAutoButton::release()
{
    QFETCH(QPoint, at);
    QFETCH(bool, action);
    QFETCH(QString, faceAfterRelease);

    std::unique_ptr<Picture> normal(discPicture(Qt::red));
    std::unique_ptr<Picture> highlight(discPicture(Qt::blue));
    ButtonWindow w(normal.get(), highlight.get());
    QVERIFY(w.showActive());
    QSignalSpy actions(w.button, &AutoButton::Action);

    QTest::mouseMove(w.button, QPoint(16, 16));
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(16, 16));
    QTest::mouseMove(w.button, at);
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, at);

    QCOMPARE(actions.size(), action ? 1 : 0);
    QTRY_COMPARE(w.face(), faceAfterRelease);
}

void TestAutoButton::disabledFace()
{
    std::unique_ptr<Picture> normal(discPicture(Qt::red));
    std::unique_ptr<Picture> highlight(discPicture(Qt::blue));
    ButtonWindow w(normal.get(), highlight.get(), false);

    QCOMPARE(w.face(), QStringLiteral("disabled"));
    const Picture *face = w.button->disabledIcon.get();
    QVERIFY(face->transparent());
    QVERIFY(face->hasMask());
    QCOMPARE(face->size(), QSize(32, 32));

    // Former white is not drawn; every other pixel is drawn at about half strength.
    const QImage shown = face->composed();
    int inked = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool white = (normal->image().pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
            QCOMPARE(qGray(face->mask().pixel(x, y)), white ? 255 : 125);
            QCOMPARE(qAlpha(shown.pixel(x, y)), white ? 0 : 130);
            inked += white ? 0 : 1;
        }
    }
    QVERIFY(inked > 300); // the disc is there
    QVERIFY(normal->transparent()); // the source picture was made transparent
}

void TestAutoButton::catalogueSourceBecomesTransparent()
{
    // The main window's button: its normal picture becomes transparent for
    // every user of the catalogue picture once the button has opened.
    QVERIFY(!Pics::QuestLight()->transparent());
    ButtonWindow w(Pics::QuestLight(), Pics::QuestLightSEL());
    QVERIFY(Pics::QuestLight()->transparent());
    QVERIFY(!Pics::QuestLightSEL()->transparent());
    QCOMPARE(w.face(), QStringLiteral("normal"));
}

void TestAutoButton::toggleUse()
{
    std::unique_ptr<Picture> normal(discPicture(Qt::red));
    std::unique_ptr<Picture> highlight(discPicture(Qt::blue));
    ButtonWindow w(normal.get(), highlight.get(), true, true);
    QVERIFY(w.showActive());
    QStringList events;
    QObject::connect(w.button, &AutoButton::MouseDown, w.button, [&] { events << "down"; });
    QObject::connect(w.button, &AutoButton::MouseUp, w.button, [&] { events << "up"; });
    QObject::connect(w.button, &AutoButton::Action, w.button, [&] { events << "action"; });

    QTest::mouseMove(&w.elsewhere, QPoint(10, 10));
    QTest::mouseMove(w.button, QPoint(16, 16));
    QTRY_VERIFY(w.button->toggleOn); // entering flips a toggle on
    QCOMPARE(w.face(), QStringLiteral("pressed"));
    QTest::mouseMove(&w.elsewhere, QPoint(10, 10));
    QTest::qWait(10);
    QCOMPARE(w.face(), QStringLiteral("pressed")); // leaving keeps a toggle's face

    // Pressing a toggle that shows its highlight turns it off at once; the
    // press is not followed, so its release raises nothing.
    QTest::mouseMove(w.button, QPoint(16, 16));
    QTRY_COMPARE(w.face(), QStringLiteral("normal")); // entering again flipped it
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(16, 16));
    QCOMPARE(w.face(), QStringLiteral("pressed"));
    QCOMPARE(events, QStringList{"down"});
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(16, 16));
    QCOMPARE(events, (QStringList{"down", "action"}));
    QCOMPARE(w.face(), QStringLiteral("pressed")); // a toggle stays highlighted
    QVERIFY(w.button->toggleOn);

    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(16, 16));
    QCOMPARE(w.face(), QStringLiteral("normal"));
    QVERIFY(!w.button->toggleOn);
    QCOMPARE(events, (QStringList{"down", "action", "down", "up"}));
}

void TestAutoButton::golden()
{
    // The help button's three faces side by side: normal, pressed, disabled.
    QImage image(3 * 32, 32, QImage::Format_RGB32);
    image.fill(QColor(0xE8, 0xE8, 0xE8));
    {
        ButtonWindow enabled(Pics::QuestLight(), Pics::QuestLightSEL());
        ButtonWindow disabled(Pics::QuestLight(), Pics::QuestLightSEL(), false);
        QPainter p(&image);
        enabled.button->enabledIcon->draw(p, 0, 0);
        enabled.button->pressedIcon->draw(p, 32, 0);
        disabled.button->disabledIcon->draw(p, 64, 0);
    }
    const QString path = goldenPath(QStringLiteral("autobutton_faces.png"));
    if (qEnvironmentVariableIntValue("ZARN_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(image.save(path));
        QSKIP("golden image written");
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(path));
    QCOMPARE(image, expected);
}

QTEST_MAIN(TestAutoButton)
#include "test_autobutton.moc"
