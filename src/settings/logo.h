#pragma once

#include <QImage>
#include <QString>

namespace vantrel::settings {

// The logo area of the settings dialog: where the picture is shown, centred at its own
// size, and the size limit for a newly loaded picture (pixels at 96 per inch).
inline constexpr int logoAreaWidth = 266;
inline constexpr int logoAreaHeight = 116;

// The picture from the stored text form of the Logo column. A text that is empty or all
// blanks, that holds no "Bitmap.Data" or whose data is damaged or too short gives the
// null picture (no logo). The result is in Format_ARGB32, alpha included as stored.
QImage loadlogo(const QString& storedText);

// The stored text form of a picture: the object header, the area's property lines, the
// picture data (absent for a null or empty picture) and "end", every line ended by
// CR LF. The data is the width and the height as 32-bit little-endian numbers, then
// each pixel, rows from the top, as 32-bit little-endian alpha-red-green-blue.
QString getlogotext(const QImage& logo);

// A newly read picture made ready for the logo area: shrunk (never enlarged) to fit
// 266 x 116 with a single-precision factor, its size rounded halves to even, sampled
// nearest-neighbour and laid over an opaque gray (127) fill.
QImage fitLogo(const QImage& source);

// "Gris": every pixel becomes opaque gray at the level of its blue component.
QImage grayLogo(const QImage& logo);

} // namespace vantrel::settings
