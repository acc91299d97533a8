#pragma once

#include <QMainWindow>

// The "Stats" window: four graphs of the test score history.
class GraphWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The one live window, created (and opened) on first use.
    static GraphWindow *instance();
    static GraphWindow *existing();

    // Loads the demonstration history / empties the history (no redraw).
    void FillGraph();
    void EmptyGraph();
    // Redraws the four graphs from the main window's history.
    void redrawGraphs();
    // Sets (on) or clears (off) the help tags of this window's controls.
    void setHelpTags(bool on);

private:
    GraphWindow();
};
