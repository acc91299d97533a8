// The Stats window's controls: places, texts and start states, created in the
// design's order (a later control lies above an earlier one where they
// overlap).
#include "stats/GraphWindow.h"

#include "app/Pictures.h"
#include "controls/SimpleControls.h"
#include "stats/GraphCanvasMember.h"
#include "stats/GraphWindowContent.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor OptionBar(0x58, 0x58, 0x58);

QString member(const char *name, int i)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(i);
}

template <class W>
W *place(W *w, const QString &name, int left, int top, int width, int height)
{
    w->setObjectName(name);
    w->setGeometry(left, top, width, height);
    return w;
}

QFont systemFont(int pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setColours(QWidget *w, QColor text, QColor background = {})
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        pal.setColor(QPalette::Window, background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(pal);
}

QLabel *whiteLabel(QWidget *parent, const QString &name, const QString &text, int l, int t, int w,
                   int h)
{
    auto *label = place(new QLabel(text, parent), name, l, t, w, h);
    label->setFont(systemFont(12));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(label, Qt::white);
    makeMouseTransparent(label);
    // The default font runs wider than the design's; a clipped caption
    // ("33.3", "Mouse #s") would read wrong, so the label grows to the right.
    if (label->sizeHint().width() > w)
        label->resize(label->sizeHint().width(), h);
    return label;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, int l, int t, bool on)
{
    auto *box = place(new QCheckBox(parent), name, l, t, 20, 20);
    box->setChecked(on);
    return box;
}

QGroupBox *groupBox(QWidget *parent, const QString &name, const QRect &r)
{
    auto *box = place(new QGroupBox(parent), name, r.x(), r.y(), r.width(), r.height());
    makeMouseTransparent(box);
    return box;
}

LineControl *whiteLine(QWidget *parent, const QString &name, int x)
{
    auto *line = new LineControl(parent, QPoint(x, 568), QPoint(x, 598), Qt::white);
    line->setObjectName(name);
    return line;
}

} // namespace

void GraphWindow::createControls()
{
    QWidget *c = m_content;
    static constexpr int CanvasTop[4] = {14, 150, 286, 422};
    auto gridLabel = [&](int i, const char *text, int l, int t, int w, int h) {
        StaticGridSize[i] =
            whiteLabel(c, member("StaticGridSize", i), QString::fromUtf8(text), l, t, w, h);
    };
    auto makeCanvas = [&](int i) {
        GraphCanvas[i] = place(new GraphCanvasMember(this, i, c), member("GraphCanvas", i), 43,
                               CanvasTop[i], 630, 120);
    };

    RoundRectangle1 = place(new RoundRectControl(c), QStringLiteral("RoundRectangle1"), 42, 557,
                            634, 52);
    RoundRectangle1->fillColour = OptionBar;
    makeCanvas(0);
    ResetButton = place(new QPushButton(QStringLiteral("Close"), c), QStringLiteral("ResetButton"),
                        589, 573, 76, 20);
    ResetButton->setFont(systemFont(12));
    ResetButton->setAutoDefault(false);
    ResetButton->setDefault(true);
    makeCanvas(1);
    makeCanvas(2);
    makeCanvas(3);

    CheckTicks = checkBox(c, QStringLiteral("CheckTicks"), 269, 566, false);
    gridLabel(0, "10", 88, 584, 17, 20);
    gridLabel(1, "20", 120, 584, 17, 20);
    gridLabel(2, "33.3", 148, 584, 25, 20);
    gridLabel(3, "Grid\nSize:", 58, 555, 35, 47);
    StaticGridSize[3]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    RadioGridGroup = new QButtonGroup(this);
    RadioGridGroup->setObjectName(QStringLiteral("RadioGridGroup"));
    static constexpr int RadioLeft[5] = {88, 120, 152, 184, 216};
    for (int i = 0; i < 5; ++i) {
        RadioGridSize[i] = place(new QRadioButton(c), member("RadioGridSize", i), RadioLeft[i], 566,
                                 20, 20);
        RadioGridGroup->addButton(RadioGridSize[i], i);
    }
    RadioGridSize[1]->setChecked(true);
    gridLabel(4, "50", 184, 584, 17, 20);
    Line1 = whiteLine(c, QStringLiteral("Line1"), 112);
    Line2 = whiteLine(c, QStringLiteral("Line2"), 144);
    Line3 = whiteLine(c, QStringLiteral("Line3"), 176);
    gridLabel(5, "Ticks", 262, 584, 35, 20);
    CheckColor = checkBox(c, QStringLiteral("CheckColor"), 325, 566, true);
    gridLabel(6, "Color", 318, 584, 35, 20);
    CheckStraight = checkBox(c, QStringLiteral("CheckStraight"), 437, 566, false);
    gridLabel(7, "Straight", 424, 584, 49, 20);
    CheckShadow = checkBox(c, QStringLiteral("CheckShadow"), 381, 566, true);
    gridLabel(8, "Shadow", 368, 584, 49, 20);

    // The read-out box and its text.
    Canvas1 = place(new QWidget(c), QStringLiteral("Canvas1"), 6, 542, 100, 17);
    setColours(Canvas1, Qt::white, OptionBar);
    makeMouseTransparent(Canvas1);
    Canvas1->hide();
    StaticText1 =
        whiteLabel(c, QStringLiteral("StaticText1"), QStringLiteral("temp"), 6, 559, 100, 20);
    StaticText1->setFont(systemFont(12, true));
    StaticText1->hide();

    CheckMouse = checkBox(c, QStringLiteral("CheckMouse"), 493, 566, true);
    gridLabel(9, "Mouse #s", 480, 584, 49, 20);
    GroupBox5 = groupBox(c, QStringLiteral("GroupBox5"), QRect(49, 563, 194, 41));
    GroupBox7 = groupBox(c, QStringLiteral("GroupBox7"), QRect(42, 557, 634, 52));
    gridLabel(10, "Off", 216, 584, 17, 20);
    Line4 = whiteLine(c, QStringLiteral("Line4"), 208);

    // The rest of the read-out: entry number, drop line, marker.
    Staticnumber = place(new QLabel(QStringLiteral("34"), c), QStringLiteral("Staticnumber"), 10,
                         577, 17, 10);
    QFont times;
    times.setFamilies({QStringLiteral("Times new roman"), times.family()});
    times.setPixelSize(9);
    Staticnumber->setFont(times);
    Staticnumber->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(Staticnumber, Qt::black);
    makeMouseTransparent(Staticnumber);
    Staticnumber->hide();
    Line5 = place(new QWidget(c), QStringLiteral("Line5"), 254, 20, 1, 101);
    setColours(Line5, Qt::black, Qt::black);
    makeMouseTransparent(Line5);
    Line5->hide();
    Oval1 = place(new OvalControl(c), QStringLiteral("Oval1"), 24, 579, 7, 7);
    Oval1->fillColour = Qt::white;
    Oval1->borderColour = Qt::black;
    Oval1->borderWidth = 1;
    Oval1->hide();

    AutoButton1 = place(new PictureCanvas(c, Pics::QuestGrey()), QStringLiteral("AutoButton1"),
                        543, 567, 32, 32);
    for (int i = 0; i < 4; ++i)
        GroupBox[i] =
            groupBox(c, QStringLiteral("GroupBox%1").arg(i + 1), GraphCanvas[i]->geometry());
}
