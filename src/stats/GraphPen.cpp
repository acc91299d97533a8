#include "stats/GraphPen.h"

#include <QPainter>

#include <cstdlib>

void GraphPen::point(int x, int y)
{
    m_g.fillRect(x, y, m_w, m_p, m_color);
}

void GraphPen::line(int x1, int y1, int x2, int y2)
{
    // Integer stepping, so which pixels a slanted line paints does not depend
    // on the painter's rasteriser.
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1;
    int y = y1;
    for (;;) {
        point(x, y);
        if (x == x2 && y == y2)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}
