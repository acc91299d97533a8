#include "app/Theme.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOption>
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

namespace {

class FocusRingStyle : public QProxyStyle
{
public:
    FocusRingStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton && (option->state & State_HasFocus)) {
            painter->save();
            QPen pen(option->palette.color(QPalette::WindowText), 1, Qt::DotLine);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(3, 3, -4, -4));
            painter->restore();
        }
    }
};

} // namespace

QStyle *focusRingStyle()
{
    static QStyle *style = [] {
        auto *s = new FocusRingStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}
