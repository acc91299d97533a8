#include "stats/GraphWindow.h"

#include <QPointer>

// Stand-in: the full window is being built separately.
namespace {
QPointer<GraphWindow> s_instance;
}

GraphWindow::GraphWindow()
{
    setObjectName(QStringLiteral("GraphWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
}

GraphWindow *GraphWindow::instance()
{
    if (!s_instance)
        s_instance = new GraphWindow;
    return s_instance.data();
}

GraphWindow *GraphWindow::existing()
{
    return s_instance.data();
}

void GraphWindow::FillGraph() {}
void GraphWindow::EmptyGraph() {}
void GraphWindow::redrawGraphs() {}
void GraphWindow::setHelpTags(bool) {}
