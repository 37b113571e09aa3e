// Where a drawing ends in its picture, and cutting the empty rows below it. A drawing's end is its
// last pixel that differs from the background: antialiased text has almost no pure black, and the
// trim must never cut ink.
#include "core/M_globals.h"
#include "platform/Graphics.h"

#include <QPainter>
#include <algorithm>

namespace M_globals {

namespace {

// The picture's pixels as opaque RGB values, each row a run of QRgb; what is transparent shows the
// background.
QImage opaquePixels(const Picture& p, const Color& background) {
    if (!p.image().hasAlphaChannel()) return p.image().convertToFormat(QImage::Format_RGB32);
    QImage flat(p.image().size(), QImage::Format_RGB32);
    flat.fill(background);
    QPainter(&flat).drawImage(0, 0, p.image());
    return flat;
}

bool isInk(QRgb pixel, QRgb background) { return (pixel | 0xFF000000u) != background; }

}  // namespace

int findWhiteSpaceTop(const Picture& p, const Color& background) {
    const QImage pixels = opaquePixels(p, background);
    const QRgb paper = background.rgb();
    for (int y = pixels.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        if (std::any_of(row, row + pixels.width(), [&](QRgb pixel) { return isInk(pixel, paper); })) return y;
    }
    return 0;
}

int findWhiteSpaceRight(const Picture& p, const Color& background) {
    const QImage pixels = opaquePixels(p, background);
    const QRgb paper = background.rgb();
    int right = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = pixels.width() - 1; x > right; --x)
            if (isInk(row[x], paper)) {
                right = x;
                break;
            }
    }
    return std::max(right, 0);
}

void trimpicture(std::shared_ptr<Picture>& p, const Color& background) {
    const int height = findWhiteSpaceTop(*p, background) + 10;
    if (height >= p->Height()) return;
    auto trimmed = NewPicture(p->Width(), height, 32);
    if (!trimmed) return;
    trimmed->graphics()->DrawPicture(*p, 0, 0);
    p = trimmed;
}

}  // namespace M_globals
