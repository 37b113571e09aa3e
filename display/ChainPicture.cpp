#include "display/ChainPicture.h"

#include "core/M_globals.h"
#include "display/ChainLogic.h"

#include <QPainter>
#include <algorithm>

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
    strips.erase(strips.lower_bound(first), strips.upper_bound(last));
}

void ChainPicture::drawSegments(Graphics& g, int x, int y, const QRect& clip, int first, int last) const {
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(segments.size()) - 1);
    if (first > last || clip.isEmpty()) return;
    QPainter& painter = g.painter();
    painter.save();
    painter.translate(x, y);
    painter.setClipRect(clip, Qt::IntersectClip);
    for (int s = first; s <= last; ++s) {
        const Segment& segment = segments[static_cast<size_t>(s)];
        if (segment.column) {
            ChainDrawing::drawColumnHead(g, segment.figure.get(), *segment.column);
            ChainDrawing::drawColumnText(g, *segment.column);
        }
        if (segment.transition) ChainDrawing::drawTransition(g, *segment.transition);
    }
    painter.restore();
}

const QImage& ChainPicture::strip(int s) const {
    auto found = strips.find(s);
    if (found != strips.end()) return found->second;
    int reach = 1;
    for (int t = s - kNeighbours; t <= s + kNeighbours; ++t)
        if (t >= 0 && t < static_cast<int>(segments.size())) reach = std::max(reach, segments[static_cast<size_t>(t)].reach());
    QImage pixels(ChainLogic::Pitch, reach, QImage::Format_RGB32);
    pixels.fill(paper);
    {
        Graphics g(pixels);
        const int left = ChainLogic::Pitch * s;
        drawSegments(g, -left, 0, QRect(left, 0, ChainLogic::Pitch, reach), s - kNeighbours, s + kNeighbours);
    }
    return strips.emplace(s, std::move(pixels)).first->second;
}

void ChainPicture::draw(Graphics& g, int x, int y, const QRect& area) const {
    const QRect shown = area.intersected(QRect(0, 0, width, height));
    if (shown.isEmpty()) return;
    QPainter& painter = g.painter();
    const int first = stripOf(shown.left());
    const int last = stripOf(shown.right());
    for (int s = first; s <= last; ++s) {
        const QImage& pixels = strip(s);
        const QRect stripArea(ChainLogic::Pitch * s, 0, ChainLogic::Pitch, height);
        const QRect part = shown.intersected(stripArea);
        const QRect drawn = part.intersected(QRect(stripArea.left(), 0, ChainLogic::Pitch, pixels.height()));
        if (!drawn.isEmpty())
            painter.drawImage(QPoint(x + drawn.left(), y + drawn.top()), pixels,
                              drawn.translated(-stripArea.left(), 0));
        // Below what the strip's pieces reach lies bare background.
        const QRect below = part.intersected(QRect(stripArea.left(), pixels.height(), ChainLogic::Pitch, height));
        if (!below.isEmpty()) painter.fillRect(below.translated(x, y), paper);
    }
    // Only the strips on show, and their neighbours, keep their pixels.
    strips.erase(strips.begin(), strips.lower_bound(first - 1));
    strips.erase(strips.upper_bound(last + 1), strips.end());
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

int ChainPicture::inkBottom(int left, int stripWidth) const {
    const QRect area = QRect(left, 0, stripWidth, height).intersected(QRect(0, 0, width, height));
    if (area.isEmpty()) return 0;
    // The segments whose pieces can reach lowest are looked at first; once the ink found lies
    // below all that the others can reach, they are not drawn at all.
    std::vector<std::pair<int, int>> reaches;  // reach, segment
    const int first = std::max(stripOf(area.left()) - kNeighbours, 0);
    const int last = std::min(stripOf(area.right()) + kNeighbours, static_cast<int>(segments.size()) - 1);
    for (int s = first; s <= last; ++s)
        if (const int reach = segments[static_cast<size_t>(s)].reach(); reach > 0) reaches.emplace_back(reach, s);
    std::sort(reaches.begin(), reaches.end(), std::greater<>());
    const QRgb background = QColor(paper).rgb();
    int lowest = -1;
    for (const auto& [reach, s] : reaches) {
        const int rows = std::min(reach, height);
        if (rows - 1 <= lowest) break;
        const QRect part = area.intersected(
            QRect(ChainLogic::Pitch * (s - kNeighbours), 0, ChainLogic::Pitch * (2 * kNeighbours + 1), rows));
        if (part.isEmpty()) continue;
        QImage pixels(part.size(), QImage::Format_RGB32);
        pixels.fill(paper);
        {
            Graphics g(pixels);
            drawSegments(g, -part.left(), 0, part, s, s);
        }
        for (int y = rows - 1; y > lowest; --y) {
            const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
            if (std::any_of(line, line + pixels.width(), [&](QRgb pixel) { return pixel != background; })) {
                lowest = y;
                break;
            }
        }
    }
    return std::max(lowest, 0);
}
