#include "ui/XpmImage.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace netloom {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "X c #RRGGBB" or "X c None": the colour of the character X, false for any other form.
bool ReadColour(const char* line, unsigned char& key, QRgb& colour) {
    if (line == nullptr || line[0] == '\0') return false;
    key = static_cast<unsigned char>(line[0]);
    const char* p = line + 1;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p != 'c' || (p[1] != ' ' && p[1] != '\t')) return false;
    p += 2;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (std::strcmp(p, "None") == 0 || std::strcmp(p, "none") == 0) {
        colour = 0;
        return true;
    }
    if (*p != '#' || std::strlen(p) != 7) return false;
    QRgb rgb = 0;
    for (int i = 1; i <= 6; ++i) {
        const int digit = HexDigit(p[i]);
        if (digit < 0) return false;
        rgb = (rgb << 4) | static_cast<QRgb>(digit);
    }
    colour = 0xFF000000u | rgb;
    return true;
}

// The plain form read directly; a null image when the text is in any other form.
QImage ReadPlainXpm(const char* const* xpm) {
    int width = 0;
    int height = 0;
    int colours = 0;
    int perPixel = 0;
    char rest = 0;
    if (xpm == nullptr || xpm[0] == nullptr ||
        std::sscanf(xpm[0], "%d %d %d %d %c", &width, &height, &colours, &perPixel, &rest) != 4) {
        return QImage();
    }
    if (perPixel != 1 || width <= 0 || height <= 0 || colours <= 0 || colours > 256)
        return QImage();
    std::array<QRgb, 256> table{};
    std::array<bool, 256> known{};
    for (int i = 1; i <= colours; ++i) {
        unsigned char key = 0;
        QRgb colour = 0;
        if (!ReadColour(xpm[i], key, colour)) return QImage();
        table[key] = colour;
        known[key] = true;
    }
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) return QImage();
    for (int y = 0; y < height; ++y) {
        const char* row = xpm[1 + colours + y];
        if (row == nullptr) return QImage();
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // A row that ends early meets its terminating NUL, which is no colour's key.
            const auto key = static_cast<unsigned char>(row[x]);
            if (!known[key]) return QImage();
            out[x] = table[key];
        }
    }
    return image;
}

}  // namespace

QImage ReadXpm(const char* const* xpm) {
    QImage image = ReadPlainXpm(xpm);
    if (!image.isNull() || xpm == nullptr) return image;
    return QImage(xpm).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace netloom
