#pragma once
// Pictures compiled into the program, drawn at their natural size: sharp on
// a screen of any device pixel ratio, since an SVG picture is rendered for
// the ratio it is drawn at rather than scaled from its natural pixels.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace forms {

// The picture at a resource path (":/assets/….svg" or ".png"), rendered at
// its own size; loaded once and shared.
QPixmap picture(const QString &path);

// The same picture for a screen of the given device pixel ratio: an SVG is
// rendered on ratio times as many device pixels each way (rounded up) and
// carries that ratio, so it draws at its natural size with every line and
// letter laid on the device's own pixels. Rendered once per ratio. At ratio
// 1 it is exactly the picture above; a bitmap keeps its natural pixels.
QPixmap picture(const QString &path, qreal ratio);

// A window icon made of pictures drawn for each size.
QIcon icon(std::initializer_list<QString> paths);

// What a control draws: a compiled-in picture, rendered for the device
// pixel ratio of the screen it is drawn on each time that ratio changes,
// or a fixed pixmap drawn as it is.
class Picture
{
public:
    Picture() = default;
    explicit Picture(const QString &path);
    Picture(const QPixmap &fixed);

    bool isNull() const { return size_.isEmpty(); }
    // The natural size, in device-independent pixels.
    QSize size() const { return size_; }
    // The pixmap to draw on a device of that ratio.
    const QPixmap &at(qreal ratio) const;

private:
    QString path_;
    QSize size_;
    mutable QPixmap drawn_;
    mutable qreal drawnRatio_ = 0;
};

} // namespace forms
