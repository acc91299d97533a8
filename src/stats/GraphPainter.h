#pragma once

#include "quiz/ScoreHistory.h"

class QPainter;

// The display options of the Stats window, read at paint time.
struct GraphOptions
{
    // RadioGridSize member: 0..3 spacing 10, 20, 33.3, 50; 4 no grid.
    int gridChoice = 1;
    bool ticks = false;    // dots at the entries
    bool color = true;     // colour ramp instead of black
    bool shadow = true;    // drop shadow
    bool straight = false; // straight instead of curved segments
};

// Paints graph canvas `index` (0..3) completely into g, a 630 x 120 surface
// in canvas coordinates: background, grid, the series, dots and labels.
void GraphCanvas_Paint(QPainter &g, const ScoreHistory &history, const GraphOptions &options,
                       int index);
