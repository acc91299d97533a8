#include "controls/cSquareMultiButton.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor OnColour(0x6B, 0xB0, 0xF6);
const QColor OffColour(0xFA, 0xFA, 0xFA);
const QColor TopLineColour(0x90, 0x90, 0x90);
const QColor FrameColour(0xA0, 0xA0, 0xA0);

int pixelOf(qreal channel)
{
    return std::clamp(static_cast<int>(std::trunc(channel)), 0, 255);
}

QPoint pointerPixel(const QMouseEvent *event)
{
    const QPointF p = event->position();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

} // namespace

cSquareMultiButton::cSquareMultiButton(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
}

cSquareMultiButton::~cSquareMultiButton() = default;

void cSquareMultiButton::runOpen()
{
    iMouseInButton = -1;
    if (height() != BarHeight)
        setFixedHeight(BarHeight);
    bUpdating = false;
    Q_EMIT Open();

    QImage veil(1, 1, QImage::Format_ARGB32);
    veil.fill(Qt::white);
    QImage veilMask(1, 1, QImage::Format_Grayscale8);
    veilMask.fill(QColor(0x7F, 0x7F, 0x7F));
    pDis = Picture(veil);
    pDis.setMask(veilMask);

    Render();
    bUpdating = true;
}

// ---- items ---------------------------------------------------------------

void cSquareMultiButton::insertEntry(int index, const QString &text, Picture *picture)
{
    sName.insert(index, text);
    iButtonLeft.insert(index, 0);
    iButtonWidth.insert(index, 0);
    iNameX.insert(index, 0);
    bButtonEnabled.insert(index, true);
    pButtonIcon.insert(index, picture);
    bButtonVal.insert(index, false);
    changed();
}

void cSquareMultiButton::Additem(const QString &text)
{
    insertEntry(static_cast<int>(sName.size()), text, nullptr);
}

void cSquareMultiButton::AddItem(Picture *picture)
{
    insertEntry(static_cast<int>(sName.size()), QString(), picture);
}

void cSquareMultiButton::InsertItem(const QString &text, int index)
{
    if (index >= 0 && index <= sName.size())
        insertEntry(index, text, nullptr);
}

void cSquareMultiButton::InsertItem(Picture *picture, int index)
{
    if (index >= 0 && index <= sName.size())
        insertEntry(index, QString(), picture);
}

void cSquareMultiButton::RemoveItem(int index)
{
    if (index < 0 || index >= sName.size())
        return;
    sName.removeAt(index);
    iButtonLeft.removeAt(index);
    iButtonWidth.removeAt(index);
    iNameX.removeAt(index);
    bButtonEnabled.removeAt(index);
    pButtonIcon.removeAt(index);
    bButtonVal.removeAt(index);
    changed();
}

void cSquareMultiButton::EnableButton(int index, bool enabled)
{
    if (index < 0 || index >= bButtonEnabled.size() || bButtonEnabled[index] == enabled)
        return;
    bButtonEnabled[index] = enabled;
    if (bUpdating)
        redraw();
}

bool cSquareMultiButton::setEnabledItems(const QList<int> &indices, bool enabled)
{
    bool any = false;
    for (int index : indices) {
        if (index >= 0 && index < bButtonEnabled.size() && bButtonEnabled[index] != enabled) {
            bButtonEnabled[index] = enabled;
            any = true;
        }
    }
    return any;
}

void cSquareMultiButton::EnableButtons(const QList<int> &indices)
{
    if (setEnabledItems(indices, true) && bUpdating)
        redraw();
}

void cSquareMultiButton::DisableButtons(const QList<int> &indices)
{
    if (setEnabledItems(indices, false) && bUpdating)
        redraw();
}

void cSquareMultiButton::PauseUpdates()
{
    bUpdating = false;
}

void cSquareMultiButton::ResumeUpdates()
{
    if (bUpdating) {
        redraw();
        return;
    }
    bUpdating = true;
    Render();
}

void cSquareMultiButton::changed()
{
    if (bUpdating)
        Render();
}

void cSquareMultiButton::redraw()
{
    update();
}

// ---- layout and drawing --------------------------------------------------

QFont cSquareMultiButton::captionFont() const
{
    QFont f = font();
    f.setPixelSize(11);
    return f;
}

void cSquareMultiButton::Render()
{
    for (int i = 0; i < sName.size(); ++i) {
        const bool symbol = sName[i] == QLatin1String("+") || sName[i] == QLatin1String("-");
        if (symbol && pButtonIcon.value(i) == nullptr) {
            m_symbols.push_back(MakeSymbol(sName[i] == QLatin1String("+")));
            pButtonIcon[i] = m_symbols.back().get();
        }
    }

    const QFontMetrics metrics(captionFont());
    const int h = height();
    iNameY = static_cast<int>(std::trunc(h / 2.0 + metrics.height() / 2.0 - 2));

    const auto n = sName.size();
    int x = 0;
    for (int i = 0; i < n; ++i) {
        int w = static_cast<int>(std::trunc(static_cast<double>(width()) / static_cast<double>(n)));
        w = std::max(w, MinItemWidth);
        iButtonWidth[i] = w;
        iButtonLeft[i] = x;
        const int captionWidth = metrics.horizontalAdvance(sName[i]);
        iNameX[i] = static_cast<int>(std::trunc(w / 2.0 - captionWidth / 2.0 + x + 1));
        x += w + 1; // one pixel for the separator
    }
}

bool cSquareMultiButton::isLive() const
{
    return isActiveWindow() && isEnabled();
}

void cSquareMultiButton::Draw(QPainter &g)
{
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setRenderHint(QPainter::TextAntialiasing, false);
    g.setRenderHint(QPainter::SmoothPixmapTransform, false);
    g.setFont(captionFont());

    const int w = width();
    const int h = height();
    const bool live = isLive();
    for (int i = 0; i < sName.size(); ++i) {
        const bool enabled = bButtonEnabled.value(i, true);
        const int left = iButtonLeft.value(i);
        const int itemWidth = iButtonWidth.value(i);
        const QColor colour = live && enabled && bButtonVal.value(i) ? OnColour : OffColour;
        FillBevelRect(g, left, 1, itemWidth, h - 2, colour);
        if (Picture *icon = pButtonIcon.value(i)) {
            icon->draw(g, left + 4, 4);
        } else {
            g.setRenderHint(QPainter::TextAntialiasing, true);
            g.setPen(Qt::black);
            g.drawText(iNameX.value(i), iNameY, sName[i]);
            g.setRenderHint(QPainter::TextAntialiasing, false);
        }
        if (!(live && enabled) && !pDis.image().isNull())
            pDis.draw(g, QRect(left, 1, itemWidth, h - 2));
    }

    g.setPen(TopLineColour);
    g.drawLine(0, 0, w, 0);
    g.setPen(FrameColour);
    g.setBrush(Qt::NoBrush);
    // The outline's bottom edge falls one pixel below the bar, as designed.
    g.drawRect(0, 1, w - 1, h - 1);
    for (int i = 1; i < iButtonLeft.size(); ++i)
        g.drawLine(iButtonLeft[i] - 1, 1, iButtonLeft[i] - 1, h - 2);
}

void cSquareMultiButton::FillBevelRect(QPainter &g, int x, int y, int w, int h,
                                       const QColor &colour)
{
    if (w <= 0 || h <= 0)
        return;
    QImage column(1, h, QImage::Format_RGB32);
    const int k = static_cast<int>(std::trunc(h / 2.8));

    // Upper band: from the colour itself, a little darker every row.
    qreal r = colour.red(), gr = colour.green(), b = colour.blue();
    const qreal darken = k > 0 ? 15.0 / k : 0.0;
    for (int row = 0; row <= k && row < h; ++row) {
        column.setPixel(0, row, qRgb(pixelOf(r), pixelOf(gr), pixelOf(b)));
        r -= darken;
        gr -= darken;
        b -= darken;
    }

    // Lower band: from 30 below the colour up toward a pale tint of it.
    float hue = 0, saturation = 0, value = 0;
    colour.getHsvF(&hue, &saturation, &value);
    const QColor light = QColor::fromHsvF(hue, std::max(0.0f, saturation - 0.2f), 1.0f);
    r = colour.red() - 30;
    gr = colour.green() - 30;
    b = colour.blue() - 30;
    const qreal steps = h - k;
    const qreal stepR = (light.redF() * 255 - r) / steps;
    const qreal stepG = (light.greenF() * 255 - gr) / steps;
    const qreal stepB = (light.blueF() * 255 - b) / steps;
    for (int row = k + 1; row < h; ++row) {
        column.setPixel(0, row, qRgb(pixelOf(r), pixelOf(gr), pixelOf(b)));
        r += stepR;
        gr += stepG;
        b += stepB;
    }

    const auto hints = g.renderHints();
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setRenderHint(QPainter::SmoothPixmapTransform, false);
    g.drawImage(QRect(x, y, w, h), column);
    g.setRenderHints(hints, true);
    g.setRenderHints(~hints, false);
}

std::unique_ptr<Picture> cSquareMultiButton::MakeSymbol(bool plus)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QImage mask(16, 16, QImage::Format_Grayscale8);
    mask.fill(Qt::white);
    {
        // The bars are drawn with a 2 x 2 pen that hangs below and to the right
        // of the line, so a bar from 4 to 10 covers pixels 4 to 11.
        QPainter p(&mask);
        p.fillRect(QRect(4, 7, 8, 2), Qt::black);
        if (plus)
            p.fillRect(QRect(7, 4, 2, 8), Qt::black);
    }
    auto symbol = std::make_unique<Picture>(image);
    symbol->setMask(mask);
    return symbol;
}

void cSquareMultiButton::paintEvent(QPaintEvent *)
{
    if (height() != BarHeight)
        setFixedHeight(BarHeight);
    QPainter g(this);
    Draw(g);
    if (hasFocus() && m_keyItem < iButtonLeft.size()) {
        // The item the keyboard works on is framed in the highlight colour.
        g.setRenderHint(QPainter::Antialiasing, false);
        g.setPen(QPen(palette().color(QPalette::Highlight), 2));
        g.setBrush(Qt::NoBrush);
        g.drawRect(QRect(iButtonLeft[m_keyItem] + 1, 2, iButtonWidth.value(m_keyItem) - 2,
                         height() - 4));
    }
}

void cSquareMultiButton::keyPressEvent(QKeyEvent *event)
{
    const int count = static_cast<int>(bButtonVal.size());
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (count > 0) {
            m_keyItem = std::clamp(m_keyItem + (event->key() == Qt::Key_Left ? -1 : 1), 0,
                                   count - 1);
            update();
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        if (m_keyItem < count && bButtonEnabled.value(m_keyItem) && isEnabled()) {
            bButtonVal[m_keyItem] = !bButtonVal[m_keyItem];
            Q_EMIT Action(m_keyItem);
            redraw();
        }
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void cSquareMultiButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

// ---- mouse ---------------------------------------------------------------

void cSquareMultiButton::MouseIn(int x, int y)
{
    int hit = -1;
    if (y >= 0 && y <= height()) {
        for (int i = 0; i < iButtonLeft.size(); ++i) {
            if (iButtonLeft[i] < x && x < iButtonLeft[i] + iButtonWidth.value(i)) {
                hit = i;
                break;
            }
        }
    }
    if (bMouseDown && hit != iMouseInButton) {
        iMouseInButton = hit;
        redraw();
    }
}

void cSquareMultiButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint p = pointerPixel(event);
    bMouseDown = true;
    iMouseInButton = -1;
    MouseIn(p.x(), p.y());
    if (MouseDown && MouseDown(p.x(), p.y(), iMouseInButton)) {
        bMouseDown = false;
        iMouseInButton = -1;
    }
}

void cSquareMultiButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = pointerPixel(event);
    MouseIn(p.x(), p.y());
    if (event->buttons() == Qt::NoButton)
        Q_EMIT MouseMove(p.x(), p.y(), iMouseInButton);
}

void cSquareMultiButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int item = iMouseInButton;
    bMouseDown = false;
    // A release over no item (or after the window took the press) does nothing.
    if (item < 0 || item >= bButtonVal.size())
        return;
    bButtonVal[item] = !bButtonVal[item];
    if (bButtonEnabled.value(item)) {
        Q_EMIT Action(item);
        redraw();
    }
}
