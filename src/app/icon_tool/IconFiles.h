#pragma once

#include <QByteArray>
#include <QList>

class QImage;

namespace forms {
struct BallPicture;
}  // namespace forms

namespace report {

// The picture as a scalable SVG document of the given side.
QByteArray svgDocument(const forms::BallPicture& picture, int side);

// A Windows icon file holding each image as an embedded PNG (sides up to 256).
QByteArray icoDocument(const QList<QImage>& images);

}  // namespace report
