#include "view/TreeImages.h"

#include <QBitmap>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>

#include "ui/XpmImage.h"
#include "view/res/TreeImages.xpm"
#include "view/res/TreeImages@2x.xpm"

namespace netloom {

namespace {

// Whether the window background is dark, as under a dark desktop theme.
bool DarkPalette() {
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

// The pictures are drawn for a light background: their black outlines and navy lines vanish on
// a dark one. There the darkest colours are lifted to light ones of the same hue, keeping the
// order of dark and light inside a picture; every other colour stays.
void LiftDarkColours(QImage& strip) {
    constexpr int kDark = 80;
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const QRgb pixel = strip.pixel(x, y);
            if (qAlpha(pixel) == 0) continue;
            QColor colour = QColor::fromRgb(pixel).toHsl();
            if (colour.lightness() >= kDark) continue;
            colour.setHsl(colour.hslHue(), colour.hslSaturation(),
                          170 + colour.lightness() * 50 / kDark);
            strip.setPixel(x, y, colour.rgb());
        }
    }
}

// The strip as a picture with transparency, or a null image when it is not count pictures of
// size side by side.
QImage ReadStrip(const char* const* xpm, QSize size, int count) {
    QImage strip = ReadXpm(xpm);
    if (strip.isNull() || strip.width() != size.width() * count ||
        strip.height() != size.height()) {
        return QImage();
    }
    const QRgb mask = qRgb(255, 0, 255) & 0xFFFFFF;
    const int width = strip.width();
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((line[x] & 0xFFFFFF) == mask) line[x] = 0;
        }
    }
    if (DarkPalette()) LiftDarkColours(strip);
    return strip;
}

}  // namespace

QVector<QIcon> CutImageStrip(const char* const* xpm, QSize size, int count,
                             const char* const* xpm2x) {
    QVector<QIcon> icons;
    const QImage strip = ReadStrip(xpm, size, count);
    if (strip.isNull()) return icons;
    const QImage strip2x = xpm2x != nullptr ? ReadStrip(xpm2x, size * 2, count) : QImage();
    for (int i = 0; i < count; ++i) {
        QIcon icon(
            QPixmap::fromImage(strip.copy(i * size.width(), 0, size.width(), size.height())));
        if (!strip2x.isNull()) {
            icon.addPixmap(QPixmap::fromImage(
                strip2x.copy(i * size.width() * 2, 0, size.width() * 2, size.height() * 2)));
        }
        icons.push_back(icon);
    }
    return icons;
}

const QVector<QIcon>& TreeImages() {
    static const QVector<QIcon> images =
        CutImageStrip(kTreeImagesXpm, kTreeImageSize, kTreeImageCount, kTreeImages2xXpm);
    return images;
}

}  // namespace netloom
