#pragma once
// Pictures compiled into the program, drawn at their natural size.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace forms {

// The picture at a resource path (":/assets/….svg" or ".png"), rendered at
// its own size; loaded once and shared.
QPixmap picture(const QString& path);

// A window icon made of pictures drawn for each size.
QIcon icon(std::initializer_list<QString> paths);

} // namespace forms
