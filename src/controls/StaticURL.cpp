#include "controls/StaticURL.h"

#include <QDesktopServices>
#include <QMouseEvent>

std::function<void(const QUrl &)> StaticURL::opener = [](const QUrl &url) {
    // Whatever the desktop can or cannot do with the address, the label
    // neither checks nor reports it.
    QDesktopServices::openUrl(url);
};

StaticURL::StaticURL(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setTextColour(RestColour);
}

QColor StaticURL::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void StaticURL::setTextColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void StaticURL::runOpen()
{
    setTextColour(RestColour);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    Q_EMIT Open();
}

void StaticURL::enterEvent(QEnterEvent *event)
{
    setTextColour(OverColour);
    QLabel::enterEvent(event);
}

void StaticURL::leaveEvent(QEvent *event)
{
    setTextColour(RestColour);
    QLabel::leaveEvent(event);
}

void StaticURL::mousePressEvent(QMouseEvent *event)
{
    setTextColour(PressedColour);
    // Taking the press keeps it from reaching the window behind the label.
    event->accept();
}

void StaticURL::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    // The border pixels do not count as inside.
    const bool inside = p.x() > 0 && p.x() < width() && p.y() > 0 && p.y() < height();
    if (inside)
        opener(QUrl(m_url.isEmpty() ? text() : m_url));
    setTextColour(RestColour);
    event->accept();
}
