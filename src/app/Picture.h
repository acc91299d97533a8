#pragma once

#include <QImage>
#include <QString>

class QPainter;
class QRect;

// A named bitmap of the program: its pixels, a "transparent" flag (white is
// not drawn) and an optional mask (black drawn, white not, greys partly).
// Pictures from the catalogue are shared: a flag or mask set by one user is
// seen by every other, and identity (the pointer) tells pictures apart.
class Picture
{
public:
    Picture() = default;
    // source: the vector source (":/pictures/x.svg") the picture was made
    // from, used to draw it sharply on high-density screens; may be empty.
    explicit Picture(QImage image, QString source = {});

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }

    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);

    // The pixels, as 32-bit ARGB. Call changed() after writing into image().
    const QImage &image() const { return m_image; }
    QImage &image() { return m_image; }

    bool hasMask() const { return !m_mask.isNull(); }
    // Grayscale, same size as the picture: black drawn, white not drawn.
    const QImage &mask() const { return m_mask; }
    void setMask(const QImage &mask);

    // Draws the picture honouring the transparent flag and the mask.
    void draw(QPainter &painter, int x, int y) const;
    void draw(QPainter &painter, const QRect &target) const;

    // What draw() puts on screen, at the given device pixel ratio: the
    // pixels with white removed (transparent) and the mask applied.
    QImage composed(qreal devicePixelRatio = 1.0) const;

    void changed();

private:
    QImage m_image;
    QImage m_mask;
    QString m_source;
    bool m_transparent = false;
    mutable QImage m_cache;
    mutable qreal m_cacheRatio = 0;
};
