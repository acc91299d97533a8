// svgpreview OUTDIR ZOOM FILE.svg...: writes OUTDIR/NAME.png for each file,
// rendered over white at ZOOM times its own size, and OUTDIR/NAME@1.png at
// its own size scaled up by ZOOM without smoothing (to judge the pixels).
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int zoom = QString::fromLocal8Bit(argv[2]).toInt();
    for (int i = 3; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer svg(path);
        if (!svg.isValid()) {
            qWarning("invalid: %s", argv[i]);
            continue;
        }
        const QSize size = svg.defaultSize();
        QImage one(size, QImage::Format_ARGB32);
        one.fill(Qt::white);
        {
            QPainter p(&one);
            svg.render(&p);
        }
        QImage hi(size * zoom, QImage::Format_ARGB32);
        hi.fill(Qt::white);
        {
            QPainter p(&hi);
            svg.render(&p);
        }
        const QString base = out + QLatin1Char('/') + QFileInfo(path).completeBaseName();
        hi.save(base + QStringLiteral(".png"));
        one.scaled(size * zoom).save(base + QStringLiteral("@1.png"));
    }
    return 0;
}
