#include "BallPicture.h"
#include "IconFiles.h"

#include <QImage>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

class TestIconFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The directory names each image's side (256 as 0) and points at its PNG.
    void icoDirectoryPointsAtEachImage()
    {
        const QByteArray ico = report::icoDocument({forms::ballImage(16), forms::ballImage(256)});
        QCOMPARE(ico.left(6), QByteArray::fromHex("000001000200"));
        const QList<int> sides{16, 0};
        for (int i = 0; i < 2; ++i) {
            const QByteArray entry = ico.mid(6 + 16 * i, 16);
            QCOMPARE(quint8(entry[0]), sides[i]);
            const quint32 offset = qFromLittleEndian<quint32>(entry.constData() + 12);
            const quint32 size = qFromLittleEndian<quint32>(entry.constData() + 8);
            const QImage image = QImage::fromData(ico.mid(offset, size), "PNG");
            QCOMPARE(image.width(), sides[i] ? sides[i] : 256);
        }
    }

    // The SVG is well-formed and carries the ball, its face and the label's outline.
    void svgHoldsTheWholePicture()
    {
        QXmlStreamReader svg(report::svgDocument(forms::ballPicture(256), 256));
        QStringList elements;
        while (!svg.atEnd()) {
            if (svg.readNext() == QXmlStreamReader::StartElement)
                elements.append(svg.name().toString());
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QCOMPARE(elements.count(QStringLiteral("ellipse")), 2);
        QVERIFY(elements.contains(QStringLiteral("path")));
    }
};

QTEST_MAIN(TestIconFiles)
#include "tst_iconfiles.moc"
