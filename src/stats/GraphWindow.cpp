#include "stats/GraphWindow.h"

#include "controls/SimpleControls.h"
#include "info/AquaAboutBox.h"
#include "info/InfoWindow.h"
#include "info/License.h"
#include "quiz/Window1.h"
#include "stats/GraphCanvasMember.h"
#include "stats/GraphModel.h"
#include "stats/GraphWindowContent.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

QPointer<GraphWindow> s_instance;

constexpr int ContentWidth = 690;
constexpr int ContentHeight = 620;

void showWindow(QWidget *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

GraphWindow *GraphWindow::instance()
{
    if (!s_instance) {
        s_instance = new GraphWindow;
        s_instance->Open();
    }
    return s_instance.data();
}

GraphWindow *GraphWindow::existing()
{
    return s_instance.data();
}

GraphWindow::GraphWindow()
{
    setObjectName(QStringLiteral("GraphWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Stats"));
    m_content = new GraphWindowContent(this);
    m_content->setMinimumSize(681, 240);
    m_content->setMaximumSize(32000, 32000);
    setCentralWidget(m_content);
    setMenuBar(Menu::instance().createMenuBar(this, this));
    // The Mouse Tips item reads what this window last set whenever its menu
    // opens.
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        connect(menu, &QMenu::aboutToShow, this, [this] { EnableMenuItems(); });

    createControls();
    connectHandlers();
    resize(ContentWidth, ContentHeight + menuBar()->sizeHint().height());
}

GraphWindow::~GraphWindow()
{
    // Destroyed without being closed (the program ending): still not open.
    if (s_instance == this) {
        if (Window1 *main = Window1::existing())
            main->StatsOpen = false;
    }
}

ScoreHistory &GraphWindow::history()
{
    if (Window1 *main = Window1::existing())
        return main->hist;
    static ScoreHistory none;
    return none;
}

void GraphWindow::connectHandlers()
{
    connect(ResetButton, &QPushButton::clicked, this, &QWidget::close);
    for (QCheckBox *box : {CheckTicks, CheckColor, CheckShadow, CheckStraight})
        connect(box, &QCheckBox::toggled, this, &GraphWindow::redrawGraphs);
    connect(RadioGridGroup, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            redrawGraphs();
    });
}

void GraphWindow::Open()
{
    Window1 *main = Window1::existing();
    if (main) {
        main->StatsOpen = true;
        // The open handler gives every tag but the picture's.
        if (main->BoxMouse && main->BoxMouse->isChecked())
            applyHelpTags(true, false);
    }
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
}

void GraphWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (Window1 *main = Window1::existing())
        main->StatsOpen = false;
    // The next use makes a fresh window, even before this one is deleted.
    if (s_instance == this)
        s_instance = nullptr;
}

bool GraphWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        redrawGraphs();
    return QMainWindow::event(event);
}

void GraphWindow::keyPressEvent(QKeyEvent *event)
{
    // "Close" is the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ResetButton->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void GraphWindow::FillGraph()
{
    graphmodel::FillGraph(history());
}

void GraphWindow::EmptyGraph()
{
    graphmodel::EmptyGraph(history());
}

std::string GraphWindow::FormatSec(int seconds)
{
    return ::FormatSec(seconds);
}

void GraphWindow::redrawGraphs()
{
    for (GraphCanvasMember *canvas : GraphCanvas)
        canvas->update();
}

GraphOptions GraphWindow::options() const
{
    GraphOptions o;
    o.gridChoice = 1;
    for (int i = 0; i < 5; ++i)
        if (RadioGridSize[i]->isChecked())
            o.gridChoice = i;
    o.ticks = CheckTicks->isChecked();
    o.color = CheckColor->isChecked();
    o.shadow = CheckShadow->isChecked();
    o.straight = CheckStraight->isChecked();
    return o;
}

void GraphWindow::GraphCanvas_Paint(int index, QPainter &g)
{
    ::GraphCanvas_Paint(g, history(), options(), index);
}

void GraphWindow::GraphCanvas_MouseMove(int index, int x, int)
{
    if (!CheckMouse->isChecked())
        return;
    const std::optional<int> position = graphmodel::pointerPosition(x);
    if (!position)
        return;
    const int k = *position;
    if (k == LastX && index == LastY)
        return;
    LastX = k;
    LastY = index;

    const graphmodel::Readout r = graphmodel::readoutAt(history(), index, k);
    if (r.action == graphmodel::Readout::Hide) {
        hideReadout();
        return;
    }
    if (r.action == graphmodel::Readout::Keep)
        return;
    StaticText1->setText(QString::fromStdString(r.value));
    StaticText1->move(r.textLeft, r.textTop);
    Canvas1->setGeometry(r.boxLeft, r.boxTop, r.boxWidth, Canvas1->height());
    Line5->setGeometry(r.lineX, r.lineTop, 1, r.lineBottom - r.lineTop + 1);
    Oval1->move(r.ovalLeft, r.ovalTop);
    Staticnumber->setText(QString::fromStdString(r.number));
    // Entry numbers of three digits need a little more than the design's 17.
    Staticnumber->resize(std::max(17, Staticnumber->sizeHint().width()), Staticnumber->height());
    Staticnumber->move(r.numberLeft, r.numberTop);
    for (QWidget *w : std::initializer_list<QWidget *>{Line5, Canvas1, StaticText1, Staticnumber,
                                                       Oval1})
        w->show();
}

void GraphWindow::GraphCanvas_MouseExit(int)
{
    hideReadout();
    LastX = -1;
}

void GraphWindow::hideReadout()
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{StaticText1, Canvas1, Oval1, Line5, Staticnumber})
        w->hide();
}

void GraphWindow::setHelpTags(bool on)
{
    applyHelpTags(on, true);
}

void GraphWindow::applyHelpTags(bool on, bool withAutoButton)
{
    auto tag = [on](QWidget *w, const char *text) {
        w->setToolTip(on ? QString::fromUtf8(text) : QString());
    };
    tag(GroupBox5, "Sets the spacing (units) of grid lines. ");
    if (withAutoButton)
        tag(AutoButton1, "Displays Z.A.R.N. instructions.");
    for (QWidget *w : std::initializer_list<QWidget *>{CheckTicks, StaticGridSize[5]})
        tag(w, "Draws dots at the intersection of each entry.");
    for (QWidget *w : std::initializer_list<QWidget *>{CheckColor, StaticGridSize[6]})
        tag(w, "Use black or colors (green/excellent, red/poor).");
    for (QWidget *w : std::initializer_list<QWidget *>{CheckShadow, StaticGridSize[8]})
        tag(w, "Draws a \"drop shadow\" behind the graph line.");
    for (QWidget *w : std::initializer_list<QWidget *>{CheckStraight, StaticGridSize[7]})
        tag(w, "Draws straight or curved lines.");
    for (QWidget *w : std::initializer_list<QWidget *>{CheckMouse, StaticGridSize[9]})
        tag(w, "When selected, moving the mouse over a graph entry will display its exact value");
    tag(ResetButton, "Closes this Stats Window");
}

bool GraphWindow::aboutZARN_Action()
{
    showWindow(AquaAboutBox::instance());
    return false;
}

bool GraphWindow::ZARNLic_Action()
{
    showWindow(License::instance());
    return false;
}

bool GraphWindow::instructionsmenu_Action()
{
    showWindow(InfoWindow::instance());
    return false;
}

bool GraphWindow::MouseTipsMenu_Action()
{
    if (Window1 *main = Window1::existing())
        main->BoxMouse->setChecked(!main->BoxMouse->isChecked());
    return false;
}

void GraphWindow::EnableMenuItems()
{
    Window1 *main = Window1::existing();
    const bool on = main && main->BoxMouse && main->BoxMouse->isChecked();
    Menu::instance().setMouseTipsText(on ? QStringLiteral("Turn Mouse Tips OFF")
                                         : QStringLiteral("Turn Mouse Tips ON"));
}
