#include "IconFiles.h"

#include "BallPicture.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>

namespace report {

namespace {

QByteArray number(qreal value) { return QByteArray::number(value, 'g', 6); }

QByteArray colour(const QColor& value) { return value.name(QColor::HexRgb).toLatin1(); }

QByteArray attribute(const char* name, const QByteArray& value)
{
    return QByteArray(" ") + name + "=\"" + value + '"';
}

QByteArray ellipse(const QRectF& box, const QByteArray& fill)
{
    return "  <ellipse" + attribute("cx", number(box.center().x()))
           + attribute("cy", number(box.center().y())) + attribute("rx", number(box.width() / 2))
           + attribute("ry", number(box.height() / 2)) + attribute("fill", fill) + "/>\n";
}

QByteArray shineGradient(const forms::BallPicture& picture)
{
    return "  <defs>\n    <radialGradient id=\"shine\" gradientUnits=\"userSpaceOnUse\""
           + attribute("cx", number(picture.shineCentre.x()))
           + attribute("cy", number(picture.shineCentre.y()))
           + attribute("r", number(picture.shineRadius)) + ">\n      <stop offset=\"0\""
           + attribute("stop-color", colour(picture.light)) + "/>\n      <stop offset=\"1\""
           + attribute("stop-color", colour(picture.dark))
           + "/>\n    </radialGradient>\n  </defs>\n";
}

QByteArray point(const QPainterPath::Element& element)
{
    return number(element.x) + ' ' + number(element.y);
}

// SVG path data: QPainterPath stores a curve as a CurveToElement followed by two
// CurveToDataElements, which is exactly SVG's "C" with its three points.
QByteArray pathData(const QPainterPath& path)
{
    constexpr char kCommand[] = {'M', 'L', 'C', ' '};  // by QPainterPath::ElementType
    QByteArray data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        data += kCommand[element.type] + point(element);
    }
    return data;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QByteArray svgDocument(const forms::BallPicture& picture, int side)
{
    const QByteArray size = QByteArray::number(side);
    const QByteArray fillRule = picture.label.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\""
           + attribute("width", size) + attribute("height", size)
           + attribute("viewBox", "0 0 " + size + ' ' + size) + ">\n" + shineGradient(picture)
           + ellipse(picture.ball, "url(#shine)")
           + ellipse(picture.face, colour(picture.faceColour)) + "  <path"
           + attribute("fill", colour(picture.labelColour)) + attribute("fill-rule", fillRule)
           + attribute("d", pathData(picture.label)) + "/>\n</svg>\n";
}

QByteArray icoDocument(const QList<QImage>& images)
{
    QList<QByteArray> pngs;
    for (const QImage& image : images)
        pngs.append(png(image));

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());  // header: an icon, N images
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A side of 256 is written as 0, as the format asks.
        out << quint8(images[i].width() & 0xff) << quint8(images[i].height() & 0xff) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray& data : pngs)
        out.writeRawData(data.constData(), int(data.size()));
    return bytes;
}

}  // namespace report
