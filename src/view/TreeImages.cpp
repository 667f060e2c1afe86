#include "view/TreeImages.h"

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QPixmap>

#include "view/res/TreeImages.xpm"

namespace netloom {

QVector<QIcon> CutImageStrip(const char* const* xpm, QSize size, int count) {
    QVector<QIcon> icons;
    QImage strip(xpm);
    if (strip.isNull() || strip.width() != size.width() * count ||
        strip.height() != size.height()) {
        return icons;
    }
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = qRgb(255, 0, 255);
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            if ((strip.pixel(x, y) & 0xFFFFFF) == (mask & 0xFFFFFF)) strip.setPixel(x, y, 0);
        }
    }
    for (int i = 0; i < count; ++i) {
        icons.push_back(QIcon(
            QPixmap::fromImage(strip.copy(i * size.width(), 0, size.width(), size.height()))));
    }
    return icons;
}

const QVector<QIcon>& TreeImages() {
    static const QVector<QIcon> images =
        CutImageStrip(kTreeImagesXpm, kTreeImageSize, kTreeImageCount);
    return images;
}

}  // namespace netloom
