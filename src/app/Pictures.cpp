#include "app/Pictures.h"

#include <QDebug>
#include <QFile>
#include <QImage>

namespace {

Picture *load(const char *name, bool transparent)
{
    const QString base = QStringLiteral(":/pictures/%1").arg(QLatin1String(name));
    const QString svgPath = base + QLatin1String(".svg");
    Picture *picture = nullptr;
    if (QFile::exists(svgPath))
        picture = Picture::fromSvg(svgPath);
    if (!picture) {
        QImage image(base + QLatin1String(".png"));
        if (image.isNull()) {
            // The packaged set is complete; a missing picture is a packaging
            // fault, shown as a small white square rather than a crash.
            qWarning("picture %s is missing from the resources", name);
            image = QImage(16, 16, QImage::Format_ARGB32);
            image.fill(Qt::white);
        }
        picture = new Picture(image);
    }
    if (transparent)
        picture->setTransparent(true);
    return picture;
}

} // namespace

namespace Pics {
// Each slot is filled at the first request and kept for the life of the
// process; the catalogue never frees or reloads a picture.
#define ZARN_DEFINE_PICTURE(name, id, transparent)                                                 \
    Picture *name()                                                                                \
    {                                                                                              \
        static Picture *slot = load(#name, transparent);                                           \
        return slot;                                                                               \
    }
ZARN_PICTURES(ZARN_DEFINE_PICTURE)
#undef ZARN_DEFINE_PICTURE
} // namespace Pics
