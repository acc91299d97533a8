#include "info/BackdropPanel.h"

#include "app/Picture.h"

#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

BackdropPanel::BackdropPanel(QWidget *parent, const QColor &background, Picture *backdrop)
    : QWidget(parent), m_background(background), m_backdrop(backdrop)
{
}

BackdropPanel *BackdropPanel::install(QWidget *window, QMenuBar *bar, QSize size,
                                      const QColor &background, Picture *backdrop)
{
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *panel = new BackdropPanel(window, background, backdrop);
    panel->setFixedSize(size);
    layout->addWidget(panel);
    return panel;
}

void BackdropPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    if (m_backdrop)
        m_backdrop->draw(p, 0, 0);
}

void BackdropPanel::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->position().toPoint());
    event->accept();
}
