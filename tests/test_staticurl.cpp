// The link label: its colours follow the pointer, and only a release inside
// its borders hands the address to the desktop.
#include "controls/StaticURL.h"

#include <QEnterEvent>
#include <QtTest>

class StaticURLTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_opened.clear();
        StaticURL::opener = [this](const QUrl &url) { m_opened << url; };
        m_label = std::make_unique<StaticURL>();
        m_label->setText(QStringLiteral("Email the author"));
        m_label->setURL(QStringLiteral("mailto:someone@example.invalid"));
        m_label->resize(236, 13);
        m_label->runOpen();
        m_label->show();
    }

    void openSetsTheLinkLookBeforeRaisingOpen()
    {
        StaticURL label;
        QColor seen;
        bool underlined = false;
        connect(&label, &StaticURL::Open, this, [&] {
            seen = label.textColour();
            underlined = label.font().underline();
        });
        label.runOpen();
        QCOMPARE(seen, StaticURL::RestColour);
        QVERIFY(underlined);
    }

    void coloursFollowThePointer()
    {
        QCOMPARE(m_label->textColour(), QColor(0x00, 0x00, 0xFF));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(m_label.get(), &enter);
        QCOMPARE(m_label->textColour(), QColor(0xFF, 0x00, 0xFF));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(m_label.get(), &leave);
        QCOMPARE(m_label->textColour(), QColor(0x00, 0x00, 0xFF));
        QTest::mousePress(m_label.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(m_label->textColour(), QColor(0xFF, 0x00, 0x00));
        QVERIFY(m_opened.isEmpty()); // a press alone opens nothing
    }

    void release_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("opens");
        QTest::newRow("inside") << QPoint(10, 6) << true;
        QTest::newRow("last inner pixel") << QPoint(235, 12) << true;
        QTest::newRow("just inside both") << QPoint(1, 1) << true;
        QTest::newRow("left border") << QPoint(0, 6) << false;
        QTest::newRow("top border") << QPoint(10, 0) << false;
        QTest::newRow("right edge") << QPoint(236, 6) << false;
        QTest::newRow("bottom edge") << QPoint(10, 13) << false;
        QTest::newRow("far outside") << QPoint(400, 50) << false;
        QTest::newRow("left of it") << QPoint(-5, 6) << false;
    }

    void release()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, opens);
        QTest::mousePress(m_label.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(m_label.get(), Qt::LeftButton, {}, at);
        QCOMPARE(m_opened.size(), opens ? 1 : 0);
        if (opens)
            QCOMPARE(m_opened.first(), QUrl(QStringLiteral("mailto:someone@example.invalid")));
        QCOMPARE(m_label->textColour(), StaticURL::RestColour);
    }

    void emptyAddressOpensTheCaption()
    {
        m_label->setURL(QString());
        m_label->setText(QStringLiteral("https://example.invalid/zarn"));
        QTest::mouseClick(m_label.get(), Qt::LeftButton, {}, QPoint(10, 6));
        QCOMPARE(m_opened, (QList<QUrl>{QUrl(QStringLiteral("https://example.invalid/zarn"))}));
    }

private:
    std::unique_ptr<StaticURL> m_label;
    QList<QUrl> m_opened;
};

QTEST_MAIN(StaticURLTest)
#include "test_staticurl.moc"
