#include "app/Picture.h"

#include <QPainter>
#include <QRect>
#include <QSvgRenderer>

#include <utility>

Picture::Picture(QImage image, QString source)
    : m_image(std::move(image).convertToFormat(QImage::Format_ARGB32)),
      m_source(std::move(source))
{
}

void Picture::setTransparent(bool on)
{
    if (m_transparent == on)
        return;
    m_transparent = on;
    changed();
}

void Picture::setMask(const QImage &mask)
{
    m_mask = mask.convertToFormat(QImage::Format_Grayscale8);
    changed();
}

void Picture::changed()
{
    m_cache = QImage();
    m_cacheRatio = 0;
}

QImage Picture::composed(qreal devicePixelRatio) const
{
    if (devicePixelRatio <= 0)
        devicePixelRatio = 1.0;
    if (!m_cache.isNull() && qFuzzyCompare(m_cacheRatio, devicePixelRatio))
        return m_cache;

    QImage base = m_image;
    if (!qFuzzyCompare(devicePixelRatio, 1.0) && m_source.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer svg(m_source);
        if (svg.isValid()) {
            QImage hi(m_image.size() * devicePixelRatio, QImage::Format_ARGB32);
            hi.fill(Qt::white);
            QPainter p(&hi);
            svg.render(&p);
            base = hi;
        }
    }
    if (base.size() != m_image.size() * devicePixelRatio)
        base = base.scaled(m_image.size() * devicePixelRatio, Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);

    QImage out = base.convertToFormat(QImage::Format_ARGB32);
    QImage mask;
    if (hasMask())
        mask = m_mask.size() == out.size()
                   ? m_mask
                   : m_mask.scaled(out.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        const uchar *m = mask.isNull() ? nullptr : mask.constScanLine(y);
        for (int x = 0; x < out.width(); ++x) {
            int alpha = qAlpha(line[x]);
            if (m_transparent && (line[x] & 0xFFFFFF) == 0xFFFFFF)
                alpha = 0;
            if (m)
                alpha = alpha * (255 - m[x]) / 255;
            line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), alpha);
        }
    }
    out.setDevicePixelRatio(devicePixelRatio);
    m_cache = out;
    m_cacheRatio = devicePixelRatio;
    return out;
}

void Picture::draw(QPainter &painter, int x, int y) const
{
    draw(painter, QRect(x, y, width(), height()));
}

void Picture::draw(QPainter &painter, const QRect &target) const
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawImage(target, composed(ratio));
}
