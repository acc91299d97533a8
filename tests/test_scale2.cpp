// The main window on a screen with twice the pixel density (QT_SCALE_FACTOR=2):
// pictures drawn sharp from their vector artwork, the same layout, exact
// hit-testing. The factor is set before the application exists.
#include "app/Picture.h"
#include "app/Pictures.h"
#include "controls/SimpleControls.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "staff/StaffClass1.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cstdlib>

namespace {

// Mean difference per channel between two images of one size.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                   + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class TestScale2 : public QObject
{
    Q_OBJECT

    Window1 *w = nullptr;
    RecordingNotePlayer *player = nullptr;

private Q_SLOTS:
    void init()
    {
        Window1::Services services;
        auto recorder = std::make_unique<RecordingNotePlayer>();
        player = recorder.get();
        services.player = std::move(recorder);
        services.random = [] { return 0.37; };
        services.clockSeconds = [] { return 1000.0; };
        w = Window1::create(std::move(services));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    void screenIsTwiceAsDense()
    {
        QCOMPARE(w->devicePixelRatioF(), 2.0);
        // The layout is the same in the window's own units.
        QCOMPARE(w->content()->width(), 753);
        QCOMPARE(w->Staff[1]->geometry(), QRect(104, 315, 51, 87));
    }

    void picturesAreSharp()
    {
        // The keyboard, drawn from its artwork at the screen's density, is
        // what a sharp rendering at twice the size gives, and clearly not a
        // blown-up copy of the single-density pixels.
        const QImage shown = w->Canvas2->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(2 * 673, 2 * 80));
        Picture *keys = Pics::Keyboard15();
        const QImage sharp = keys->composed(2.0)
                                 .convertToFormat(QImage::Format_RGB32)
                                 .copy(0, 0, shown.width(), shown.height());
        const QImage blownUp = keys->composed(1.0)
                                   .scaled(keys->width() * 2, keys->height() * 2)
                                   .convertToFormat(QImage::Format_RGB32)
                                   .copy(0, 0, shown.width(), shown.height());
        const double toSharp = meanDifference(shown, sharp);
        const double toBlownUp = meanDifference(shown, blownUp);
        QVERIFY2(toSharp < 1.0, qPrintable(QString::number(toSharp)));
        QVERIFY2(toBlownUp > 3 * toSharp + 0.5, qPrintable(QString::number(toBlownUp)));
    }

    void hitTestingIsExact()
    {
        // A click on the G4 line of a staff writes G4.
        QTest::mouseClick(w->Staff[1], Qt::LeftButton, {}, QPoint(20, 52));
        QCOMPARE(w->Staff[1]->indexi, 67 - 56);
        QCOMPARE(w->Staff[1]->writtenNote(), QStringLiteral("G4"));
        // The sharp selector at its lower edge, the flat one just below it.
        QTest::mouseClick(w->Staff[1], Qt::LeftButton, {}, QPoint(40, 39));
        QCOMPARE(w->Staff[1]->indexi, 68 - 56);
        QTest::mouseClick(w->Staff[1], Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(w->Staff[1]->indexi, 66 - 56);
        // Middle C on the keyboard: the white key four octaves up.
        player->clear();
        QTest::mousePress(w->Canvas2, Qt::LeftButton, {}, QPoint(4 + 4 * 109 + 7, 70));
        QCOMPARE(player->notesStarted(), std::vector<int>{72});
        QTest::mouseRelease(w->Canvas2, Qt::LeftButton, {}, QPoint(4 + 4 * 109 + 7, 70));
    }

    void nothingIsCutOff()
    {
        for (QLabel *label : w->content()->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            const QFontMetrics metrics(label->font());
            for (const QString &line : label->text().split(QLatin1Char('\n')))
                QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= label->width() + 2,
                         qPrintable(label->objectName() + QStringLiteral(": ") + line));
        }
        // The window's content lies wholly inside the window.
        QVERIFY(w->rect().contains(w->content()->geometry()));
    }

    void golden()
    {
        QApplication::processEvents();
        const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), w->size() * 2);
        const QString path = QStringLiteral(ZARN_TEST_DATA "/golden/main_scale2.png");
        if (qEnvironmentVariableIntValue("ZARN_UPDATE_GOLDEN") == 1) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QVERIFY(image.save(path));
            QSKIP("golden image written");
        }
        const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!expected.isNull(), qPrintable(path));
        QCOMPARE(image.size(), expected.size());
        // Fonts may differ slightly between machines; the pictures may not.
        int differing = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (std::abs(qGray(image.pixel(x, y)) - qGray(expected.pixel(x, y))) > 48)
                    ++differing;
        QVERIFY2(differing < expected.width() * expected.height() / 50,
                 qPrintable(QString::number(differing)));
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    TestScale2 test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_scale2.moc"
