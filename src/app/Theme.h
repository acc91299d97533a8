#pragma once

#include <QPalette>

class QStyle;
class QWidget;

// The program draws its windows on light backdrops of its own, so it keeps
// light colours for its controls whatever the desktop theme is: a dark
// desktop palette would put light text on those light backdrops.
QPalette lightPalette();

// Gives a window of the program the light palette, so that it and its
// controls no longer follow the application's (desktop's) palette.
void keepLightColours(QWidget *window);

// A style for push buttons whose focus must show apart from the default
// button's look: a dotted ring inside the button while it has the focus.
QStyle *focusRingStyle();
