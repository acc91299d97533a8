// The About box, the alert, the licence window and the instructions.
#include "controls/StaticURL.h"
#include "info/AlertWindow.h"
#include "info/AquaAboutBox.h"
#include "info/InfoWindow.h"
#include "info/License.h"
#include "info/ManualText.h"
#include "quiz/InstrumentList.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QWidget *content(QWidget *window)
{
    return window->findChild<QWidget *>(QStringLiteral("content"));
}

// The window-height span of line i of a top-aligned plain-text label.
QRect lineRect(const QLabel *label, int i)
{
    const qreal step = ManualText::lineStep(label->font());
    const QPoint origin = label->mapTo(label->window(), QPoint(0, 0)) -
                          content(label->window())->mapTo(label->window(), QPoint(0, 0));
    return QRect(origin.x(), origin.y() + int(i * step), label->width(), int(step));
}

QRect designRect(const QWidget *w)
{
    const QPoint origin = w->mapTo(w->window(), QPoint(0, 0)) -
                          content(w->window())->mapTo(w->window(), QPoint(0, 0));
    return QRect(origin, w->size());
}
} // namespace

class InfoWindowsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        for (QWidget *w : {static_cast<QWidget *>(AquaAboutBox::existing()),
                           static_cast<QWidget *>(License::existing()),
                           static_cast<QWidget *>(InfoWindow::existing())})
            if (w)
                w->close();
        flushDeletes();
    }

    // ---- About box ----

    void aboutTightensTheSameWayEachTime()
    {
        for (int opening = 0; opening < 2; ++opening) {
            AquaAboutBox *box = AquaAboutBox::instance();
            box->show();
            QVERIFY(QTest::qWaitForWindowExposed(box));
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            QCOMPARE(content(box)->size(), QSize(284, 332));
            QVERIFY(box->toolLogo->isHidden());
            QCOMPARE(box->toolLogo->y(), 266);
            QCOMPARE(box->copyright->geometry(), QRect(24, 284, 236, 12));
            QCOMPARE(box->homePage->geometry(), QRect(24, 304, 236, 13));
            QCOMPARE(box->credits->y(), 193); // controls above the logo stay
            QCOMPARE(box->version->text(), QStringLiteral(ZARN_VERSION));
            QCOMPARE(box->homePage->text(), QStringLiteral("Email the author"));
            QVERIFY(box->homePage->URL().startsWith(QLatin1String("mailto:")));
            box->close();
            flushDeletes();
            QVERIFY(!AquaAboutBox::existing());
        }
    }

    void hideControlIgnoresHiddenAndLastControls()
    {
        AquaAboutBox *box = AquaAboutBox::instance();
        box->hideControl(box->toolLogo); // already hidden: no second gap
        QCOMPARE(content(box)->height(), 332);
        box->hideControl(box->homePage); // last control: nothing to measure from
        QCOMPARE(content(box)->height(), 332);
        QVERIFY(!box->homePage->isHidden());
        box->hideControl(box->version); // 152 - 132 = 20 closes up
        QCOMPARE(content(box)->height(), 312);
        QCOMPARE(box->description->y(), 132);
        QCOMPARE(box->copyright->y(), 264);
    }

    void linkOpensButDoesNotClose()
    {
        QList<QUrl> opened;
        StaticURL::opener = [&](const QUrl &url) { opened << url; };
        AquaAboutBox *box = AquaAboutBox::instance();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QTest::mouseClick(box->homePage, Qt::LeftButton, {}, box->homePage->rect().center());
        flushDeletes();
        QVERIFY(AquaAboutBox::existing());
        QCOMPARE(opened, (QList<QUrl>{QUrl(AquaAboutBox::AuthorAddress)}));
    }

    void backgroundClickCloses_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("corner") << QPoint(5, 5);
        QTest::newRow("on the name") << QPoint(140, 100); // texts let clicks through
        QTest::newRow("below the link") << QPoint(140, 325);
    }

    void backgroundClickCloses()
    {
        QFETCH(QPoint, at);
        AquaAboutBox *box = AquaAboutBox::instance();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QWidget *c = content(box);
        QWidget *target = c->childAt(at) ? c->childAt(at) : c;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(c, at));
        flushDeletes();
        QVERIFY(!AquaAboutBox::existing());
    }

    // ---- Alert ----

    void alertIsModalAndFreshEachTime()
    {
        QPointer<AlertWindow> first;
        for (int round = 0; round < 2; ++round) {
            bool checked = false;
            QTimer::singleShot(0, this, [&] {
                AlertWindow *alert = AlertWindow::existing();
                QVERIFY(alert);
                QCOMPARE(QApplication::activeModalWidget(), alert);
                QCOMPARE(alert->windowTitle(), QStringLiteral("Alert!"));
                QCOMPARE(content(alert)->size(), QSize(382, 108));
                QVERIFY(alert->PushButton1->isDefault());
                QCOMPARE(alert->StaticText2->text(),
                         QStringLiteral("At least one interval must be selected!"));
                QCOMPARE(alert->StaticText1->text(), alert->StaticText2->text());
                // The dark text lies above its white copy, one pixel up and left.
                const QObjectList kids = alert->StaticText2->parent()->children();
                QVERIFY(kids.indexOf(alert->StaticText2) > kids.indexOf(alert->StaticText1));
                QCOMPARE(alert->StaticText1->pos() - alert->StaticText2->pos(), QPoint(1, 1));
                if (round == 0)
                    first = alert;
                else
                    QVERIFY(!first); // the first alert is gone: this one is new
                checked = true;
                QTest::mouseClick(alert->PushButton1, Qt::LeftButton);
            });
            AlertWindow::showAlert(); // returns only once OK has closed it
            QVERIFY(checked);
            flushDeletes();
            QVERIFY(!AlertWindow::existing());
        }
    }

    void alertReturnKeyPushesOK()
    {
        QTimer::singleShot(0, this, [] {
            AlertWindow *alert = AlertWindow::existing();
            QVERIFY(alert);
            QTest::keyClick(alert, Qt::Key_Return);
        });
        AlertWindow::showAlert();
        flushDeletes();
        QVERIFY(!AlertWindow::existing());
    }

    // ---- Licence ----

    void licenceShowsTheRepositoryLicence()
    {
        QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../LICENSE"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString expected = QString::fromUtf8(file.readAll());
        QVERIFY(expected.contains(QLatin1String("GNU GENERAL PUBLIC LICENSE")));
        License *licence = License::instance();
        QCOMPARE(licence->EditField1->toPlainText().trimmed(), expected.trimmed());
        QVERIFY(licence->EditField1->isReadOnly());
        QCOMPARE(content(licence)->size(), QSize(743, 640));
        QVERIFY(licence->PushButton1->isDefault());
        QCOMPARE(License::instance(), licence);
        licence->show();
        QTest::mouseClick(licence->PushButton1, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!License::existing());
    }

    // ---- Instructions ----

    void instructionsWindow()
    {
        InfoWindow *info = InfoWindow::instance();
        QCOMPARE(InfoWindow::instance(), info);
        QCOMPARE(info->windowTitle(), QStringLiteral("Z.A.R.N. QUIZ Instructions"));
        QCOMPARE(content(info)->size(), QSize(736, 680));
        QVERIFY(!(info->windowFlags() & Qt::WindowMinimizeButtonHint));
        QStringList captions;
        for (int i = 0; i < info->TabPanel1->count(); ++i)
            captions << info->TabPanel1->tabText(i);
        QCOMPARE(captions, (QStringList{"General/Test Mode", "Practice Mode", "Settings", "Sound",
                                        "Test", "Help", "Stats Window"}));
        QVERIFY(info->PushButton1->isDefault());
        info->show();
        QTest::mouseClick(info->PushButton1, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!InfoWindow::existing());
    }

    void soundPageListsTheInstruments()
    {
        InfoWindow *info = InfoWindow::instance();
        const char *columns[] = {"StaticText13", "StaticText14", "StaticText15", "StaticText16"};
        for (int c = 0; c < 4; ++c) {
            auto *label = info->findChild<QLabel *>(QLatin1String(columns[c]));
            QVERIFY(label);
            const QStringList names = label->text().split(QLatin1Char('\n'));
            QCOMPARE(names.size(), 32);
            for (int i = 0; i < 32; ++i)
                QCOMPARE(names[i], InstrumentList::instrumentName(c * 32 + i + 1));
        }
    }

    // Every page's text fits its label, and no text line runs under a
    // picture or a rule.
    void pagesFitAndKeepClearOfPictures_data()
    {
        QTest::addColumn<int>("page");
        for (int i = 0; i < 7; ++i)
            QTest::addRow("page %d", i + 1) << i;
    }

    void pagesFitAndKeepClearOfPictures()
    {
        QFETCH(int, page);
        InfoWindow *info = InfoWindow::instance();
        info->show();
        info->TabPanel1->setCurrentIndex(page);
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QWidget *p = info->TabPanel1->widget(page);
        const QList<QLabel *> labels = p->findChildren<QLabel *>();
        QVERIFY(!labels.isEmpty());
        for (const QLabel *label : labels) {
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->objectName()));
                continue;
            }
            const QStringList lines = label->text().split(QLatin1Char('\n'));
            const QFontMetrics metrics(label->font());
            QVERIFY2(lines.size() * ManualText::lineStep(label->font()) <= label->height() + 1,
                     qPrintable(label->objectName()));
            for (int i = 0; i < lines.size(); ++i) {
                QVERIFY2(metrics.horizontalAdvance(lines[i]) <= label->width(),
                         qPrintable(label->objectName() + QLatin1String(": ") + lines[i]));
                if (lines[i].trimmed().isEmpty())
                    continue;
                QRect line = lineRect(label, i);
                // Only the inked part of the line counts (leading blanks too,
                // since they are the way a header is centred).
                line.setWidth(metrics.horizontalAdvance(lines[i]));
                for (const QWidget *other : p->findChildren<QWidget *>()) {
                    if (qobject_cast<const QLabel *>(other))
                        continue;
                    const QRect r = designRect(other);
                    if (r.intersects(line))
                        QFAIL(qPrintable(label->objectName() + QLatin1String(" line ") +
                                         QString::number(i) + QLatin1String(" runs under ") +
                                         other->objectName()));
                }
            }
        }
    }

    // On two-column pages each name sits on the first line of its description.
    void namesLineUpWithDescriptions_data()
    {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("descriptions");
        QTest::newRow("Settings") << "StaticText6" << "StaticText2";
        QTest::newRow("Test") << "StaticText8" << "StaticText4";
        QTest::newRow("Help") << "StaticText9" << "StaticText5";
        QTest::newRow("Stats Window") << "StaticText10" << "StaticText11";
    }

    void namesLineUpWithDescriptions()
    {
        QFETCH(QString, names);
        QFETCH(QString, descriptions);
        InfoWindow *info = InfoWindow::instance();
        const QStringList left = info->findChild<QLabel *>(names)->text().split(QLatin1Char('\n'));
        const QStringList right =
            info->findChild<QLabel *>(descriptions)->text().split(QLatin1Char('\n'));
        int entries = 0;
        for (int i = 0; i < left.size(); ++i) {
            if (!left[i].endsWith(QLatin1Char('.')))
                continue; // a heading, a blank, or the first part of a long name
            ++entries;
            QVERIFY2(i < right.size() && !right[i].trimmed().isEmpty(), qPrintable(left[i]));
        }
        QVERIFY(entries >= 4);
        QVERIFY(left.size() <= right.size());
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "test_infowindows.moc"
