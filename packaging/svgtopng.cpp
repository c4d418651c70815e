// Renders an SVG picture to a square PNG of a given size, for the icons that
// the desktop shows at each of its sizes. Run at build time:
//   tramelune_svgtopng picture.svg size picture.png

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
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
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(args.at(3), "PNG")) {
        std::fprintf(stderr, "%s: cannot be written\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
