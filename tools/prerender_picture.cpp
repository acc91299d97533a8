// Renders a picture's vector source at its own size, exactly as the program
// renders an opaque picture (on white, antialiased), for pictures that must
// be on screen before there is time to draw them from the source. The output
// is raw, uncompressed pixels, so that the program takes them without
// decoding anything: "ZRGB", width and height as 32-bit numbers, then the
// rows of 32-bit 0xffRRGGBB pixels, all in the machine's byte order.
//   zarn_prerender_picture SOURCE.svg OUT
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdint>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid())
        return 1;
    QImage image(svg.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, image.width(), image.height()));
    painter.end();
    image = image.convertToFormat(QImage::Format_RGB32);

    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    const std::uint32_t size[2] = {std::uint32_t(image.width()), std::uint32_t(image.height())};
    out.write("ZRGB", 4);
    out.write(reinterpret_cast<const char *>(size), sizeof size);
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char *>(image.constScanLine(y)), qint64(image.width()) * 4);
    return out.error() == QFile::NoError ? 0 : 1;
}
