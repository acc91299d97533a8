#include "app/Theme.h"

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>

QPalette lightPalette()
{
    static const QPalette palette = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette pal = fusion ? fusion->standardPalette() : QPalette(QColor(0xEF, 0xEF, 0xEF));
        // Every role is set explicitly, so nothing is taken from the
        // application's palette when a widget resolves its own.
        for (int g = 0; g < QPalette::NColorGroups; ++g) {
            const auto group = static_cast<QPalette::ColorGroup>(g);
            for (int r = 0; r < QPalette::NColorRoles; ++r) {
                const auto role = static_cast<QPalette::ColorRole>(r);
                if (role == QPalette::NoRole)
                    continue;
                pal.setBrush(group, role, pal.brush(group, role));
            }
        }
        return pal;
    }();
    return palette;
}

void keepLightColours(QWidget *window)
{
    window->setPalette(lightPalette());
}
