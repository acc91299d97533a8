#pragma once

#include <QFont>
#include <QLatin1String>
#include <QString>

// A font of the main window's design. Sizes are pixels (the design's points
// at 72 dpi). "System" is the default UI font; other families fall back to
// it where the system lacks them.
inline QFont designFont(const char *family, int pixels, bool bold = false)
{
    QFont font;
    const QLatin1String name(family);
    if (name.compare(QLatin1String("system"), Qt::CaseInsensitive) != 0)
        font.setFamilies({QString(name), font.family()});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
