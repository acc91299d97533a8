#include "stats/GraphWindowContent.h"

#include "app/Picture.h"
#include "app/Pictures.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

GraphWindowContent::GraphWindowContent(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GraphWindowContent"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void GraphWindowContent::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (Picture *backdrop = Pics::Graphs2h())
        backdrop->draw(p, 0, 0);
}

bool GraphWindowContent::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    // The topmost mouse-transparent control under the pointer that has a tag.
    const QObjectList &kids = children();
    for (auto it = kids.crbegin(); it != kids.crend(); ++it) {
        auto *w = qobject_cast<QWidget *>(*it);
        if (!w || !w->isVisible() || !w->testAttribute(Qt::WA_TransparentForMouseEvents) ||
            w->toolTip().isEmpty() || !w->geometry().contains(help->pos()))
            continue;
        QToolTip::showText(help->globalPos(), w->toolTip(), w);
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}
