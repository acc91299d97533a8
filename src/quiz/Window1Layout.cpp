// The main window's controls: places, captions, fonts, colours and start
// states, created in the design's order (a later control lies above an
// earlier one where they overlap).
#include "quiz/Window1.h"

#include "app/Pictures.h"
#include "controls/AutoButton.h"
#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "quiz/DesignFont.h"
#include "quiz/InstrumentList.h"
#include "quiz/Window1Content.h"
#include "staff/StaffClass1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

namespace {

constexpr std::array<int, 10> IntBoxLeft = {88, 152, 215, 279, 343, 407, 471, 535, 599, 663};
constexpr std::array<int, 10> IntMenuLeft = {69, 133, 196, 260, 324, 388, 452, 516, 580, 644};
constexpr std::array<int, 11> NoteLightLeft = {58, 122, 186, 249, 313, 377,
                                               441, 505, 569, 633, 697};
constexpr std::array<int, 10> UpArrowLeft = {80, 144, 208, 272, 336, 400, 464, 528, 592, 656};
constexpr std::array<int, 11> StaffLeft = {40, 104, 168, 231, 295, 359, 423, 487, 551, 615, 679};
constexpr std::array<int, 11> NoteBoxLeft = {57, 120, 184, 247, 311, 375, 439, 503, 567, 631, 695};
constexpr std::array<int, 12> IntSelLeft = {63, 92, 115, 144, 167, 196, 219, 248, 271, 300, 323, 352};
constexpr std::array<int, 12> IntSelWidth = {38, 38, 38, 38, 34, 36, 34, 38, 38, 38, 38, 34};

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

void setTextColour(QWidget *w, QColor colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    w->setPalette(pal);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, int l, int t, int w,
              int h, const QFont &font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    auto *lab = place(new QLabel(text, parent), name, l, t, w, h);
    lab->setFont(font);
    lab->setAlignment(align);
    makeMouseTransparent(lab);
    return lab;
}

QGroupBox *groupBox(QWidget *parent, const QString &name, int l, int t, int w, int h)
{
    auto *box = place(new QGroupBox(parent), name, l, t, w, h);
    makeMouseTransparent(box);
    return box;
}

QFrame *separator(QWidget *parent, const QString &name, int l, int t, int w, int h, bool vertical)
{
    auto *line = place(new QFrame(parent), name, l, t, w, h);
    line->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    makeMouseTransparent(line);
    return line;
}

QPushButton *pushButton(QWidget *parent, const QString &name, const QString &text, int l, int t,
                        int w, int h, const QFont &font)
{
    auto *b = place(new QPushButton(text, parent), name, l, t, w, h);
    b->setFont(font);
    b->setAutoDefault(false);
    return b;
}

QSlider *slider(QWidget *parent, const QString &name, int l, int t, int w, int h, int min, int max)
{
    auto *s = place(new QSlider(Qt::Horizontal, parent), name, l, t, w, h);
    s->setRange(min, max);
    s->setValue(min);
    s->setPageStep(1);
    return s;
}

} // namespace

void Window1::createControls()
{
    QWidget *c = m_content;
    const QFont system12 = designFont("System", 12);
    const QFont lucida12 = designFont("Lucida Grande", 12);
    const QFont lucidia12 = designFont("Lucidia Grande", 12);

    for (int k = 0; k <= 10; ++k) {
        Staff[k] = place(new StaffMember(k, c), member("Staff", k), StaffLeft[k], 315, 51, 87);
        Staff[k]->setVisible(k <= 1);
    }

    RoundRectangle1 = place(new RoundRectControl(c), QStringLiteral("RoundRectangle1"), 544, 153,
                            164, 51);
    RoundRectangle1->fillColour = QColor(0x80, 0x8E, 0xCC);
    RoundRectangle1->borderColour = QColor(0x8F, 0x8F, 0x8F);
    RoundRectangle1->borderWidth = 1;

    ListBox1 = place(new InstrumentList(c), QStringLiteral("ListBox1"), 539, 538, 170, 106);
    ListBox1->setFont(designFont("Geneva", 10));
    ListBox1->highlight = &Highlight;

    ButtonNew = pushButton(c, QStringLiteral("ButtonNew"), QStringLiteral("New"), 63, 111, 60, 20,
                           system12);
    SliderRepeat = slider(c, QStringLiteral("SliderRepeat"), 205, 196, 185, 17, 0, 9);
    SliderInt = slider(c, QStringLiteral("SliderInt"), 205, 108, 185, 17, 1, 10);
    ButtonPlay = pushButton(c, QStringLiteral("ButtonPlay"), QStringLiteral("Play"), 63, 166, 60,
                            20, system12);
    ButtonPlay->setEnabled(false);
    SliderTempo = slider(c, QStringLiteral("SliderTempo"), 205, 160, 183, 16, 100, 3000);
    SliderTempo->setPageStep(100);
    StaticText1 = label(c, QStringLiteral("StaticText1"), QStringLiteral("60"), 418, 164, 34, 11,
                        designFont("Times new roman", 10), Qt::AlignHCenter | Qt::AlignTop);

    createRowControls();
    createLowerControls();
    createSettingsControls();
    createResultControls();
}

void Window1::createRowControls()
{
    QWidget *c = m_content;
    const QFont system12 = designFont("System", 12);
    const QFont optima12 = designFont("Optima", 12);

    noteLightGroup = new QButtonGroup(this);
    noteLightGroup->setExclusive(true);
    auto makeLight = [&](int k) {
        const int left = k == 11 ? 695 : NoteLightLeft[k];
        const int top = k == 11 ? 240 : 295;
        const int width = k == 11 ? 17 : 20;
        NoteLight[k] = place(new PressRadioButton(c), member("NoteLight", k), left, top, width, 20);
        NoteLight[k]->setFont(system12);
        NoteLight[k]->takesPress = true;
        NoteLight[k]->setFocusPolicy(Qt::NoFocus);
        NoteLight[k]->setVisible(k <= 1);
        if (k == 11)
            NoteLight[k]->setEnabled(false);
        noteLightGroup->addButton(NoteLight[k], k);
    };
    for (int i = 0; i <= 9; ++i) {
        makeLight(i + 1);
        IntBox[i] = place(new PressCheckBox(c), member("IntBox", i), IntBoxLeft[i], 257, 20, 20);
        IntBox[i]->setFont(system12);
        IntBox[i]->takesPress = true;
        IntBox[i]->setFocusPolicy(Qt::NoFocus);
        IntBox[i]->setVisible(i == 0);
    }
    makeLight(11);
    for (int i = 0; i <= 9; ++i) {
        IntMenu[i] = place(new QComboBox(c), member("IntMenu", i), IntMenuLeft[i], 275, 60, 20);
        IntMenu[i]->setFont(designFont("Lucida Grande", 12));
        for (int item = 0; item <= 24; ++item)
            IntMenu[i]->addItem(QString::fromStdString(intervals::itemText(item)));
        IntMenu[i]->setMaxVisibleItems(25);
        IntMenu[i]->setCurrentIndex(intervals::NoAnswerItem);
        IntMenu[i]->setVisible(i == 0);
    }
    makeLight(0);

    auto scale = [&](int m, const QString &text, int l, int t, int w, int h) {
        StaticTextnums[m] = label(c, member("StaticTextnums", m), text, l, t, w, h, optima12);
    };
    scale(0, QStringLiteral("1"), 211, 122, 11, 19);
    scale(23, QStringLiteral("Fast"), 370, 172, 28, 20);
    scale(10, QStringLiteral("0"), 211, 211, 11, 19);
    ButtonStop = pushButton(c, QStringLiteral("ButtonStop"), QStringLiteral("Stop"), 63, 198, 60,
                            20, system12);
    ButtonStop->setEnabled(false);
    StaticTextnums[27] = label(c, member("StaticTextnums", 27), QStringLiteral("Repeat:"), 140,
                               212, 53, 20, optima12, Qt::AlignRight | Qt::AlignTop);
    StaticTextnums[26] = label(c, member("StaticTextnums", 26), QStringLiteral("Tempo:"), 140,
                               174, 53, 18, optima12, Qt::AlignRight | Qt::AlignTop);
    StaticTextnums[24] = label(c, member("StaticTextnums", 24),
                               QStringLiteral("Number of\nIntervals:"), 129, 109, 64, 34, optima12,
                               Qt::AlignRight | Qt::AlignTop);
    for (int k = 1; k <= 10; ++k) {
        NoteBox[k] = place(new PressCheckBox(c), member("NoteBox", k), NoteBoxLeft[k], 400, 20, 20);
        NoteBox[k]->setFont(system12);
        NoteBox[k]->takesPress = true;
        NoteBox[k]->setFocusPolicy(Qt::NoFocus);
        NoteBox[k]->setVisible(k == 1);
    }
}

void Window1::createLowerControls()
{
    QWidget *c = m_content;
    const QFont system12 = designFont("System", 12);
    const QFont lucida12 = designFont("Lucida Grande", 12);
    const QFont lucidia12 = designFont("Lucidia Grande", 12);

    StaticText3 = label(c, QStringLiteral("StaticText3"), QString(), 59, 548, 346, 24, system12,
                        Qt::AlignHCenter | Qt::AlignVCenter);
    StaticText3->hide();
    GroupCheat = groupBox(c, QStringLiteral("GroupCheat"), 51, 545, 357, 32);
    BoxCheat = place(new QCheckBox(QStringLiteral("Cheat"), c), QStringLiteral("BoxCheat"), 418,
                     551, 59, 21);
    BoxCheat->setFont(lucidia12);
    GroupShowNotes = groupBox(c, QStringLiteral("GroupShowNotes"), 202, 594, 103, 42);
    GroupPracticeTest = groupBox(c, QStringLiteral("GroupPracticeTest"), 544, 153, 164, 51);
    GroupPracticeTest->setFlat(true);
    GroupPracticeTest->setStyleSheet(QStringLiteral("QGroupBox { border: none; }"));
    RadioTest = place(new QRadioButton(c), QStringLiteral("RadioTest"), 551, 179, 19, 19);
    RadioTest->setFont(system12);
    ButtonCheck = pushButton(c, QStringLiteral("ButtonCheck"), QStringLiteral("Check"), 639, 180,
                             60, 15, lucida12);
    PushStats = pushButton(c, QStringLiteral("PushStats"), QStringLiteral("Stats."), 639, 160, 60,
                           15, lucida12);
    RadioPractice = place(new QRadioButton(c), QStringLiteral("RadioPractice"), 551, 159, 19, 19);
    RadioPractice->setFont(system12);
    modeGroup = new QButtonGroup(this);
    modeGroup->addButton(RadioPractice);
    modeGroup->addButton(RadioTest);

    Canvas2 = place(new PictureCanvas(c, Pics::Keyboard15()), QStringLiteral("Canvas2"), 37, 437,
                    673, 80);
    BoxShow = place(new QCheckBox(QStringLiteral("Show Notes"), c), QStringLiteral("BoxShow"), 95,
                    604, 91, 19);
    BoxShow->setFont(lucidia12);
    RadioActualPitch = place(new QRadioButton(QStringLiteral("Actual Pitch"), c),
                             QStringLiteral("RadioActualPitch"), 204, 596, 89, 21);
    RadioActualPitch->setFont(lucidia12);
    RadioActualPitch->setEnabled(false);
    Canvas1 = place(new PictureCanvas(c, Pics::smallKBD7()), QStringLiteral("Canvas1"), 51, 603,
                    37, 33);
    makeMouseTransparent(Canvas1);
    RadioStartOnC = place(new QRadioButton(QStringLiteral("Starting on C"), c),
                          QStringLiteral("RadioStartOnC"), 204, 614, 99, 21);
    RadioStartOnC->setFont(lucidia12);
    RadioStartOnC->setEnabled(false);
    displayGroup = new QButtonGroup(this);
    displayGroup->addButton(RadioActualPitch);
    displayGroup->addButton(RadioStartOnC);

    GroupBPM = groupBox(c, QStringLiteral("GroupBPM"), 417, 160, 40, 32);
    ImageWell1 = place(new ImageWell(c), QStringLiteral("ImageWell1"), 544, 17, 164, 33);
    StaticScore = label(c, QStringLiteral("StaticScore"), QStringLiteral("---%"), 645, 25, 55, 20,
                        designFont("Lucida Grande", 16, true));
    setTextColour(StaticScore, QColor(0xFF, 0x00, 0x00));
    StaticScore->setEnabled(false);
    StaticText13 = label(c, QStringLiteral("StaticText13"), QStringLiteral("Score:"), 597, 25, 58,
                         20, designFont("Lucida Grande", 16));
    Line5 = new LineControl(c, {186, 614}, {197, 610});
    Line5->setObjectName(QStringLiteral("Line5"));
    Line6 = new LineControl(c, {186, 614}, {197, 618});
    Line6->setObjectName(QStringLiteral("Line6"));
    GroupInst = groupBox(c, QStringLiteral("GroupInst"), 540, 538, 171, 107);

    Oval1 = place(new OvalControl(c), QStringLiteral("Oval1"), 517, 569, 8, 8);
    Oval1->borderColour = QColor(0x68, 0xA9, 0xEA);
    Oval1->borderWidth = 3;
    Oval1->hide();
    RoundRectangle2 = place(new RoundRectControl(c), QStringLiteral("RoundRectangle2"), 517, 590,
                            7, 42);
    RoundRectangle2->fillColour = QColor(0x68, 0xA9, 0xEA);
    RoundRectangle2->cornerWidth = RoundRectangle2->cornerHeight = 4;
    RoundRectangle2->hide();

    TRowTimer = new QTimer(this);
    TRowTimer->setObjectName(QStringLiteral("TRowTimer"));
    TRowTimer->setTimerType(Qt::PreciseTimer);
    TRowTimer->setInterval(500);
    // NotePlayer1 is made with the window (services); TRowEndTimer follows it.
    TRowEndTimer = new QTimer(this);
    TRowEndTimer->setObjectName(QStringLiteral("TRowEndTimer"));
    TRowEndTimer->setTimerType(Qt::PreciseTimer);
    TRowEndTimer->setSingleShot(true);
    TRowEndTimer->setInterval(500);
}

void Window1::createSettingsControls()
{
    QWidget *c = m_content;
    const QFont system12 = designFont("System", 12);
    const QFont lucidia12 = designFont("lucidia grande", 12);

    Separator12 = separator(c, QStringLiteral("Separator12"), 390, 25, 8, 34, true);
    ButtonAll = place(new QRadioButton(QStringLiteral("All"), c), QStringLiteral("ButtonAll"), 404,
                      26, 36, 16);
    ButtonAll->setFont(lucidia12);
    ButtonNone = place(new QRadioButton(QStringLiteral("None"), c), QStringLiteral("ButtonNone"),
                       404, 44, 50, 16);
    ButtonNone->setFont(lucidia12);
    // "All" and "None" are a pair of their own, which can also show neither.
    allNoneGroup = new QButtonGroup(this);
    allNoneGroup->addButton(ButtonAll);
    allNoneGroup->addButton(ButtonNone);
    ButtonAll->setChecked(true);
    GroupIntSel = groupBox(c, QStringLiteral("GroupIntSel"), 57, 20, 407, 48);
    for (int i : {0, 2, 4, 6, 8, 10, 1, 3, 5, 7, 9, 11}) {
        IntSelBox[i] = place(new PressCheckBox(c, QString::fromStdString(
                                                      intervals::ConvertInterval(i + 1).substr(1))),
                             member("IntSelBox", i), IntSelLeft[i], i % 2 == 0 ? 45 : 26,
                             IntSelWidth[i], 14);
        IntSelBox[i]->setFont(lucidia12);
        IntSelBox[i]->takesPress = true;
    }
    BoxMouse = place(new QCheckBox(c), QStringLiteral("BoxMouse"), 340, 607, 18, 19);
    BoxMouse->setFont(system12);
    Separator14 = separator(c, QStringLiteral("Separator14"), 43, 582, 432, 4, false);
    NoteBox[0] = place(new PressCheckBox(c), member("NoteBox", 0), NoteBoxLeft[0], 400, 20, 20);
    NoteBox[0]->takesPress = true;
    NoteBox[0]->setFocusPolicy(Qt::NoFocus);
    NoteBox[0]->hide();
    TimerMinutes = new QTimer(this);
    TimerMinutes->setObjectName(QStringLiteral("TimerMinutes"));
    TimerMinutes->setInterval(60000);
}

void Window1::createResultControls()
{
    QWidget *c = m_content;
    const QFont system9 = designFont("System", 9);
    const QFont lucida12 = designFont("Lucida Grande", 12);
    const QFont lucidia12 = designFont("Lucidia Grande", 12);
    const QFont optima12 = designFont("Optima", 12);

    GroupBox1 = groupBox(c, QStringLiteral("GroupBox1"), 549, 209, 157, 28);
    GroupBox3 = groupBox(c, QStringLiteral("GroupBox3"), 56, 149, 410, 85);
    GroupAvScore = groupBox(c, QStringLiteral("GroupAvScore"), 548, 88, 157, 28);
    StaticText14 = label(c, QStringLiteral("StaticText14"), QStringLiteral("Av. 100% Time:"), 552,
                         123, 93, 21, lucida12);
    GroupAvTime = groupBox(c, QStringLiteral("GroupAvTime"), 548, 120, 157, 28);
    StaticText15 = label(c, QStringLiteral("StaticText15"), QStringLiteral("Average Score:"), 555,
                         91, 90, 21, lucida12);
    Line1 = new LineControl(c, {600, 189}, {635, 189});
    Line1->setObjectName(QStringLiteral("Line1"));
    StaticTest = label(c, QStringLiteral("StaticTest"), QStringLiteral("Test"), 571, 179, 30, 19,
                       lucida12);
    StaticPractice = label(c, QStringLiteral("StaticPractice"), QStringLiteral("Practice"), 571,
                           159, 52, 20, lucida12);
    Line2 = new LineControl(c, {600, 190}, {635, 190});
    Line2->setObjectName(QStringLiteral("Line2"));

    const std::array<int, 20> scaleLeft = {211, 229, 248, 266, 284, 303, 321, 339, 359, 374,
                                           211, 229, 248, 267, 284, 303, 321, 339, 358, 376};
    for (int m : {22, 11, 12, 1, 13, 2, 14, 3, 4, 15, 5, 16, 6, 17, 18, 8, 9, 7, 19, 29}) {
        if (m == 22) {
            StaticTextnums[m] = label(c, member("StaticTextnums", m), QStringLiteral("Slow"), 201,
                                      172, 31, 20, optima12);
        } else if (m == 29) {
            StaticTextnums[m] = label(c, member("StaticTextnums", m), QStringLiteral("B.P.M."), 422,
                                      177, 34, 13, designFont("Times new roman", 10));
        } else if (m <= 9) {
            StaticTextnums[m] = label(c, member("StaticTextnums", m), QString::number(m + 1),
                                      scaleLeft[m], 121, m == 9 ? 16 : 9, 20, optima12);
        } else {
            StaticTextnums[m] = label(c, member("StaticTextnums", m), QString::number(m - 10),
                                      scaleLeft[m], 211, 9, 20, optima12);
        }
    }

    StaticMouseTips = label(c, QStringLiteral("StaticMouseTips"), QStringLiteral("Mouse\nTips"),
                            361, 599, 38, 34, lucidia12);
    StaticAvScore = label(c, QStringLiteral("StaticAvScore"), QString(), 644, 91, 66, 21, lucida12);
    StaticAvTime = label(c, QStringLiteral("StaticAvTime"), QString(), 644, 123, 88, 21, lucida12);
    StaticText43 = label(c, QStringLiteral("StaticText43"),
                         QStringLiteral("The Keyboard is OFF while Testing"), 125, 482, 510, 35,
                         designFont("lucidia grande", 28, true));
    StaticText43->hide();
    StaticMinutes = label(c, QStringLiteral("StaticMinutes"), QStringLiteral("Running for 0 minutes"),
                          552, 212, 150, 21, lucida12, Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(StaticMinutes, QColor(0x49, 0x49, 0x49));
    Separator2 = separator(c, QStringLiteral("Separator2"), 317, 591, 10, 50, true);
    AutoButton1 = place(new AutoButton(c), QStringLiteral("AutoButton1"), 423, 597, 32, 32);
    AutoButton1->backdrop = Pics::QuestLight();
    StaticText8 = label(c, QStringLiteral("StaticText8"),
                        QStringLiteral("\u00A9 2026 ZARN Dozi"), 51, 644, 100, 20,
                        system9);
    StaticText8->setWordWrap(false);
    for (int i = 0; i <= 9; ++i) {
        UPARROW[i] = place(new PictureCanvas(c, Pics::doublearrow4()), member("UPARROW", i),
                           UpArrowLeft[i], 296, 37, 18);
        makeMouseTransparent(UPARROW[i]);
        UPARROW[i]->setVisible(i == 0);
    }
    GroupBox2 = groupBox(c, QStringLiteral("GroupBox2"), 38, 13, 447, 229);
    GroupBox4 = groupBox(c, QStringLiteral("GroupBox4"), 38, 538, 447, 108);
    ImageWell2 = place(new ImageWell(c), QStringLiteral("ImageWell2"), 546, 54, 160, 30);
    StaticText41 = label(c, QStringLiteral("StaticText41"), QStringLiteral("Time to 100%:"), 557, 60,
                         90, 21, lucida12);
    StaticTestTime = label(c, QStringLiteral("StaticTestTime"), QString(), 643, 60, 88, 21,
                           lucida12);
    setTextColour(StaticTestTime, QColor(0xFF, 0x00, 0x00));
    GroupBox9 = groupBox(c, QStringLiteral("GroupBox9"), 541, 13, 170, 229);
    checkbox2 = place(new cSquareMultiButton(c), QStringLiteral("checkbox2"), 63, 72, 109, 20);
    BoxIntStartC = place(new cSquareMultiButton(c), QStringLiteral("BoxIntStartC"), 174, 72, 109,
                         20);
    CheckBox1 = place(new cSquareMultiButton(c), QStringLiteral("CheckBox1"), 285, 72, 109, 20);
    PushButton1 = pushButton(c, QStringLiteral("PushButton1"), QStringLiteral("Solve"), 407, 111,
                             60, 20, designFont("System", 12));
    StaticText4 = label(c, QStringLiteral("StaticText4"), QStringLiteral("(Uses Flats)"), 413, 129,
                        54, 19, system9);
    setTextColour(StaticText4, QColor(0x44, 0x44, 0x44));
    Canvas4 = place(new PictureCanvas(c, Pics::treb7()), QStringLiteral("Canvas4"), 21, 315, 22, 87);
    makeMouseTransparent(Canvas4);
    StaticText2 = label(c, QStringLiteral("StaticText2"), QStringLiteral("Intervals:"), 23, 279, 45,
                        20, designFont("System", 10));
    setTextColour(StaticText2, Qt::white);
    StaticText5 = label(c, QStringLiteral("StaticText5"),
                        QStringLiteral("(Enharmonics \n  are allowed)"), 32, 402, 68, 26, system9);
    setTextColour(StaticText5, QColor(0x44, 0x44, 0x44));
    StaticText6 = label(c, QStringLiteral("StaticText6"), QStringLiteral("Intervals:"), 22, 278, 45,
                        20, designFont("System", 10));

    // Enclosing controls lie under what they enclose (the design created
    // several of them later, which in Qt would cover their contents).
    for (QWidget *frame : std::initializer_list<QWidget *>{
             GroupBox1, GroupBox3, GroupAvScore, GroupAvTime, GroupInst, GroupBPM, GroupCheat,
             GroupShowNotes, GroupIntSel, GroupBox2, GroupBox4, GroupBox9, ImageWell1, ImageWell2,
             GroupPracticeTest, RoundRectangle1})
        frame->lower();
}
