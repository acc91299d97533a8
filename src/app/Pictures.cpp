#include "app/Pictures.h"

#include <QDebug>
#include <QFile>
#include <QImage>
#include <QResource>

#include <cstdint>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

#include <utility>

namespace {

// The build's rendering of a picture, if it made one: raw pixels in the
// resources ("ZRGB", width, height, rows of 0xffRRGGBB), taken without any
// decoding. The image shares the resource's memory until it is converted.
QImage prerendered(const char *name)
{
    const QResource resource(QStringLiteral(":/prerendered/%1.rgb32").arg(QLatin1String(name)));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() < 12 || std::memcmp(resource.data(), "ZRGB", 4) != 0)
        return {};
    std::uint32_t size[2];
    std::memcpy(size, resource.data() + 4, sizeof size);
    if (size[0] == 0 || size[1] == 0 || size[0] > 4096 || size[1] > 4096
        || qint64(size[0]) * size[1] * 4 != resource.size() - 12)
        return {};
    // Every pixel is opaque, so the rows read the same as ARGB32: taken as
    // that, the picture draws straight from the resource, without a copy.
    return QImage(resource.data() + 12, int(size[0]), int(size[1]), QImage::Format_ARGB32);
}

Picture *load(const char *name, bool transparent)
{
    const QString base = QStringLiteral(":/pictures/%1").arg(QLatin1String(name));
    const QString svgPath = base + QLatin1String(".svg");
    Picture *picture = nullptr;
    // A picture needed before there is time to draw it (the splash) comes
    // rendered by the build; it still draws from its source at other sizes.
    if (QFile::exists(svgPath)) {
        QImage ready = prerendered(name);
        if (!ready.isNull())
            picture = new Picture(std::move(ready), svgPath);
    }
    if (!picture && QFile::exists(svgPath))
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

void releaseSplash()
{
    Picture *splash = Startup1();
    splash->releaseRenderings();
    // The picture still reads its pixels from the program file; should it be
    // drawn again, the kernel reads them back from the file.
    const QImage &pixels = std::as_const(*splash).image();
    const QImage built = prerendered("Startup1");
    if (built.isNull() || pixels.constBits() != built.constBits())
        return;
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto from = (reinterpret_cast<std::uintptr_t>(pixels.constBits()) + page - 1) / page * page;
    const auto to = (reinterpret_cast<std::uintptr_t>(pixels.constBits()) + std::uintptr_t(pixels.sizeInBytes()))
        / page * page;
    if (to > from)
        madvise(reinterpret_cast<void *>(from), to - from, MADV_DONTNEED);
}
} // namespace Pics
