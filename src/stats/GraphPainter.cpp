#include "stats/GraphPainter.h"

#include "stats/GraphModel.h"
#include "stats/GraphPen.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

using graphmodel::Kind;
using graphmodel::Series;

constexpr int W = graphmodel::CanvasWidth;  // every canvas is as wide as member 0
constexpr int H = graphmodel::CanvasHeight; // and as high
const QColor Background(0xF6, 0xF6, 0xF6);
const QColor GridColor(0xD3, 0xD5, 0xC7);
const QColor DotShadow(0xE1, 0xE1, 0xE1);
const QColor LineShadow(0xC3, 0xC7, 0xC7);
const QColor PlusShadow(0x8F, 0x8F, 0x8F);

int trunc(double v)
{
    return static_cast<int>(v);
}

int component(int v)
{
    return std::clamp(v, 0, 255);
}

struct Context
{
    QPainter &g;
    GraphPen pen;
    const GraphOptions &options;
};

// Lines and bars: green at the top row of 100 %, red at the baseline.
QColor rowColor(const Context &c, int y)
{
    if (!c.options.color)
        return Qt::black;
    const double d = y - 10;
    return QColor(component(trunc(d * 2.55)), component(trunc(200 - (d * 200) * 0.01)), 0);
}

// Dots are a little brighter than the lines at the same height.
QColor dotColor(const Context &c, double h)
{
    if (!c.options.color)
        return Qt::black;
    const double t = 100 - h;
    return QColor(component(trunc(t * 2.55)), component(trunc(255 - (t * 200) * 0.01)), 0);
}

void fillOval(QPainter &g, int left, int top, int w, int h, const QColor &color)
{
    g.setPen(Qt::NoPen);
    g.setBrush(color);
    g.drawEllipse(QRect(left, top, w, h));
}

void frameOval(QPainter &g, int left, int top, int w, int h, const QColor &color)
{
    // A one-pixel outline inside the same w x h box as fillOval.
    g.setPen(QPen(color, 1));
    g.setBrush(Qt::NoBrush);
    g.drawEllipse(QRect(left, top, w - 1, h - 1));
}

void fillBackground(QPainter &g)
{
    g.setPen(Qt::NoPen);
    g.setBrush(Background);
    g.drawRoundedRect(QRect(1, 1, W - 1, H - 1), 4, 4);
}

void DrawWhite(Context &c)
{
    fillBackground(c.g);
}

void DrawGrid(Context &c)
{
    static constexpr double Spacing[] = {10, 20, 33.333, 50};
    const double spacing = Spacing[std::clamp(c.options.gridChoice, 0, 3)];
    fillBackground(c.g);
    c.pen.setSize(1, 1);
    c.pen.setColor(GridColor);
    // The last row may lie above the canvas (0 for 10, -23 for 33.3).
    double y = H - 10;
    while (y > 0) {
        y -= spacing;
        c.pen.line(30, trunc(y), W, trunc(y));
    }
    // One vertical line per shown position, whatever the spacing.
    for (int x = 30; x < W; x += 20)
        c.pen.line(x, 10, x, H - 10);
}

// The below-range arrow of shown position s + 1: its shadow, then the arrow.
void DrawPlus(Context &c, int s)
{
    const int x0 = 20 * s;
    GraphPen &p = c.pen;
    p.setColor(PlusShadow);
    p.setSize(2, 1);
    p.line(x0 + 51, 109, x0 + 51, 98);
    p.setSize(1, 1);
    p.line(x0 + 51, 109, x0 + 47, 105);
    p.line(x0 + 50, 107, x0 + 48, 105);
    p.line(x0 + 52, 109, x0 + 56, 105);
    p.line(x0 + 53, 107, x0 + 55, 105);

    p.setColor(c.options.color ? QColor(255, 0, 0) : QColor(Qt::black));
    p.setSize(2, 1);
    p.line(x0 + 49, 108, x0 + 49, 97);
    p.setSize(1, 1);
    p.line(x0 + 49, 108, x0 + 45, 104);
    p.line(x0 + 48, 106, x0 + 46, 104);
    p.line(x0 + 50, 108, x0 + 54, 104);
    p.line(x0 + 51, 106, x0 + 53, 104);
}

// A vertical bar from the baseline up to height h, one row ramp colour per row.
void rampBar(Context &c, int x, double h)
{
    c.pen.setSize(2, 1);
    for (int y = 110; y >= 109 - h; --y) {
        c.pen.setColor(rowColor(c, y));
        c.pen.point(x, y);
    }
}

void shadowLine(Context &c, int x1, int y1, int x2, int y2)
{
    c.pen.setColor(LineShadow);
    c.pen.setSize(3, 3);
    c.pen.line(x1, y1, x2, y2);
}

void drawSegment(Context &c, int x0, double A, double B, int &previousY)
{
    const bool straight = c.options.straight;
    for (int j = 1; j <= 20; ++j) {
        const int x = x0 + j;
        // Curved: an S-shaped half wave from height A to very nearly B.
        const int y = straight ? trunc(110 - (A + (B - A) * j * 0.05))
                               : trunc((A - B) * 0.5 * std::sin((j - 10) * 0.17) +
                                       (110 - (A + B) * 0.5));
        if (c.options.shadow) {
            const int shift = straight ? 1 : 0;
            shadowLine(c, x + 29 + shift, previousY, x + 30 + shift, y);
        }
        c.pen.setColor(rowColor(c, y));
        c.pen.setSize(2, 1);
        c.pen.line(x + 28, previousY - 1, x + 29, y - 1);
        previousY = y;
    }
}

void drawLabels(Context &c, Kind kind, int e)
{
    QFont font;
    // Falls back to the default font where the system lacks the face.
    font.setFamilies({QStringLiteral("Times new roman"), font.family()});
    font.setPixelSize(9);
    c.g.setFont(font);
    c.g.setPen(Qt::black);
    // Under positions 9, 19 and 29: the (e + 10)-th entry and so on.
    c.g.drawText(QPoint(205, 119), QString::number(e + 10));
    c.g.drawText(QPoint(405, 119), QString::number(e + 20));
    c.g.drawText(QPoint(605, 119), QString::number(e + 30));
    if (kind == Kind::Percentage) {
        c.g.drawText(QPoint(10, 13), QStringLiteral("100"));
        c.g.drawText(QPoint(15, 63), QStringLiteral("50"));
        c.g.drawText(QPoint(21, 113), QStringLiteral("0"));
    } else {
        c.g.drawText(QPoint(11, 13), QStringLiteral("0m"));
        c.g.drawText(QPoint(11, 33), QStringLiteral("2m"));
        c.g.drawText(QPoint(11, 53), QStringLiteral("4m"));
        c.g.drawText(QPoint(11, 73), QStringLiteral("6m"));
        c.g.drawText(QPoint(11, 93), QStringLiteral("8m"));
        c.g.drawText(QPoint(8, 113), QStringLiteral("10m"));
    }
}

void GraphIt(Context &c, Kind kind, const Series &values, int count)
{
    count = std::min(count, static_cast<int>(values.size()));
    const graphmodel::ShownRange range = graphmodel::shownRange(count);
    if (range.empty())
        return;
    const double f = kind == Kind::Percentage ? 1.0 : graphmodel::TimeScale;
    const int e = range.first;
    const int n = range.lastSegment;
    const GraphOptions &o = c.options;
    auto v = [&](int i) { return values[i]; };

    if (o.ticks && o.shadow) {
        for (int i = -1; i <= n; ++i)
            fillOval(c.g, 20 * i + 50, trunc((100 - v(e + i + 1) * f) + 9), 6, 6, DotShadow);
    }

    // The line starts from the first end bar's top; without one from row 0.
    int previousY = 0;
    const double first = v(e);
    if (graphmodel::hasEndBar(first)) {
        previousY = trunc(110 - first * f);
        if (o.shadow)
            shadowLine(c, 31, 110, 31, trunc(110 - first * f));
        rampBar(c, 29, first * f);
    }
    if (graphmodel::isBelowRange(first))
        DrawPlus(c, -1);

    for (int s = 0; s <= n; ++s) {
        const double a = v(e + s);
        const double b = v(e + s + 1);
        const double A = a * f;
        const double B = b * f;
        const int x0 = 20 * s;
        if (graphmodel::isEmpty(a)) {
            if (b == ScoreHistory::NoTime) {
                // nothing to join
            } else if (graphmodel::isBelowRange(b)) {
                DrawPlus(c, s);
            } else {
                // A rising bar at the new entry, from which the line goes on.
                if (o.shadow)
                    shadowLine(c, x0 + 51, 110, x0 + 51, trunc(110 - B));
                rampBar(c, x0 + 49, B);
                previousY = trunc(110 - B);
            }
        } else if (graphmodel::isEmpty(b)) {
            // A falling bar at the old entry.
            if (o.shadow)
                shadowLine(c, x0 + 31, 110, x0 + 31, trunc(110 - A));
            c.pen.setSize(2, 1);
            for (int y = trunc(109 - A); y <= 110; ++y) {
                c.pen.setColor(rowColor(c, y));
                c.pen.point(x0 + 29, y);
            }
            previousY = trunc(110 - B);
            if (graphmodel::isBelowRange(b))
                DrawPlus(c, s);
        } else {
            drawSegment(c, x0, A, B, previousY);
        }
    }

    const double last = v(count - 1);
    if (graphmodel::hasEndBar(last)) {
        const int xb = 20 * (n + 1);
        if (o.shadow)
            shadowLine(c, xb + 31, 111, xb + 31, trunc(111 - last * f));
        rampBar(c, xb + 29, last * f);
    }

    c.pen.setSize(1, 1);
    c.pen.setColor(Qt::black);
    c.pen.line(29, 110, 630, 110);

    // Wide pens reach below the baseline; this strip takes that away.
    c.g.fillRect(28, 111, 597, 120, Background);

    if (o.ticks) {
        for (int i = -1; i <= n; ++i) {
            const double h = v(e + i + 1) * f;
            const int left = 20 * i + 47;
            const int top = trunc((100 - h) + 7);
            fillOval(c.g, left, top, 6, 6, dotColor(c, h));
            frameOval(c.g, left, top, 6, 6, Qt::black);
        }
    }

    drawLabels(c, kind, e);
}

} // namespace

void GraphCanvas_Paint(QPainter &g, const ScoreHistory &history, const GraphOptions &options,
                       int index)
{
    g.save();
    g.setRenderHint(QPainter::Antialiasing, false);
    Context c{g, GraphPen(g), options};
    if (options.gridChoice == 4)
        DrawWhite(c);
    else
        DrawGrid(c);
    GraphIt(c, graphmodel::kind(index), graphmodel::series(history, index), history.Counter1);
    g.restore();
}
