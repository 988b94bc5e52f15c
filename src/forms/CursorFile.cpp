#include "CursorFile.h"

#include "RuntimeFailure.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

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
    return QPoint(qFromLittleEndian<quint16>(file.constData() + kHotspotX),
                  qFromLittleEndian<quint16>(file.constData() + kHotspotY));
}

// A cursor file holds a few small images; anything much larger is not one.
constexpr qint64 kLargestCursorFile = 1 << 20;

// The file's bytes, read only from a regular file of a cursor's size: a named pipe or a
// device (a link to /dev/zero) would keep the program from starting.
QByteArray cursorFileBytes(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw core::RuntimeFailure(QStringLiteral("Path/File access error"));
    if (info.size() > kLargestCursorFile)
        throw core::RuntimeFailure(QStringLiteral("Invalid picture"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::RuntimeFailure(QStringLiteral("File not found"));
    QByteArray bytes = file.read(kLargestCursorFile + 1);
    if (bytes.size() > kLargestCursorFile)
        throw core::RuntimeFailure(QStringLiteral("Invalid picture"));
    return bytes;
}

}  // namespace

QCursor loadCursorFile(const QString& path)
{
    const QByteArray bytes = cursorFileBytes(path);
    const QImage image = QImage::fromData(bytes, "cur");
    if (image.isNull())
        throw core::RuntimeFailure(QStringLiteral("Invalid picture"));
    const QPoint hotspot = hotspotOf(bytes);
    return QCursor(QPixmap::fromImage(image), hotspot.x(), hotspot.y());
}

}  // namespace forms
