// numorra_icons <folder> <side>...: at build time, writes numorra.svg, numorra-<side>.png for
// every side and numorra.ico with every side into the folder, from the window's picture.
#include "BallPicture.h"
#include "IconFiles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdlib>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

int fail(const QString& message)
{
    QTextStream(stderr) << "numorra_icons: " << message << '\n';
    return EXIT_FAILURE;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);  // the label needs the font database
    QStringList arguments = QGuiApplication::arguments().mid(1);
    if (arguments.size() < 2)
        return fail(QStringLiteral("usage: numorra_icons <folder> <side>..."));
    const QDir folder(arguments.takeFirst());
    if (!folder.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create ") + folder.path());

    QList<QImage> images;
    for (const QString& argument : arguments) {
        const int side = argument.toInt();
        if (side < 1 || side > 256)
            return fail(QStringLiteral("a side must be 1 to 256: ") + argument);
        images.append(forms::ballImage(side));
        const QString name = folder.filePath(QStringLiteral("numorra-%1.png").arg(side));
        if (!images.last().save(name, "PNG"))
            return fail(QStringLiteral("cannot write ") + name);
    }
    const int svgSide = 256;
    if (!writeFile(folder.filePath(QStringLiteral("numorra.svg")),
                   report::svgDocument(forms::ballPicture(svgSide), svgSide))
        || !writeFile(folder.filePath(QStringLiteral("numorra.ico")), report::icoDocument(images)))
        return fail(QStringLiteral("cannot write the icon files in ") + folder.path());
    return EXIT_SUCCESS;
}
