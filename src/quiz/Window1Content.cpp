#include "quiz/Window1Content.h"

#include "app/Picture.h"
#include "quiz/Window1.h"

#include <QCheckBox>
#include <QPainter>

Window1Content::Window1Content(Window1 *window) : QWidget(window), m_window(window)
{
    setObjectName(QStringLiteral("Window1Content"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xBE, 0xC0, 0xBC));
    setPalette(pal);
}

void Window1Content::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (Picture *backdrop = m_window->backdrop())
        backdrop->draw(p, 0, 0);
    if (m_window->BoxShow && m_window->BoxShow->isChecked()) {
        // A two-pixel white frame around the keyboard.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(35.5, 435.5, 677, 84), 8, 8);
        p.drawRoundedRect(QRectF(36.5, 436.5, 675, 82), 8, 8);
    }
}
