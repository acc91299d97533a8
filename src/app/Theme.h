#pragma once

#include <QPalette>
#include <QProxyStyle>

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

// Fusion for the program's controls, drawn with steady palettes. The style
// keeps pixmaps of what it drew in Qt's pixmap cache under names made of the
// state, the size and the identity of the palette; the palette of a control
// that has colours of its own gets a new identity in every window made, and
// the cache keeps every name it has ever held, evicted or not. Each drawing
// call here swaps the option's palette for the first palette of the same
// colours seen, so the names repeat and the cache stays the size of what the
// program shows instead of growing with every window opened.
class SteadyPaletteStyle : public QProxyStyle
{
public:
    SteadyPaletteStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};
