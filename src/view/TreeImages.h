#pragma once
// The pictures of the tree's node kinds and of the toolbar buttons come as strips: equal-sized
// images side by side in one picture, magenta marking what is transparent.

#include <QIcon>
#include <QSize>
#include <QVector>

namespace netloom {

// Cuts the strip in XPM form into count icons of size, magenta made transparent; an empty list
// when the picture does not have exactly that size.
QVector<QIcon> CutImageStrip(const char* const* xpm, QSize size, int count);

// The ten 16x13 node images, in node-kind order.
const QVector<QIcon>& TreeImages();

constexpr int kTreeImageCount = 10;
constexpr QSize kTreeImageSize(16, 13);

}  // namespace netloom
