#include "display/ChainPicture.h"

#include "core/M_globals.h"
#include "display/ChainLogic.h"

#include <QPainter>
#include <algorithm>
#include <climits>

namespace {

// Below the laid-out bottom of a text or a caption, room for descents and overhanging glyphs.
constexpr int kReachSlack = 24;
// How far a caption may stand out of its column into a neighbouring strip.
constexpr int kNeighbours = 1;

int stripOf(int x) { return x < 0 ? -1 : x / ChainLogic::Pitch; }

}  // namespace

ChainPicture::ChainPicture(int width, int height)
    : width(std::max(width, 0)), height(std::max(height, 0)),
      paper(M_globals::Used_BackgroundColor.isValid() ? M_globals::Used_BackgroundColor : RGB(255, 255, 255)) {}

int ChainPicture::Segment::reach() const {
    int bottom = 0;
    if (column) bottom = std::max({bottom, column->bottom(), column->textY});
    if (transition) bottom = std::max(bottom, transition->bottom());
    return bottom > 0 ? bottom + kReachSlack : 0;
}

void ChainPicture::grow(int atLeastWidth, int atLeastHeight) {
    width = std::max(width, atLeastWidth);
    height = std::max(height, atLeastHeight);
}

void ChainPicture::setHeight(int newHeight) { height = std::max(newHeight, 0); }

void ChainPicture::setColumn(int k, ChainDrawing::Column column, std::shared_ptr<const Group2D> figure) {
    if (k < 1) return;
    if (segments.size() < static_cast<size_t>(k)) segments.resize(static_cast<size_t>(k));
    Segment& segment = segments[static_cast<size_t>(k - 1)];
    segment.column = std::move(column);
    segment.figure = std::move(figure);
    forgetStrips(k - 1 - kNeighbours, k - 1 + kNeighbours);
}

void ChainPicture::setTransition(int j, ChainDrawing::Transition transition) {
    if (j < 1) return;
    if (segments.size() < static_cast<size_t>(j)) segments.resize(static_cast<size_t>(j));
    segments[static_cast<size_t>(j - 1)].transition = std::move(transition);
    forgetStrips(j - 1 - kNeighbours, j - 1 + kNeighbours);
}

void ChainPicture::clearFrom(int n) {
    if (n < 1) n = 1;
    if (n >= 2 && segments.size() >= static_cast<size_t>(n - 1)) segments[static_cast<size_t>(n - 2)].transition.reset();
    if (segments.size() >= static_cast<size_t>(n)) segments.resize(static_cast<size_t>(n - 1));
    forgetStrips(n - 2 - kNeighbours, stripOf(width) + kNeighbours);
}

void ChainPicture::forgetStrips(int first, int last) {
    tiles.erase(tiles.lower_bound({first, INT_MIN}), tiles.upper_bound({last, INT_MAX}));
}

void ChainPicture::drawSegments(Graphics& g, int x, int y, const QRect& clip, int first, int last) const {
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(segments.size()) - 1);
    if (first > last || clip.isEmpty()) return;
    QPainter& painter = g.painter();
    painter.save();
    painter.translate(x, y);
    painter.setClipRect(clip, Qt::IntersectClip);
    const int top = clip.top(), bottom = clip.bottom() + 1;
    for (int s = first; s <= last; ++s) {
        const Segment& segment = segments[static_cast<size_t>(s)];
        if (segment.column) {
            // The figure and the captions stand above the text.
            if (top < segment.column->textY + kReachSlack)
                ChainDrawing::drawColumnHead(g, segment.figure.get(), *segment.column);
            ChainDrawing::drawColumnText(g, *segment.column, top, bottom);
        }
        if (segment.transition) ChainDrawing::drawTransition(g, *segment.transition, top, bottom);
    }
    painter.restore();
}

int ChainPicture::stripReach(int s) const {
    int reach = 1;
    for (int t = s - kNeighbours; t <= s + kNeighbours; ++t)
        if (t >= 0 && t < static_cast<int>(segments.size())) reach = std::max(reach, segments[static_cast<size_t>(t)].reach());
    return reach;
}

const QImage& ChainPicture::tile(int s, int b) const {
    auto found = tiles.find({s, b});
    if (found != tiles.end()) return found->second;
    const int top = TileHeight * b;
    QImage pixels(ChainLogic::Pitch, std::clamp(stripReach(s) - top, 1, TileHeight), QImage::Format_RGB32);
    pixels.fill(paper);
    {
        Graphics g(pixels);
        const int left = ChainLogic::Pitch * s;
        const QRect area(left, top, ChainLogic::Pitch, pixels.height());
        drawSegments(g, -left, -top, area, s - kNeighbours, s + kNeighbours);
    }
    return tiles.emplace(std::make_pair(s, b), std::move(pixels)).first->second;
}

void ChainPicture::draw(Graphics& g, int x, int y, const QRect& area) const {
    const QRect shown = area.intersected(QRect(0, 0, width, height));
    if (shown.isEmpty()) return;
    QPainter& painter = g.painter();
    const int first = stripOf(shown.left()), last = stripOf(shown.right());
    const int firstBand = shown.top() / TileHeight, lastBand = shown.bottom() / TileHeight;
    for (int s = first; s <= last; ++s) {
        const QRect stripArea(ChainLogic::Pitch * s, 0, ChainLogic::Pitch, height);
        const int reach = stripReach(s);
        for (int b = firstBand; b <= lastBand; ++b) {
            const QRect band(stripArea.left(), TileHeight * b, ChainLogic::Pitch, TileHeight);
            const QRect part = shown.intersected(stripArea).intersected(band);
            if (part.isEmpty()) continue;
            // Below what the strip's pieces reach lies bare background.
            const QRect inked = part.intersected(QRect(stripArea.left(), 0, ChainLogic::Pitch, reach));
            if (!inked.isEmpty())
                painter.drawImage(QPoint(x + inked.left(), y + inked.top()), tile(s, b),
                                  inked.translated(-stripArea.left(), -TileHeight * b));
            if (inked != part) {
                const QRect bare = part.intersected(QRect(stripArea.left(), reach, ChainLogic::Pitch, height));
                painter.fillRect(bare.translated(x, y), paper);
            }
        }
    }
    // Only the tiles on show, and their neighbours, keep their pixels.
    for (auto tile = tiles.begin(); tile != tiles.end();) {
        const auto [s, b] = tile->first;
        const bool near = s >= first - 1 && s <= last + 1 && b >= firstBand - 1 && b <= lastBand + 1;
        tile = near ? std::next(tile) : tiles.erase(tile);
    }
}

std::shared_ptr<Picture> ChainPicture::compose(int left, int stripWidth, int stripHeight) const {
    auto picture = NewPicture(stripWidth, stripHeight, 16);
    if (!picture) return nullptr;
    Graphics& g = *picture->graphics();
    g.painter().fillRect(QRect(0, 0, stripWidth, stripHeight), paper);
    const QRect area = QRect(left, 0, stripWidth, stripHeight).intersected(QRect(0, 0, width, height));
    drawSegments(g, -left, 0, area, stripOf(area.left()) - kNeighbours, stripOf(area.right()) + kNeighbours);
    return picture;
}

QImage ChainPicture::toImage() const {
    const auto picture = compose(0, width, height);
    return picture ? picture->image() : QImage();
}

int ChainPicture::lowestInk(int s, const QRect& columns, int above) const {
    const QRgb background = QColor(paper).rgb();
    for (int bottom = columns.bottom() + 1; bottom > columns.top() && bottom - 1 > above; bottom -= TileHeight) {
        const QRect part = columns.intersected(QRect(columns.left(), bottom - TileHeight, columns.width(), TileHeight));
        QImage pixels(part.size(), QImage::Format_RGB32);
        pixels.fill(paper);
        {
            Graphics g(pixels);
            drawSegments(g, -part.left(), -part.top(), part, s, s);
        }
        for (int y = pixels.height() - 1; y >= 0 && part.top() + y > above; --y) {
            const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
            if (std::any_of(line, line + pixels.width(), [&](QRgb pixel) { return pixel != background; }))
                return part.top() + y;
        }
    }
    return -1;
}

namespace {

// What the ink of a segment drawn alone depends on: its pieces, where they stand relative to its
// column, and the part of the drawing looked at. Segments alike ink the same rows.
struct InkKey {
    const void *text, *figure, *transition;
    QString above, below, name, captionFont, nameFont;
    int textY, transitionY, partLeft, partRight, rows;
    bool operator==(const InkKey&) const = default;
};
size_t qHash(const InkKey& k, size_t seed) {
    return qHashMulti(seed, k.text, k.figure, k.transition, k.above, k.below, k.name, k.textY, k.transitionY,
                      k.partLeft, k.partRight, k.rows);
}

}  // namespace

int ChainPicture::inkBottom(int left, int stripWidth) const {
    const QRect area = QRect(left, 0, stripWidth, height).intersected(QRect(0, 0, width, height));
    if (area.isEmpty()) return 0;
    // The segments whose pieces can reach lowest are looked at first, each from its bottom up one
    // band at a time; once the ink found lies below all that the others can reach, they are not
    // drawn at all. Segments alike are drawn once.
    std::vector<std::pair<int, int>> reaches;  // reach, segment
    const int first = std::max(stripOf(area.left()) - kNeighbours, 0);
    const int last = std::min(stripOf(area.right()) + kNeighbours, static_cast<int>(segments.size()) - 1);
    for (int s = first; s <= last; ++s)
        if (const int reach = segments[static_cast<size_t>(s)].reach(); reach > 0) reaches.emplace_back(reach, s);
    std::sort(reaches.begin(), reaches.end(), std::greater<>());
    QHash<InkKey, int> alike;  // the lowest inked row above the rows already found, -1 for none
    int lowest = -1;
    for (const auto& [reach, s] : reaches) {
        const int rows = std::min(reach, height);
        if (rows - 1 <= lowest) break;
        const QRect columns = area.intersected(
            QRect(ChainLogic::Pitch * (s - kNeighbours), 0, ChainLogic::Pitch * (2 * kNeighbours + 1), rows));
        if (columns.isEmpty()) continue;
        const Segment& segment = segments[static_cast<size_t>(s)];
        const int x0 = ChainLogic::Pitch * s;
        InkKey key{nullptr, segment.figure.get(), nullptr, {}, {}, {}, {}, {}, 0, 0, columns.left() - x0,
                   columns.right() - x0, rows};
        if (const auto& column = segment.column) {
            key.text = column->lines.get();
            key.textY = column->textY;
            key.above = column->above->Text;
            key.below = column->below->Text;
            key.name = column->name->Text;
            key.captionFont = column->above->TextFont;
            key.nameFont = column->name->TextFont;
        }
        if (const auto& transition = segment.transition) {
            key.transition = transition->lines.get();
            key.transitionY = transition->y;
        }
        // Rows already found need not be found again, so what a segment alike left unfound stays so.
        auto found = alike.constFind(key);
        if (found == alike.constEnd()) found = alike.insert(key, lowestInk(s, columns, lowest));
        lowest = std::max(lowest, *found);
    }
    return std::max(lowest, 0);
}
