#include "CursorFile.h"

#include "RuntimeFailure.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace forms {

namespace {

// A .cur file starts with a 6-byte directory header; its first entry keeps the hotspot's
// x and y as little-endian 16-bit values at offsets 4 and 6 of the 16-byte entry.
QPoint hotspotOf(const QByteArray& file)
{
    constexpr int kHotspotX = 6 + 4;
    constexpr int kHotspotY = 6 + 6;
    if (file.size() < kHotspotY + 2)
        return QPoint(0, 0);
    auto word = [&](int at) { return int(quint8(file[at])) | (int(quint8(file[at + 1])) << 8); };
    return QPoint(word(kHotspotX), word(kHotspotY));
}

}  // namespace

QCursor loadCursorFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::RuntimeFailure(QStringLiteral("File not found"));
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        throw core::RuntimeFailure(QStringLiteral("Invalid picture"));
    const QPoint hotspot = hotspotOf(bytes);
    return QCursor(QPixmap::fromImage(image), hotspot.x(), hotspot.y());
}

}  // namespace forms
