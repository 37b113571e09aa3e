#include "display/ChainDrawing.h"

#include "core/M_globals.h"
#include "core/StyledTextDrawing.h"
#include "core/TrigramLookup.h"
#include "display/ChainLogic.h"

namespace ChainDrawing {

namespace {

std::shared_ptr<StringShape> caption(const QString& text, const QString& font, double x, double y,
                                     TextLayouts* layouts) {
    auto shape = std::make_shared<StringShape>();
    shape->Bold = true;
    shape->TextFont = font;
    shape->Text = layouts ? layouts->caption(text, *shape) : elidedLine(text, shape->font(), CaptionWidth);
    shape->X = x;
    shape->Y = y;
    return shape;
}

StyledText styled(const QString& text, const QString& font, int size) {
    StyledText st;
    st.setText(text);
    const int length = static_cast<int>(text.size());
    st.setFont(0, length, font);
    st.setSize(0, length, size);
    return st;
}

// Row `row` of the drawing as a row of a text whose top lies at `origin`.
int rowOf(int row, int origin) { return row == INT_MAX ? INT_MAX : row - origin; }

TextLayouts::Laid laidOut(const QString& text, const QString& font, int size, int width, TextLayouts* layouts) {
    if (layouts) return layouts->of(text, font, size, width);
    TextLayouts::Laid laid{styled(text, font, size), nullptr};
    laid.lines = std::make_shared<const StyledTextDrawing::LaidOutText>(laid.text, width);
    return laid;
}

}  // namespace

TextLayouts::Laid TextLayouts::of(const QString& text, const QString& font, int size, int width) {
    const Key key{text, font, size, width};
    if (const auto found = kept.constFind(key); found != kept.constEnd()) return *found;
    // A drawing of ever new texts keeps a bounded store.
    if (kept.size() >= 512) kept.clear();
    return *kept.insert(key, laidOut(text, font, size, width, nullptr));
}

QString TextLayouts::caption(const QString& text, const StringShape& shape) {
    // Captions are cut to one width; in its place the key tells bold from plain.
    const Key key{text, shape.TextFont, shape.TextSize, shape.Bold ? 1 : 0};
    if (const auto found = captions.constFind(key); found != captions.constEnd()) return *found;
    if (captions.size() >= 512) captions.clear();
    return *captions.insert(key, elidedLine(text, shape.font(), CaptionWidth));
}

Rhythm rhythm() {
    Rhythm r;
    r.T = M_globals::Used_textsizeTitle;
    r.top = 2 * r.T + 13;
    r.hexH = 6 * M_globals::Used_HexWidth + 5 * M_globals::Used_HexSpacing;
    return r;
}

Column column(const Hexagram& hexagram, int k, TextLayouts* layouts) {
    const Rhythm r = rhythm();
    const int x0 = ChainLogic::columnX(k);
    const double centre = x0 + ChainLogic::ColumnWidth / 2;
    Column c;
    c.above = caption("above: " + M_globals::trigramName(hexagram.above), M_globals::font_above, centre, r.T, layouts);
    c.below = caption("below: " + M_globals::trigramName(hexagram.below), M_globals::font_above, centre, 2 * r.T + 3,
                      layouts);
    c.name = caption(hexagram.name, M_globals::font_title, centre, r.top + r.hexH + r.T + 5, layouts);
    c.figureX = x0 + Int((ChainLogic::ColumnWidth - M_globals::Used_yangLength) / 2.0);
    c.figureY = r.top;
    auto laid = laidOut(hexagram.description + CR + CR + hexagram.judgement, M_globals::font_judgement, 12,
                        Column::textWidth, layouts);
    c.text = std::move(laid.text);
    c.lines = std::move(laid.lines);
    c.textX = x0 + 10;
    c.textY = r.top + r.hexH + r.T + 10;
    c.textHeight = c.lines->Height();
    return c;
}

void drawColumnHead(Graphics& g, const Group2D* figure, const Column& column) {
    if (figure) g.DrawObject(*figure, column.figureX, column.figureY);
    for (const auto& shape : {column.above, column.below, column.name}) g.DrawObject(*shape, 0, 0);
}

void drawColumnText(Graphics& g, const Column& column, int top, int bottom) {
    if (column.lines)
        column.lines->draw(g, column.textX, column.textY, rowOf(top, column.textY), rowOf(bottom, column.textY));
}

Transition transition(const Hexagram& from, int j, TextLayouts* layouts) {
    const Rhythm r = rhythm();
    Transition t;
    auto laid = laidOut(ChainLogic::transitionText(from), M_globals::font_sixnines, 10, Transition::width, layouts);
    t.text = std::move(laid.text);
    t.lines = std::move(laid.lines);
    t.height = t.lines->Height();
    t.x = ChainLogic::columnX(j) + ChainLogic::ColumnWidth + Transition::margin;
    t.y = ChainLogic::transitionTop(t.height, r.hexH, r.top);
    return t;
}

void drawTransition(Graphics& g, const Transition& transition, int top, int bottom) {
    if (transition.lines)
        transition.lines->draw(g, transition.x, transition.y, rowOf(top, transition.y), rowOf(bottom, transition.y));
}

}  // namespace ChainDrawing
