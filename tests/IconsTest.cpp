// The icons that an installation gives the desktop, as the build renders
// them: each size is the map picture drawn for it, or that picture enlarged
// by a whole factor, pixel for pixel, and none has a partly transparent
// pixel. The pictures themselves are read as the rectangles they are made
// of, independently of the SVG renderer.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QXmlStreamReader>

#include <optional>

namespace {

QString assetPath(const char *name)
{
    return QStringLiteral(TRAMELUNE_ASSET_DIR "/") + QLatin1String(name);
}

QString iconPath(int size)
{
    return QStringLiteral(TRAMELUNE_ICON_DIR "/%1x%1/fr.tramelune.Tramelune.png").arg(size);
}

QString hex(QRgb colour)
{
    return QColor::fromRgba(colour).name(QColor::HexArgb);
}

std::optional<int> wholeNumber(const QXmlStreamAttributes &attributes, const char *name)
{
    bool ok = false;
    const int value = attributes.value(QLatin1String(name)).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A pixel-art picture as its rectangles paint it, in document order, on a
// transparent ground. Anything but rectangles at whole pixel positions with a
// plain colour is an error: such a picture has no exact pixels to compare.
struct Design
{
    QImage image;
    QString error;
};

Design readDesign(const char *name)
{
    QFile file(assetPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return { QImage(), QStringLiteral("cannot open ") + file.fileName() };
    QXmlStreamReader xml(&file);
    QImage image;
    std::optional<QPainter> painter;
    auto failure = [&](const QString &what) {
        painter.reset();
        return Design{ QImage(), what + QStringLiteral(" at line %1").arg(xml.lineNumber()) };
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("svg") && !painter) {
            const auto width = wholeNumber(a, "width");
            const auto height = wholeNumber(a, "height");
            if (!width || !height || *width < 1 || *height < 1
                || a.value(QLatin1String("viewBox")) != QStringLiteral("0 0 %1 %2").arg(*width).arg(*height))
                return failure(QStringLiteral("no whole size in pixels"));
            image = QImage(*width, *height, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            painter.emplace(&image);
            continue;
        }
        if (xml.name() != QLatin1String("rect") || !painter)
            return failure(QStringLiteral("<%1> is not a rectangle of the picture").arg(xml.name()));
        const auto x = wholeNumber(a, "x");
        const auto y = wholeNumber(a, "y");
        const auto width = wholeNumber(a, "width");
        const auto height = wholeNumber(a, "height");
        if (!x || !y || !width || !height || *width < 1 || *height < 1)
            return failure(QStringLiteral("a rectangle off whole pixels"));
        if (!image.rect().contains(QRect(*x, *y, *width, *height)))
            return failure(QStringLiteral("a rectangle outside the picture"));
        const QColor fill(a.value(QLatin1String("fill")).toString());
        if (!fill.isValid() || fill.alpha() != 255 || a.hasAttribute(QLatin1String("opacity"))
            || a.hasAttribute(QLatin1String("fill-opacity")) || a.hasAttribute(QLatin1String("stroke")))
            return failure(QStringLiteral("a rectangle without one plain fill"));
        painter->fillRect(*x, *y, *width, *height, fill);
    }
    if (xml.hasError())
        return failure(xml.errorString());
    if (!painter)
        return failure(QStringLiteral("no picture"));
    painter.reset();
    return { image, QString() };
}

// Each pixel of `image` as a block of factor x factor pixels.
QImage enlarged(const QImage &image, int factor)
{
    QImage result(image.size() * factor, QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            result.setPixel(x, y, image.pixel(x / factor, y / factor));
    return result;
}

QImage icon(int size)
{
    return QImage(iconPath(size)).convertToFormat(QImage::Format_ARGB32);
}

// Beyond the picture's border counts as transparent.
bool transparent(const QImage &image, int x, int y)
{
    return x < 0 || y < 0 || x >= image.width() || y >= image.height() || qAlpha(image.pixel(x, y)) == 0;
}

// Inside the shape: none of the pixel's four neighbours is transparent.
bool enclosed(const QImage &image, int x, int y)
{
    return !transparent(image, x - 1, y) && !transparent(image, x + 1, y) && !transparent(image, x, y - 1)
            && !transparent(image, x, y + 1);
}

const char *const kMapPictures[] = { "france-map-16.svg", "france-map-32.svg" };

struct IconSize
{
    int size;
    const char *picture;
};

// Every size from the picture drawn for it, or a whole multiple of one.
const IconSize kIconSizes[] = {
    { 16, "france-map-16.svg" }, { 32, "france-map-32.svg" },  { 48, "france-map-16.svg" },
    { 64, "france-map-32.svg" }, { 128, "france-map-32.svg" },
};

} // namespace

TEST(Icons, MapPicturesAreSolidShapesOnWholePixels)
{
    for (const char *name : kMapPictures) {
        SCOPED_TRACE(name);
        const Design design = readDesign(name);
        ASSERT_TRUE(design.error.isEmpty()) << qPrintable(design.error);
        const QImage &map = design.image;
        int covered = 0;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x) {
                if (!transparent(map, x, y)) {
                    ++covered;
                    continue;
                }
                EXPECT_FALSE(enclosed(map, x, y)) << "a hole in the shape at " << x << "," << y;
            }
        EXPECT_GT(covered, map.width() * map.height() / 3) << "the map covers too little of its square";
    }
}

TEST(Icons, NoPixelIsPartlyTransparent)
{
    for (const IconSize &entry : kIconSizes) {
        SCOPED_TRACE(entry.size);
        const QImage image = icon(entry.size);
        ASSERT_FALSE(image.isNull()) << "no icon " << qPrintable(iconPath(entry.size));
        ASSERT_EQ(image.size(), QSize(entry.size, entry.size));
        // A seam or a soft enlargement shows inside the shape; a soft edge
        // on its border.
        int opaque = 0, partlyInside = 0, partlyOnEdge = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                if (alpha == 255)
                    ++opaque;
                if (alpha == 0 || alpha == 255)
                    continue;
                ++(enclosed(image, x, y) ? partlyInside : partlyOnEdge);
            }
        EXPECT_EQ(partlyInside, 0) << "partly transparent pixels inside the shape";
        EXPECT_EQ(partlyOnEdge, 0) << "partly transparent pixels on the shape's edge";
        EXPECT_GT(opaque, entry.size * entry.size / 3) << "too few opaque pixels";
    }
}

TEST(Icons, EachSizeIsThePictureMeantForItEnlargedByAWholeFactor)
{
    for (const IconSize &entry : kIconSizes) {
        SCOPED_TRACE(entry.size);
        const Design design = readDesign(entry.picture);
        ASSERT_TRUE(design.error.isEmpty()) << qPrintable(design.error);
        ASSERT_EQ(entry.size % design.image.width(), 0);
        const QImage expected = enlarged(design.image, entry.size / design.image.width());
        const QImage image = icon(entry.size);
        ASSERT_EQ(image.size(), expected.size());
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb got = image.pixel(x, y), want = expected.pixel(x, y);
                // Fully transparent pixels are alike whatever colour they hold.
                if (got == want || (qAlpha(got) == 0 && qAlpha(want) == 0))
                    continue;
                if (++wrong <= 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << qPrintable(hex(got)) << ", the picture has "
                                  << qPrintable(hex(want));
            }
        EXPECT_EQ(wrong, 0) << "pixels unlike " << entry.picture;
    }
}
