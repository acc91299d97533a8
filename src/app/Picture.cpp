#include "app/Picture.h"

#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>
#include <QSvgRenderer>
#include <QTransform>

#include <cmath>
#include <utility>

namespace {

// The images of pictures made from vector sources, by image key, so that a
// mask taken from such a picture's image() can be drawn from the same source.
QHash<qint64, QString> &sourcesByKey()
{
    static QHash<qint64, QString> sources;
    return sources;
}

// A handful of resolutions at most are in use at once (the screen's, a
// grab's); more than that means sizes come and go, so keep the newest.
constexpr std::size_t kCacheLimit = 4;

QImage renderSvg(QSvgRenderer &svg, const QSize &pixels, bool onWhite)
{
    QImage out(pixels, QImage::Format_ARGB32_Premultiplied);
    out.fill(onWhite ? Qt::white : Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, pixels.width(), pixels.height()));
    return out;
}

// An opaque ARGB32 image reads the same as a premultiplied one: its pixels
// seen as that format, shared rather than copied. The view holds a reference
// to the image, so a later write into the picture copies instead of changing
// what was drawn.
QImage premultipliedView(const QImage &opaque)
{
    auto *held = new QImage(opaque);
    return QImage(held->constBits(), held->width(), held->height(), held->bytesPerLine(),
                  QImage::Format_ARGB32_Premultiplied, [](void *info) { delete static_cast<QImage *>(info); },
                  held);
}

void removeWhite(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == 0xFFFFFFFFu)
                line[x] = 0;
    }
}

} // namespace

Picture::Picture(QImage image, QString source)
    : m_image(std::move(image).convertToFormat(QImage::Format_ARGB32)),
      m_source(std::move(source))
{
    if (!m_source.isEmpty()) {
        m_sourceKey = m_image.cacheKey();
        sourcesByKey().insert(m_sourceKey, m_source);
    }
}

Picture *Picture::fromSvg(const QString &source)
{
    QSvgRenderer svg(source);
    if (!svg.isValid())
        return nullptr;
    // Rendered the way baseAt() renders an opaque picture, so that at the
    // picture's own size the first paint takes these pixels as they are and
    // needs no parsed source; other sizes parse it again when first drawn.
    return new Picture(renderSvg(svg, svg.defaultSize(), true), source);
}

void Picture::setTransparent(bool on)
{
    if (m_transparent == on)
        return;
    m_transparent = on;
    m_cache.clear();
}

void Picture::setMask(const QImage &mask)
{
    m_maskSource = sourcesByKey().value(mask.cacheKey());
    if (!m_maskSource.isEmpty() && mask.size() != size())
        m_maskSource.clear();
    m_mask = mask.convertToFormat(QImage::Format_Grayscale8);
    m_cache.clear();
}

void Picture::setMask(const Picture &shape)
{
    setMask(shape.image());
}

void Picture::changed()
{
    m_cache.clear();
}

void Picture::releaseRenderings()
{
    m_cache.clear();
    m_cache.shrink_to_fit();
    m_renderer.reset();
}

bool Picture::drawsFromSource() const
{
    // QImage's key changes whenever its pixels are written to.
    return !m_source.isEmpty() && m_image.cacheKey() == m_sourceKey;
}

QImage Picture::baseAt(const QSize &pixels) const
{
    if (drawsFromSource()) {
        // At its own size an opaque picture is its pixels, rendered from the
        // source in just this way when it was made.
        if (!m_transparent && pixels == m_image.size())
            return premultipliedView(m_image);
        if (!m_renderer)
            m_renderer = std::make_shared<QSvgRenderer>(m_source);
        if (m_renderer->isValid()) {
            // A transparent picture is rendered onto nothing, so the edges of
            // its shapes blend into whatever it is drawn on, not into white.
            QImage out = renderSvg(*m_renderer, pixels, !m_transparent);
            if (m_transparent)
                removeWhite(out);
            return out;
        }
    }
    QImage out = m_image.convertToFormat(QImage::Format_ARGB32);
    if (m_transparent)
        removeWhite(out);
    out = out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (out.size() != pixels)
        out = out.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return out;
}

QImage Picture::maskAt(const QSize &pixels) const
{
    if (!m_maskSource.isEmpty() && pixels != m_mask.size()) {
        QSvgRenderer svg(m_maskSource);
        if (svg.isValid())
            return renderSvg(svg, pixels, true).convertToFormat(QImage::Format_Grayscale8);
    }
    if (m_mask.size() == pixels)
        return m_mask;
    return m_mask.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Picture::composedAt(const QSize &pixels) const
{
    const qint64 key = m_image.cacheKey();
    for (const Rendered &r : m_cache)
        if (r.pixels == pixels && r.imageKey == key)
            return r.image;

    QImage out = baseAt(pixels);
    if (hasMask()) {
        const QImage mask = maskAt(pixels);
        for (int y = 0; y < out.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            const uchar *m = mask.constScanLine(y);
            for (int x = 0; x < out.width(); ++x) {
                // premultiplied: every channel scales with the coverage
                const int keep = 255 - m[x];
                const QRgb p = line[x];
                line[x] = qRgba(qRed(p) * keep / 255, qGreen(p) * keep / 255,
                                qBlue(p) * keep / 255, qAlpha(p) * keep / 255);
            }
        }
    }

    if (m_cache.size() >= kCacheLimit)
        m_cache.erase(m_cache.begin());
    m_cache.push_back({pixels, key, out});
    return out;
}

QImage Picture::composed(qreal devicePixelRatio) const
{
    if (devicePixelRatio <= 0)
        devicePixelRatio = 1.0;
    const QSize pixels(qRound(width() * devicePixelRatio), qRound(height() * devicePixelRatio));
    if (pixels.isEmpty())
        return {};
    QImage out = composedAt(pixels);
    out.setDevicePixelRatio(devicePixelRatio);
    return out;
}

void Picture::draw(QPainter &painter, int x, int y) const
{
    draw(painter, QRect(x, y, width(), height()));
}

void Picture::draw(QPainter &painter, const QRect &target) const
{
    if (target.isEmpty() || m_image.isNull())
        return;
    // Render at the size the target covers in device pixels: the device's
    // pixel ratio times any scaling the painter applies.
    qreal scaleX = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    qreal scaleY = scaleX;
    const QTransform world = painter.combinedTransform();
    if (world.type() <= QTransform::TxScale) {
        scaleX *= std::abs(world.m11());
        scaleY *= std::abs(world.m22());
    }
    const QSize pixels(qMax(1, qRound(target.width() * scaleX)),
                       qMax(1, qRound(target.height() * scaleY)));
    const QImage image = composedAt(pixels);
    painter.drawImage(QRectF(target), image, QRectF(image.rect()));
}
