#pragma once
// The drawn chain: a size and the laid-out pieces drawn in it (column k, the transition after
// hexagram k), not their pixels. A view paints the part it shows; a picture of the whole drawing
// or of a strip of it is made when asked for. So adding a column costs the same at any chain
// length, and memory grows with the chain's texts. The texts are laid out once, when their piece
// is made; painting draws only the lines in view. The pixels of the few tiles last painted are
// kept, so that scrolling back draws nothing again.
#include "display/ChainDrawing.h"

#include <QImage>
#include <QRect>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class ChainPicture {
public:
    // An empty drawing of width x height on the background colour in force.
    ChainPicture(int width, int height);

    int Width() const { return width; }
    int Height() const { return height; }
    Color background() const { return paper; }

    // Room for the pieces of `count` columns.
    void reserve(int count) { segments.reserve(static_cast<size_t>(std::max(count, 0))); }
    // The drawing becomes at least width x height.
    void grow(int atLeastWidth, int atLeastHeight);
    // Cuts (or extends) the drawing's height; nothing drawn is lost, only what shows.
    void setHeight(int newHeight);

    // Column k, drawn with `figure`; replaces any column k.
    void setColumn(int k, ChainDrawing::Column column, std::shared_ptr<const Group2D> figure);
    // The transition after hexagram j; replaces any transition j.
    void setTransition(int j, ChainDrawing::Transition transition);
    // Everything from the gap after column n - 1 on goes: transition n - 1, column n and all after.
    void clearFrom(int n);

    // Paints the part `area` (drawing coordinates) with the drawing's top left at (x, y).
    void draw(Graphics& g, int x, int y, const QRect& area) const;
    // The strip from x = left, `stripWidth` wide and `stripHeight` high, as a picture.
    std::shared_ptr<Picture> compose(int left, int stripWidth, int stripHeight) const;
    // The whole drawing's pixels.
    QImage toImage() const;
    // The lowest row within the strip from x = left, `stripWidth` wide, that holds a pixel other
    // than the background; 0 when none does.
    int inkBottom(int left, int stripWidth) const;
    int inkBottom() const { return inkBottom(0, width); }

private:
    struct Segment {
        std::optional<ChainDrawing::Column> column;
        std::shared_ptr<const Group2D> figure;
        std::optional<ChainDrawing::Transition> transition;
        // The lowest row that its pieces can ink, with room for descents; 0 when it holds none.
        int reach() const;
    };
    // Draws the pieces of segments first..last, clipped to `clip` (drawing coordinates), with the
    // drawing's top left at (x, y).
    void drawSegments(Graphics& g, int x, int y, const QRect& clip, int first, int last) const;
    // How deep the pieces that strip s (x from 430 * s, one pitch wide) shows can ink.
    int stripReach(int s) const;
    // The pixels of tile (s, b): strip s from row TileHeight * b down, as far as its pieces reach.
    const QImage& tile(int s, int b) const;
    void forgetStrips(int first, int last);
    // The lowest row below `above` within `columns` that segment s, drawn alone, inks; -1 for none.
    int lowestInk(int s, const QRect& columns, int above) const;
    static constexpr int TileHeight = 512;

    int width;
    int height;
    Color paper;
    std::vector<Segment> segments;  // segment k - 1 holds column k and the transition after it
    mutable std::map<std::pair<int, int>, QImage> tiles;  // by strip, then band
};
