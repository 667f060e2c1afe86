#pragma once
// The pictures of the tree's node kinds and of the toolbar buttons come as strips: equal-sized
// images side by side in one picture, magenta marking what is transparent. Each strip also
// comes drawn at twice the size, for screens scaled to 200% and more.

#include <QIcon>
#include <QSize>
#include <QVector>

namespace netloom {

// Cuts the strip in XPM form into count icons of size, magenta made transparent; an empty list
// when the picture does not have exactly that size. With xpm2x (the same strip at twice the
// size) each icon holds both pictures, and Qt takes the larger one where the screen's device
// pixel ratio asks for it; a 2x strip of the wrong size is left out.
QVector<QIcon> CutImageStrip(const char* const* xpm, QSize size, int count,
                             const char* const* xpm2x = nullptr);

// The ten 16x13 node images, in node-kind order.
const QVector<QIcon>& TreeImages();

constexpr int kTreeImageCount = 10;
constexpr QSize kTreeImageSize(16, 13);

}  // namespace netloom
