#include "controls/AutoButton.h"

#include "app/Picture.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

QPoint pointerPixel(const QSinglePointEvent *event)
{
    const QPointF p = event->position();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

QImage whiteCanvas(int width, int height)
{
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

AutoButton::AutoButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

AutoButton::~AutoButton() = default;

std::unique_ptr<Picture> AutoButton::makePressedIcon(Picture *source) const
{
    QImage image = whiteCanvas(width(), height());
    if (source) {
        QPainter p(&image);
        source->draw(p, 0, 0);
    }
    auto face = std::make_unique<Picture>(image);
    face->setTransparent(true);
    return face;
}

std::unique_ptr<Picture> AutoButton::makeDisabledIcon(Picture *source) const
{
    QImage image = whiteCanvas(width(), height());
    if (source) {
        source->setTransparent(true);
        QPainter p(&image);
        source->draw(p, 0, 0);
    }
    QImage mask(image.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *m = mask.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            m[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? 255 : 125;
    }
    auto face = std::make_unique<Picture>(image);
    face->setMask(mask);
    face->setTransparent(true);
    return face;
}

void AutoButton::runOpen()
{
    Q_EMIT open();
    if (!backdrop)
        return;
    enabledIcon = backdrop;
    disabledIcon = makeDisabledIcon(backdrop);
    // Without a highlight picture the pressed face is a copy of the normal one.
    pressedIcon = makePressedIcon(temp ? temp : enabledIcon);
    if (!isEnabled())
        showFace(disabledIcon.get());
}

Picture *AutoButton::pressedFace()
{
    if (!pressedIcon)
        pressedIcon = makePressedIcon(enabledIcon);
    return pressedIcon.get();
}

void AutoButton::showFace(Picture *face)
{
    if (backdrop == face)
        return;
    backdrop = face;
    update();
}

void AutoButton::paintEvent(QPaintEvent *)
{
    if (!backdrop)
        return;
    QPainter p(this);
    backdrop->draw(p, 0, 0);
    if (hasFocus()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1, 1, width() - 2, height() - 2), 4, 4);
    }
}

void AutoButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    const bool wasNormal = backdrop == enabledIcon && enabledIcon;
    if (!Toggle) {
        if (wasNormal)
            showFace(pressedFace());
        return;
    }
    toggleOn = !toggleOn;
    showFace(wasNormal ? pressedFace() : enabledIcon);
}

void AutoButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (isEnabled() && !Toggle && enabledIcon)
        showFace(enabledIcon);
}

void AutoButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool wasNormal = backdrop == enabledIcon && enabledIcon;
    if (!Toggle) {
        if (wasNormal)
            showFace(pressedFace());
        m_tracking = true;
        Q_EMIT MouseDown();
        return;
    }
    toggleOn = !toggleOn;
    if (!wasNormal) {
        // A press on a toggle that is on turns it off at once.
        showFace(enabledIcon);
        m_tracking = false;
        Q_EMIT MouseDown();
        Q_EMIT MouseUp();
        return;
    }
    showFace(pressedFace());
    m_tracking = true;
    Q_EMIT MouseDown();
}

void AutoButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_tracking || !enabledIcon)
        return;
    const QPoint p = pointerPixel(event);
    const int w = width();
    const int h = height();
    // Pixel row and column 0 count neither as inside nor as outside here.
    if (backdrop == pressedIcon.get() && (p.x() < 0 || p.x() > w || p.y() < 0 || p.y() > h)) {
        showFace(enabledIcon);
        toggleOn = false;
    }
    if (backdrop == enabledIcon && p.x() > 0 && p.x() < w && p.y() > 0 && p.y() < h) {
        showFace(pressedFace());
        toggleOn = true;
    }
}

void AutoButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (!m_tracking)
        return;
    m_tracking = false;
    const QPoint p = pointerPixel(event);
    if (p.x() < 1 || p.x() >= width() || p.y() < 1 || p.y() >= height())
        return;
    if (isEnabled() && !Toggle && enabledIcon)
        showFace(enabledIcon);
    Q_EMIT Action();
}

void AutoButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter
        && event->key() != Qt::Key_Select) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!isEnabled())
        return;
    Q_EMIT MouseDown();
    Q_EMIT MouseUp();
    Q_EMIT Action();
}
