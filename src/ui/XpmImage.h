#pragma once
// Netloom's pictures are compiled in as XPM text and read at start-up. Qt's general XPM reader
// spends about a hundred instructions a pixel, several milliseconds for the toolbar's and the
// tree's strips at both sizes; the pictures all keep to the plainest form of XPM, and that form
// is read here directly at a few instructions a pixel.

#include <QImage>

namespace netloom {

// The picture as 32-bit ARGB, "None" fully transparent. One character a pixel and colours as
// "c #RRGGBB" or "c None" are read directly; any other XPM goes to Qt's reader. A null image
// when the text is not a picture.
QImage ReadXpm(const char* const* xpm);

}  // namespace netloom
