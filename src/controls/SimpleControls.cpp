#include "controls/SimpleControls.h"

#include "app/Picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

bool HeldPress::losesRelease(const QWidget *w, const QEvent *e)
{
    return e->type() == QEvent::Hide || (e->type() == QEvent::EnabledChange && !w->isEnabled());
}

namespace {

// For the hide and change events of a control that reports its presses.
template <class Control>
void letGoIfLost(Control *control, HeldPress &press, const QEvent *e)
{
    if (HeldPress::losesRelease(control, e) && press.release())
        Q_EMIT control->mouseUp(press.at().x(), press.at().y());
}

} // namespace

void makeMouseTransparent(QWidget *w)
{
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setFocusPolicy(Qt::NoFocus);
}

LineControl::LineControl(QWidget *parent, QPoint from, QPoint to, QColor colour, int width)
    : QWidget(parent), m_colour(colour), m_width(width)
{
    const int left = std::min(from.x(), to.x());
    const int top = std::min(from.y(), to.y());
    const int w = std::abs(from.x() - to.x()) + width;
    const int h = std::abs(from.y() - to.y()) + width;
    setGeometry(left, top, w, h);
    m_from = from - QPoint(left, top);
    m_to = to - QPoint(left, top);
    makeMouseTransparent(this);
}

void LineControl::setColour(const QColor &c)
{
    m_colour = c;
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_from.x() == m_to.x() || m_from.y() == m_to.y()) {
        // Straight rules are filled exactly, so they stay one pixel wide.
        p.fillRect(QRect(m_from, m_to).normalized().adjusted(0, 0, m_width - 1, m_width - 1),
                   m_colour);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_colour, m_width));
    p.drawLine(QPointF(m_from) + QPointF(0.5, 0.5), QPointF(m_to) + QPointF(0.5, 0.5));
}

OvalControl::OvalControl(QWidget *parent) : QWidget(parent)
{
    makeMouseTransparent(this);
}

void OvalControl::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal inset = borderWidth / 2.0;
    QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    p.setBrush(fillColour.isValid() ? QBrush(fillColour) : Qt::NoBrush);
    p.setPen(borderWidth > 0 ? QPen(borderColour, borderWidth) : Qt::NoPen);
    p.drawEllipse(r);
}

RoundRectControl::RoundRectControl(QWidget *parent) : QWidget(parent)
{
    makeMouseTransparent(this);
}

void RoundRectControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal inset = borderColour.isValid() ? borderWidth / 2.0 : 0;
    QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    p.setBrush(fillColour);
    p.setPen(borderColour.isValid() ? QPen(borderColour, borderWidth) : Qt::NoPen);
    p.drawRoundedRect(r, cornerWidth / 2.0, cornerHeight / 2.0);
}

PictureCanvas::PictureCanvas(QWidget *parent, Picture *picture)
    : QWidget(parent), m_picture(picture)
{
}

void PictureCanvas::setPicture(Picture *picture)
{
    m_picture = picture;
    update();
}

void PictureCanvas::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    QPainter p(this);
    m_picture->draw(p, 0, 0);
}

void PictureCanvas::mousePressEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    m_press.pressed(pos);
    Q_EMIT mouseDown(pos.x(), pos.y());
}

void PictureCanvas::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    m_press.release();
    Q_EMIT mouseUp(pos.x(), pos.y());
}

void PictureCanvas::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    letGoIfLost(this, m_press, e);
}

void PictureCanvas::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    letGoIfLost(this, m_press, e);
}

ImageWell::ImageWell(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    makeMouseTransparent(this);
}

PressCheckBox::PressCheckBox(QWidget *parent, const QString &text) : QCheckBox(text, parent) {}

QRect PressCheckBox::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
}

void PressCheckBox::mousePressEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    m_press.pressed(pos);
    Q_EMIT mouseDown(pos.x(), pos.y());
    if (takesPress)
        e->accept();
    else
        QCheckBox::mousePressEvent(e);
}

void PressCheckBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (takesPress)
        e->accept();
    else
        QCheckBox::mouseReleaseEvent(e);
    const QPoint pos = e->position().toPoint();
    m_press.release();
    Q_EMIT mouseUp(pos.x(), pos.y());
}

void PressCheckBox::hideEvent(QHideEvent *e)
{
    QCheckBox::hideEvent(e);
    letGoIfLost(this, m_press, e);
}

void PressCheckBox::changeEvent(QEvent *e)
{
    QCheckBox::changeEvent(e);
    letGoIfLost(this, m_press, e);
}

void PressCheckBox::mouseMoveEvent(QMouseEvent *e)
{
    if (takesPress)
        e->accept();
    else
        QCheckBox::mouseMoveEvent(e);
}

void PressCheckBox::keyPressEvent(QKeyEvent *e)
{
    if (!takesPress) {
        QCheckBox::keyPressEvent(e);
        return;
    }
    // A box whose presses are taken is pressed from the keyboard as a click
    // on its square would press it; other keys do not toggle it.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Select) {
        e->accept();
        const QPoint centre = indicatorRect().center();
        Q_EMIT mouseDown(centre.x(), centre.y());
        Q_EMIT mouseUp(centre.x(), centre.y());
        return;
    }
    e->ignore();
}

PressRadioButton::PressRadioButton(QWidget *parent, const QString &text)
    : QRadioButton(text, parent)
{
}

void PressRadioButton::mousePressEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    m_press.pressed(pos);
    Q_EMIT mouseDown(pos.x(), pos.y());
    if (takesPress)
        e->accept();
    else
        QRadioButton::mousePressEvent(e);
}

void PressRadioButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (takesPress)
        e->accept();
    else
        QRadioButton::mouseReleaseEvent(e);
    const QPoint pos = e->position().toPoint();
    m_press.release();
    Q_EMIT mouseUp(pos.x(), pos.y());
}

void PressRadioButton::hideEvent(QHideEvent *e)
{
    QRadioButton::hideEvent(e);
    letGoIfLost(this, m_press, e);
}

void PressRadioButton::changeEvent(QEvent *e)
{
    QRadioButton::changeEvent(e);
    letGoIfLost(this, m_press, e);
}

void PressRadioButton::mouseMoveEvent(QMouseEvent *e)
{
    if (takesPress)
        e->accept();
    else
        QRadioButton::mouseMoveEvent(e);
}

void PressRadioButton::keyPressEvent(QKeyEvent *e)
{
    if (takesPress)
        e->ignore();
    else
        QRadioButton::keyPressEvent(e);
}
