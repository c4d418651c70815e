#pragma once
// The colours the windows are painted in, each named once.

#include <QColor>

namespace palette {

inline const QColor kWhite(0xFF, 0xFF, 0xFF);
inline const QColor kBlack(0x00, 0x00, 0x00);
inline const QColor kGrey(0xC0, 0xC0, 0xC0);
inline const QColor kLightGrey(0xE0, 0xE0, 0xE0);
inline const QColor kPeach(0xFF, 0xE0, 0xC0);
inline const QColor kLightOrange(0xFF, 0xC0, 0x80);
inline const QColor kLightYellow(0xFF, 0xFF, 0xC0);
inline const QColor kRed(0xFF, 0x00, 0x00);
inline const QColor kDarkRed(0xC0, 0x00, 0x00);
inline const QColor kBlue(0x00, 0x00, 0xFF);
inline const QColor kDarkBlue(0x00, 0x00, 0xC0);

} // namespace palette
