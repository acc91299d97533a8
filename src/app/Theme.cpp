#include "app/Theme.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOption>
#include <QStyleFactory>
#include <QWidget>

#include <memory>
#include <vector>

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

// The palettes seen so far, one per set of colours. A program draws with a
// handful; past the limit a palette is used as it comes.
QPalette steadyPalette(const QPalette &palette)
{
    static std::vector<QPalette> known;
    // The style also asks which colours were set on purpose (the resolve
    // mask), so that must match too.
    for (const QPalette &p : known)
        if (p == palette && p.resolveMask() == palette.resolveMask())
            return p;
    if (known.size() < 32)
        known.push_back(palette);
    return palette;
}

// Lends the option a steady palette of the same colours for one drawing call.
class SteadyOption
{
public:
    explicit SteadyOption(const QStyleOption *option)
    {
        if (!option)
            return;
        const QPalette steady = steadyPalette(option->palette);
        if (steady.cacheKey() == option->palette.cacheKey())
            return;
        // The options are the callers' own temporaries, lent for the call;
        // the palette put in has the same colours and goes back afterwards.
        m_option = const_cast<QStyleOption *>(option);
        m_saved = m_option->palette;
        m_option->palette = steady;
        m_option->palette.setCurrentColorGroup(m_saved.currentColorGroup());
    }
    ~SteadyOption()
    {
        if (m_option)
            m_option->palette = m_saved;
    }
    SteadyOption(const SteadyOption &) = delete;
    SteadyOption &operator=(const SteadyOption &) = delete;

private:
    QStyleOption *m_option = nullptr;
    QPalette m_saved;
};

class FocusRingStyle : public SteadyPaletteStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        SteadyPaletteStyle::drawControl(element, option, painter, widget);
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

SteadyPaletteStyle::SteadyPaletteStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

void SteadyPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                       const QWidget *widget) const
{
    const SteadyOption steady(option);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SteadyPaletteStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    const SteadyOption steady(option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SteadyPaletteStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                            QPainter *painter, const QWidget *widget) const
{
    const SteadyOption steady(option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QStyle *focusRingStyle()
{
    static QStyle *style = [] {
        auto *s = new FocusRingStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}
