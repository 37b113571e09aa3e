// Where a drawing ends in its picture, and cutting the empty rows below it. A drawing's end is
// recognised by its pixels of exact black.
#include "core/M_globals.h"
#include "platform/Graphics.h"

namespace M_globals {

namespace {

// Exact, opaque black; any other value, however dark, is background.
bool isBlack(const Picture& p, int x, int y) { return p.Pixel(x, y) == QColor(0, 0, 0); }

}  // namespace

int findWhiteSpaceTop(const Picture& p) {
    for (int y = p.Height() - 1; y >= 0; --y)
        for (int x = p.Width() - 1; x >= 0; --x)
            if (isBlack(p, x, y)) return y;
    return 0;
}

int findWhiteSpaceRight(const Picture& p) {
    for (int x = p.Width() - 1; x >= 0; --x)
        for (int y = p.Height() - 1; y >= 0; --y)
            if (isBlack(p, x, y)) return x;
    return 0;
}

void trimpicture(std::shared_ptr<Picture>& p) {
    const int height = findWhiteSpaceTop(*p) + 10;
    if (height >= p->Height()) return;
    auto trimmed = NewPicture(p->Width(), height, 32);
    if (!trimmed) return;
    trimmed->graphics()->DrawPicture(*p, 0, 0);
    p = trimmed;
}

}  // namespace M_globals
