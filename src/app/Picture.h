#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QRect;
class QSvgRenderer;

// A named bitmap of the program: its pixels, a "transparent" flag (white is
// not drawn) and an optional mask (black drawn, white not, greys partly).
// Pictures from the catalogue are shared: a flag or mask set by one user is
// seen by every other, and identity (the pointer) tells pictures apart.
//
// A picture made from vector artwork keeps its source and draws from it at
// whatever resolution the screen has, so it stays sharp on high-density
// screens. Once its pixels are written to, the pixels are what is drawn.
class Picture
{
public:
    Picture() = default;
    // source: the vector source (":/pictures/x.svg") the picture was made
    // from, used to draw it sharply on high-density screens; may be empty.
    explicit Picture(QImage image, QString source = {});
    // A picture of the vector source at its own size, on white.
    static Picture *fromSvg(const QString &source);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }

    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);

    // The pixels, as 32-bit ARGB, white where the artwork leaves the
    // background. Writing into image() makes the written pixels what is drawn.
    const QImage &image() const { return m_image; }
    QImage &image() { return m_image; }

    bool hasMask() const { return !m_mask.isNull(); }
    // Grayscale, same size as the picture: black drawn, white not drawn.
    const QImage &mask() const { return m_mask; }
    // A mask taken from another picture's image() keeps that picture's
    // vector source too, so the mask is as sharp as the picture it shapes.
    void setMask(const QImage &mask);
    void setMask(const Picture &shape);

    // Draws the picture honouring the transparent flag and the mask, at the
    // resolution of the painter's device.
    void draw(QPainter &painter, int x, int y) const;
    void draw(QPainter &painter, const QRect &target) const;

    // What draw() puts on screen, at the given device pixel ratio: the
    // pixels with white removed (transparent) and the mask applied.
    QImage composed(qreal devicePixelRatio = 1.0) const;

    // Kept for callers that write into image(): forgets what was drawn
    // before. Writing into image() is noticed without it too.
    void changed();

    // For a picture no longer on screen: lets go of the renderings kept for
    // drawing it and of its parsed source. Drawing it again makes them anew.
    void releaseRenderings();

private:
    bool drawsFromSource() const;
    QImage composedAt(const QSize &pixels) const;
    QImage baseAt(const QSize &pixels) const;
    QImage maskAt(const QSize &pixels) const;

    QImage m_image;
    QImage m_mask;
    QString m_source;
    QString m_maskSource;
    qint64 m_sourceKey = 0; // m_image's key while it still holds the source's pixels
    bool m_transparent = false;

    struct Rendered
    {
        QSize pixels;
        qint64 imageKey;
        QImage image;
    };
    mutable std::vector<Rendered> m_cache;
    mutable std::shared_ptr<QSvgRenderer> m_renderer;
};
