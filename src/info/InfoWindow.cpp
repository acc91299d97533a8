#include "info/InfoWindow.h"

#include "app/Picture.h"
#include "app/Pictures.h"
#include "controls/SimpleControls.h"
#include "info/AquaAboutBox.h"
#include "info/BackdropPanel.h"
#include "info/License.h"
#include "info/ManualPages.h"
#include "info/ManualText.h"
#include "quiz/InstrumentList.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace {
QPointer<InfoWindow> s_instance;

QFont systemFont(int pixels)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    return font;
}

QFont pageFont(int pixels = 13)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif"), QApplication::font().family()});
    font.setPixelSize(pixels);
    return font;
}

// A page of the tab panel. Its controls are designed in window coordinates;
// the page moves them to its own coordinates whenever it is laid out, since
// where the toolkit puts the page inside the panel depends on the style.
class TabPage : public QWidget
{
public:
    using QWidget::QWidget;

    template <class W>
    W *add(W *w, const char *name, QRect windowRect)
    {
        w->setParent(this);
        w->setObjectName(QLatin1String(name));
        m_design.push_back({w, windowRect});
        w->setGeometry(windowRect);
        return w;
    }

    QLabel *text(const char *name, QRect windowRect, const QString &content,
                 const QFont &font = pageFont())
    {
        auto *label = add(new QLabel(content), name, windowRect);
        label->setFont(font);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(false);
        label->setTextFormat(Qt::PlainText);
        makeMouseTransparent(label);
        return label;
    }

    void rule(const char *name, int left, int right, int y)
    {
        auto *line = new LineControl(this, {left, y}, {right, y}, QColor(0x9A, 0x9A, 0x9A));
        add(line, name, line->geometry());
        makeMouseTransparent(line);
    }

    PictureCanvas *picture(const char *name, QRect windowRect, Picture *picture)
    {
        auto *canvas = add(new PictureCanvas(nullptr, picture), name, windowRect);
        makeMouseTransparent(canvas);
        return canvas;
    }

protected:
    void showEvent(QShowEvent *) override { relayout(); }
    void moveEvent(QMoveEvent *) override { relayout(); }
    void resizeEvent(QResizeEvent *) override { relayout(); }

private:
    void relayout()
    {
        const QPoint origin = mapTo(window(), QPoint(0, 0));
        // The window's content lies below its menu bar.
        const QWidget *content = window()->findChild<QWidget *>(QStringLiteral("content"));
        const QPoint contentOrigin = content ? content->mapTo(window(), QPoint(0, 0)) : QPoint();
        for (const auto &[widget, rect] : m_design)
            widget->setGeometry(rect.translated(contentOrigin - origin));
    }

    std::vector<std::pair<QWidget *, QRect>> m_design;
};

QString instrumentColumn(int column)
{
    QStringList names;
    for (int program = column * 32 + 1; program <= column * 32 + 32; ++program)
        names << InstrumentList::instrumentName(program);
    return names.join(QLatin1Char('\n'));
}
} // namespace

const QStringList InfoWindow::PageCaptions = {
    QStringLiteral("General/Test Mode"), QStringLiteral("Practice Mode"),
    QStringLiteral("Settings"),          QStringLiteral("Sound"),
    QStringLiteral("Test"),              QStringLiteral("Help"),
    QStringLiteral("Stats Window")};

InfoWindow::InfoWindow()
{
    setObjectName(QStringLiteral("InfoWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Z.A.R.N. QUIZ Instructions"));
    // No minimise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setMenuBar(Menu::instance().createMenuBar(this, this));
    auto *c = new BackdropPanel(this, Qt::white);
    c->setObjectName(QStringLiteral("content"));
    c->setFixedSize(736, 680);
    setCentralWidget(c);

    PushButton1 = new QPushButton(QStringLiteral("Close"), c);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(333, 651, 70, 20);
    PushButton1->setFont(systemFont(12));
    PushButton1->setDefault(true);
    connect(PushButton1, &QPushButton::clicked, this, &InfoWindow::PushButton1_Action);

    TabPanel1 = new QTabWidget(c);
    TabPanel1->setObjectName(QStringLiteral("TabPanel1"));
    TabPanel1->setGeometry(20, 14, 696, 629);
    TabPanel1->setFont(systemFont(12));
    TabPanel1->setFocusPolicy(Qt::NoFocus);
    createPages();
    // The manual opens at its beginning.
    TabPanel1->setCurrentIndex(0);

    adjustSize();
    setFixedSize(size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void InfoWindow::createPages()
{
    const QFont font = pageFont();
    std::array<TabPage *, 7> pages{};
    for (int i = 0; i < 7; ++i) {
        pages[i] = new TabPage;
        pages[i]->setFont(font);
        TabPanel1->addTab(pages[i], PageCaptions[i]);
    }

    // The arrows point at the mode switch in the pictures; white must not
    // cover the picture next to them.
    Pics::arrow()->setTransparent(true);

    TabPage *p = pages[0];
    p->text("StaticText1", {28, 47, 684, 590}, ManualPages::general(font));
    p->picture("Canvas2", {275, 129, 168, 60}, Pics::testPractice());
    p->picture("Canvas5", {246, 163, 25, 15}, Pics::arrow());
    p->rule("Line8", 40, 704, 84);
    p->rule("Line9", 40, 704, 256);

    p = pages[1];
    p->text("StaticText3", {28, 47, 684, 578}, ManualPages::practice(font));
    p->picture("Canvas3", {277, 98, 168, 61}, Pics::PracticeTest());
    p->picture("Canvas6", {246, 111, 25, 15}, Pics::arrow());
    p->rule("Line5", 40, 704, 85);
    p->rule("Line11", 40, 704, 288);

    p = pages[2];
    ManualPages::Columns columns = ManualPages::settings(font);
    p->text("StaticText6", {28, 72, 149, 558}, columns.names);
    p->text("StaticText2", {164, 72, 548, 558}, columns.descriptions);
    p->rule("Line10", 36, 700, 101);

    p = pages[3];
    QLabel *intro = p->text("StaticText12", {29, 72, 679, 40}, ManualPages::soundIntro());
    intro->setWordWrap(true);
    // Thirty-two names must fit the 490 pixels of a column, and each name
    // its column's width (the last column is the narrowest); a system whose
    // serif font runs large gets a smaller size rather than cut names.
    const std::array<int, 4> columnWidth{160, 160, 160, 110};
    auto fits = [&](const QFont &f) {
        if (ManualText::lineStep(f) * 32 > 490)
            return false;
        const QFontMetrics metrics(f);
        for (int program = 1; program <= 128; ++program)
            if (metrics.horizontalAdvance(InstrumentList::instrumentName(program)) >
                columnWidth[(program - 1) / 32])
                return false;
        return true;
    };
    QFont listFont = font;
    while (listFont.pixelSize() > 9 && !fits(listFont))
        listFont.setPixelSize(listFont.pixelSize() - 1);
    p->text("StaticText13", {38, 135, 160, 490}, instrumentColumn(0), listFont);
    p->text("StaticText14", {222, 135, 160, 490}, instrumentColumn(1), listFont);
    p->text("StaticText15", {414, 135, 160, 490}, instrumentColumn(2), listFont);
    p->text("StaticText16", {598, 135, 110, 490}, instrumentColumn(3), listFont);
    p->rule("Line2", 36, 700, 119);

    p = pages[4];
    columns = ManualPages::test(font);
    p->text("StaticText8", {28, 72, 149, 508}, columns.names);
    p->text("StaticText4", {165, 72, 548, 558}, columns.descriptions);
    p->picture("Canvas1", {40, 396, 113, 150}, Pics::StatWins());
    p->rule("Line7", 36, 700, 103);
    p->rule("Line6", 36, 700, 335);

    p = pages[5];
    columns = ManualPages::help(font);
    p->text("StaticText9", {28, 72, 149, 558}, columns.names);
    p->text("StaticText5", {163, 72, 548, 558}, columns.descriptions);
    p->picture("Canvas4", {163, 143, 431, 39}, Pics::cheat());
    p->picture("Canvas7", {221, 427, 264, 68}, Pics::MouseNum());
    p->rule("Line4", 36, 700, 102);

    p = pages[6];
    columns = ManualPages::stats(font);
    p->text("StaticText10", {28, 72, 149, 558}, columns.names);
    p->text("StaticText11", {163, 72, 548, 558}, columns.descriptions);
    p->rule("Line1", 36, 700, 117);
    p->rule("Line3", 36, 700, 277);
}

void InfoWindow::PushButton1_Action()
{
    close();
}

bool InfoWindow::aboutZARN_Action()
{
    AquaAboutBox *box = AquaAboutBox::instance();
    box->show();
    box->raise();
    box->activateWindow();
    return false;
}

bool InfoWindow::ZARNLic_Action()
{
    License *licence = License::instance();
    licence->show();
    licence->raise();
    licence->activateWindow();
    return false;
}

InfoWindow *InfoWindow::instance()
{
    if (!s_instance)
        s_instance = new InfoWindow;
    return s_instance.data();
}

InfoWindow *InfoWindow::existing()
{
    return s_instance.data();
}
