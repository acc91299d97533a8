// Windows opened and closed again and again leave no memory behind: the
// style's pixmap cache keeps every name it ever held, so the names of what the
// style draws must repeat from one window to the next.
#include "app/App.h"
#include "info/License.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <malloc.h>

namespace {

double heapInUseKB()
{
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / 1024.0;
}

// Opens the licence window, scrolls its text (the scroll bar drawn in a few
// states) and closes it.
bool openScrollAndClose()
{
    License *licence = License::instance();
    licence->show();
    if (!QTest::qWaitForWindowExposed(licence))
        return false;
    QScrollBar *bar = licence->EditField1->verticalScrollBar();
    for (int value : {bar->maximum() / 3, bar->maximum()})
        bar->setValue(value);
    (void)licence->grab();
    licence->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !License::existing();
}

} // namespace

class TestStyleCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { App::applyLook(); }

    // The caches fill up over the first few hundred windows (about 130 kB);
    // after that, a leak of a name per window shows as steady growth (with
    // Qt's own style about 0.85 kB per window, 250 kB over the span below).
    void reopenedWindowsLeaveNoMemoryBehind()
    {
        for (int i = 0; i < 700; ++i)
            QVERIFY(openScrollAndClose());
        const double before = heapInUseKB();
        for (int i = 0; i < 300; ++i)
            QVERIFY(openScrollAndClose());
        const double grown = heapInUseKB() - before;
        QVERIFY2(grown < 32, qPrintable(QStringLiteral("heap grew by %1 kB over 300 windows").arg(grown)));
    }
};

QTEST_MAIN(TestStyleCache)
#include "test_stylecache.moc"
