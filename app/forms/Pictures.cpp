#include "forms/Pictures.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace forms {

namespace {

QImage render(const QString& path)
{
    if (!path.endsWith(QLatin1String(".svg")))
        return QImage(path).convertToFormat(QImage::Format_ARGB32);
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QImage();
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Lettering starts from the painter's font: the application's, which is
    // narrowed. A picture's lettering names its own face and keeps its width.
    QFont unstretched = painter.font();
    unstretched.setStretch(QFont::Unstretched);
    painter.setFont(unstretched);
    renderer.render(&painter);
    return image;
}

} // namespace

QPixmap picture(const QString& path)
{
    // Images, not pixmaps, are kept: they may outlive the application.
    static QHash<QString, QImage> cache;
    auto it = cache.find(path);
    if (it == cache.end())
        it = cache.insert(path, render(path));
    return QPixmap::fromImage(*it);
}

QIcon icon(std::initializer_list<QString> paths)
{
    QIcon result;
    for (const QString& path : paths)
        result.addPixmap(picture(path));
    return result;
}

} // namespace forms
