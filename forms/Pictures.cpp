// Rendering the compiled-in pictures, once per picture and pixel ratio.

#include "forms/Pictures.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <utility>

namespace forms {

namespace {

// An image of the picture's natural size times the ratio (rounded up),
// drawn on in the picture's own units.
QImage canvas(QSize natural, qreal ratio)
{
    QImage image(int(std::ceil(natural.width() * ratio)), int(std::ceil(natural.height() * ratio)),
                 QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

void draw(QSvgRenderer &renderer, QImage &image)
{
    QPainter painter(&image);
    // Lettering starts from the painter's font: the application's, which is
    // narrowed. A picture's lettering names its own face and keeps its width.
    QFont unstretched = painter.font();
    unstretched.setStretch(QFont::Unstretched);
    painter.setFont(unstretched);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(renderer.defaultSize())));
}

// The document with only its lettering (`lettering` true) or without it.
QByteArray partOf(const QByteArray &document, bool lettering)
{
    QXmlStreamReader reader(document);
    QByteArray part;
    QXmlStreamWriter writer(&part);
    int depth = 0; // of the element being read
    int textDepth = 0; // of the <text> element being read, 0 outside one
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (!textDepth && reader.name() == QLatin1String("text"))
                textDepth = depth;
        }
        const bool root = depth == 1 && (reader.isStartElement() || reader.isEndElement());
        const bool inText = textDepth != 0;
        if (root || reader.isStartDocument() || reader.isEndDocument() || inText == lettering)
            writer.writeCurrentToken(reader);
        if (reader.isEndElement()) {
            if (depth == textDepth)
                textDepth = 0;
            --depth;
        }
    }
    return part;
}

// Every shape of these pictures lies on whole pixels of its own units. At a
// whole ratio it lands on whole device pixels as drawn; at a fractional one
// the renderer would blend its edges into grey. There the shapes are drawn
// at the next whole ratio and each device pixel takes the one pixel under
// its centre, so every line stays solid (one or two pixels wide where a
// pixel of the picture covers one and a half), and the lettering, drawn on
// top at the ratio itself, keeps its own smooth edges.
QImage renderFractional(const QByteArray &document, QSize natural, qreal ratio)
{
    QSvgRenderer shapes(partOf(document, false));
    QImage whole = canvas(natural, std::ceil(ratio));
    draw(shapes, whole);

    QImage image = canvas(natural, ratio);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QPointF(0, 0), whole);
    }
    QSvgRenderer lettering(partOf(document, true));
    draw(lettering, image);
    return image;
}

QImage render(const QString &path, qreal ratio)
{
    if (!path.endsWith(QLatin1String(".svg")))
        return QImage(path).convertToFormat(QImage::Format_ARGB32);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray document = file.readAll();
    QSvgRenderer renderer(document);
    if (!renderer.isValid())
        return QImage();
    const QSize natural = renderer.defaultSize();
    if (ratio != std::floor(ratio))
        return renderFractional(document, natural, ratio);
    QImage image = canvas(natural, ratio);
    draw(renderer, image);
    return image;
}

} // namespace

QPixmap picture(const QString &path)
{
    return picture(path, 1);
}

QPixmap picture(const QString &path, qreal ratio)
{
    // Images, not pixmaps, are kept: they may outlive the application.
    static QHash<std::pair<QString, qreal>, QImage> cache;
    const auto key = std::make_pair(path, ratio);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, render(path, ratio));
    return QPixmap::fromImage(*it);
}

QIcon icon(std::initializer_list<QString> paths)
{
    QIcon result;
    for (const QString &path : paths)
        result.addPixmap(picture(path));
    return result;
}

// ---- Picture

Picture::Picture(const QString &path) : path_(path), drawn_(picture(path)), drawnRatio_(1)
{
    size_ = drawn_.deviceIndependentSize().toSize();
}

Picture::Picture(const QPixmap &fixed) : size_(fixed.deviceIndependentSize().toSize()), drawn_(fixed) { }

const QPixmap &Picture::at(qreal ratio) const
{
    if (!path_.isEmpty() && ratio != drawnRatio_) {
        drawn_ = picture(path_, ratio);
        drawnRatio_ = ratio;
    }
    return drawn_;
}

} // namespace forms
