#include "stats/GraphCanvasMember.h"

#include "stats/GraphWindow.h"

#include <QMouseEvent>
#include <QPainter>

GraphCanvasMember::GraphCanvasMember(GraphWindow *window, int index, QWidget *parent)
    : QWidget(parent), m_window(window), m_index(index)
{
    // The read-out follows the pointer without a button held.
    setMouseTracking(true);
}

void GraphCanvasMember::paintEvent(QPaintEvent *)
{
    QPainter g(this);
    m_window->GraphCanvas_Paint(m_index, g);
}

void GraphCanvasMember::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF pos = event->position();
    m_window->GraphCanvas_MouseMove(m_index, static_cast<int>(pos.x()), static_cast<int>(pos.y()));
}

void GraphCanvasMember::leaveEvent(QEvent *)
{
    m_window->GraphCanvas_MouseExit(m_index);
}
