// The main window keeps its own light colours under a dark desktop palette.
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

#include <cmath>
#include <QTest>

namespace {

QPalette darkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    return dark;
}

double luminance(QColor c)
{
    const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A fixed row and clock, so that two windows look alike.
Window1 *makeWindow()
{
    Window1::Services services;
    services.player = std::make_unique<RecordingNotePlayer>();
    services.random = [] { return 0.37; };
    services.clockSeconds = [] { return 1000.0; };
    Window1 *w = Window1::create(std::move(services));
    w->show();
    return w;
}

QImage shot(Window1 *w)
{
    QApplication::processEvents();
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void darkDesktopChangesNothing()
    {
        QApplication::setPalette(QApplication::style()->standardPalette());
        Window1 *light = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(light));
        const QImage lightShot = shot(light);
        delete light;

        QApplication::setPalette(darkPalette());
        Window1 *dark = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(dark));
        const QImage darkShot = shot(dark);
        QCOMPARE(darkShot.size(), lightShot.size());
        QVERIFY(darkShot == lightShot);

        // Every text drawn on the window's backdrop reads clearly against it.
        const QColor backdrop(0xBE, 0xC0, 0xBC);
        int texts = 0;
        for (QWidget *c : dark->content()->findChildren<QWidget *>()) {
            if (!c->isVisible() || !c->isEnabled())
                continue;
            if (qobject_cast<QLabel *>(c) || qobject_cast<QCheckBox *>(c)
                || qobject_cast<QRadioButton *>(c)) {
                const QColor ink = c->palette().color(QPalette::WindowText);
                QVERIFY2(contrast(ink, backdrop) >= 4.5 || ink == QColor(0xFF, 0xFF, 0xFF)
                             || ink == QColor(0xFF, 0x00, 0x00),
                         qPrintable(c->objectName()));
                ++texts;
            }
            if (auto *b = qobject_cast<QPushButton *>(c)) {
                QVERIFY2(contrast(b->palette().color(QPalette::ButtonText),
                                  b->palette().color(QPalette::Button)) >= 4.5,
                         qPrintable(b->objectName()));
                ++texts;
            }
        }
        QVERIFY(texts > 30);

        // Popups opened from the window keep its colours too.
        QWidget *popupList = dark->IntMenu[0]->view()->window();
        QCOMPARE(popupList->palette().color(QPalette::Base),
                 dark->IntMenu[0]->palette().color(QPalette::Base));

        const QString path = QStringLiteral(ZARN_TEST_DATA "/golden/main_dark.png");
        if (qEnvironmentVariableIntValue("ZARN_UPDATE_GOLDEN") == 1) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QVERIFY(darkShot.save(path));
            delete dark;
            QSKIP("golden image written");
        }
        const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!expected.isNull(), qPrintable(path));
        QCOMPARE(darkShot.size(), expected.size());
        // Fonts may render a little differently on another machine: allow a
        // few changed pixels, not a changed colour scheme.
        int differing = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (qGray(darkShot.pixel(x, y)) - qGray(expected.pixel(x, y)) > 48
                    || qGray(expected.pixel(x, y)) - qGray(darkShot.pixel(x, y)) > 48)
                    ++differing;
        QVERIFY2(differing < expected.width() * expected.height() / 50,
                 qPrintable(QString::number(differing)));
        delete dark;
    }
};

QTEST_MAIN(TestTheme)
#include "test_theme.moc"
