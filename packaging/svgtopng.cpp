// Renders a pixel-art SVG picture to a square PNG for the icons that the
// desktop shows at each of its sizes. The picture is drawn at its own size
// and then enlarged by a whole factor, each of its pixels becoming a block
// of pixels, so that every edge of the picture falls on a pixel boundary of
// the icon: a size that is not a whole multiple of the picture's is refused.
// Which picture serves which size is the build's choice. Run at build time:
//   tramelune_svgtopng picture.svg size picture.png

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A build has no session: give Qt a private runtime folder of its own.
    QTemporaryDir runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication application(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(2).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1 || size > 4096) {
        std::fprintf(stderr, "usage: %s picture.svg size(1-4096) picture.png\n", argv[0]);
        return 2;
    }

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a picture that can be read\n", qPrintable(args.at(1)));
        return 1;
    }
    const QSize own = renderer.defaultSize();
    if (own.width() != own.height() || own.width() < 1 || size % own.width() != 0) {
        std::fprintf(stderr, "%s: %dx%d does not go a whole number of times into %dx%d\n", qPrintable(args.at(1)),
                     own.width(), own.height(), size, size);
        return 1;
    }

    QImage image(own, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    if (size != own.width())
        image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!image.save(args.at(3), "PNG")) {
        std::fprintf(stderr, "%s: cannot be written\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
