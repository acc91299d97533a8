#pragma once

#include <QColor>

class QPainter;

// A pen of w x p pixels: a line paints a w x p block (extending right and
// down) at each of its points, so wide pens give exact, blocky lines.
class GraphPen
{
public:
    explicit GraphPen(QPainter &g) : m_g(g) {}

    void setSize(int w, int p)
    {
        m_w = w;
        m_p = p;
    }
    void setColor(const QColor &c) { m_color = c; }

    // All points from (x1, y1) to (x2, y2), both ends included.
    void line(int x1, int y1, int x2, int y2);
    void point(int x, int y);

private:
    QPainter &m_g;
    int m_w = 1;
    int m_p = 1;
    QColor m_color = Qt::black;
};
