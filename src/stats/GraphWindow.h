#pragma once

#include "app/Menu.h"
#include "stats/GraphPainter.h"

#include <QMainWindow>

#include <array>
#include <string>

class GraphCanvasMember;
class GraphWindowContent;
class LineControl;
class OvalControl;
class PictureCanvas;
class RoundRectControl;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
struct ScoreHistory;

// The "Stats" window: four graphs of the test score history above a dark
// option bar, with a read-out of the entry under the pointer.
class GraphWindow : public QMainWindow, public MenuTarget
{
    Q_OBJECT
public:
    // The one live window, created (and opened) on first use.
    static GraphWindow *instance();
    static GraphWindow *existing();
    ~GraphWindow() override;

    // Loads the demonstration history / empties the history (no redraw).
    void FillGraph();
    void EmptyGraph();
    // Redraws the four graphs from the main window's history.
    void redrawGraphs();
    // Sets (on) or clears (off) the help tags of this window's controls.
    void setHelpTags(bool on);

    static std::string FormatSec(int seconds);

    // The options as the controls show them now.
    GraphOptions options() const;

    // ---- Properties ----
    // Shown position and graph last handled by the read-out; -1 makes the
    // first move over a graph always show it.
    int LastX = -1;
    int LastY = -1;

    // ---- Controls, in creation order ----
    RoundRectControl *RoundRectangle1 = nullptr;
    std::array<GraphCanvasMember *, 4> GraphCanvas{};
    QPushButton *ResetButton = nullptr;
    QCheckBox *CheckTicks = nullptr;
    std::array<QLabel *, 11> StaticGridSize{};
    std::array<QRadioButton *, 5> RadioGridSize{};
    QButtonGroup *RadioGridGroup = nullptr;
    LineControl *Line1 = nullptr;
    LineControl *Line2 = nullptr;
    LineControl *Line3 = nullptr;
    QCheckBox *CheckColor = nullptr;
    QCheckBox *CheckStraight = nullptr;
    QCheckBox *CheckShadow = nullptr;
    QWidget *Canvas1 = nullptr;
    QLabel *StaticText1 = nullptr;
    QCheckBox *CheckMouse = nullptr;
    QGroupBox *GroupBox5 = nullptr;
    QGroupBox *GroupBox7 = nullptr;
    LineControl *Line4 = nullptr;
    QLabel *Staticnumber = nullptr;
    QWidget *Line5 = nullptr;
    OvalControl *Oval1 = nullptr;
    PictureCanvas *AutoButton1 = nullptr;
    std::array<QGroupBox *, 4> GroupBox{}; // GroupBox1 .. GroupBox4

    // ---- Handlers ----
    void GraphCanvas_Paint(int index, QPainter &g);
    void GraphCanvas_MouseMove(int index, int x, int y);
    void GraphCanvas_MouseExit(int index);

    // Menu commands.
    bool aboutZARN_Action() override;
    bool ZARNLic_Action() override;
    bool instructionsmenu_Action() override;
    bool MouseTipsMenu_Action() override;
    void EnableMenuItems() override;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    GraphWindow();
    void createControls();
    void connectHandlers();
    void Open();
    void applyHelpTags(bool on, bool withAutoButton);
    void hideReadout();
    static ScoreHistory &history();

    GraphWindowContent *m_content = nullptr;
};
