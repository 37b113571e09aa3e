#include "display/ChainDrawing.h"

#include "core/M_globals.h"
#include "core/StyledTextDrawing.h"
#include "display/ChainLogic.h"

namespace ChainDrawing {

namespace {

std::shared_ptr<StringShape> caption(const QString& text, const QString& font, double x, double y) {
    auto shape = std::make_shared<StringShape>();
    shape->Bold = true;
    shape->Text = text;
    shape->TextFont = font;
    shape->X = x;
    shape->Y = y;
    return shape;
}

// The height of a text laid out in a width; the layout measures on its own pictures.
int textHeight(const StyledText& text, int width) {
    Picture scratch(1, 1, 32);
    return StyledTextDrawing::StyledTextHeight(*scratch.graphics(), text, width);
}

StyledText styled(const QString& text, const QString& font, int size) {
    StyledText st;
    st.setText(text);
    const int length = static_cast<int>(text.size());
    st.setFont(0, length, font);
    st.setSize(0, length, size);
    return st;
}

}  // namespace

Rhythm rhythm() {
    Rhythm r;
    r.T = M_globals::Used_textsizeTitle;
    r.top = 2 * r.T + 13;
    r.hexH = 6 * M_globals::Used_HexWidth + 5 * M_globals::Used_HexSpacing;
    return r;
}

Column column(const Hexagram& hexagram, int k) {
    const Rhythm r = rhythm();
    const int x0 = ChainLogic::columnX(k);
    const double centre = x0 + ChainLogic::ColumnWidth / 2;
    Column c;
    c.above = caption("above: " + ChainLogic::trigramName(hexagram.above), M_globals::font_above, centre, r.T);
    c.below = caption("below: " + ChainLogic::trigramName(hexagram.below), M_globals::font_above, centre, 2 * r.T + 3);
    c.name = caption(hexagram.name, M_globals::font_title, centre, r.top + r.hexH + r.T + 5);
    c.figureX = x0 + Int((ChainLogic::ColumnWidth - M_globals::Used_yangLength) / 2.0);
    c.figureY = r.top;
    const QString CR(QChar(13));
    c.text = styled(hexagram.description + CR + CR + hexagram.judgement, M_globals::font_judgement, 12);
    c.textX = x0 + 10;
    c.textY = r.top + r.hexH + r.T + 10;
    c.textHeight = textHeight(c.text, Column::textWidth);
    return c;
}

void drawColumnHead(Graphics& g, const Group2D* figure, const Column& column) {
    if (figure) g.DrawObject(*figure, column.figureX, column.figureY);
    for (const auto& shape : {column.above, column.below, column.name}) g.DrawObject(*shape, 0, 0);
}

void drawColumnText(Graphics& g, const Column& column) {
    StyledTextDrawing::DrawStyledText(g, column.text, column.textX, column.textY, Column::textWidth);
}

Transition transition(const Hexagram& from, int j) {
    const Rhythm r = rhythm();
    Transition t;
    t.text = styled(ChainLogic::transitionText(from), M_globals::font_sixnines, 10);
    t.height = textHeight(t.text, Transition::width);
    t.x = ChainLogic::columnX(j) + ChainLogic::ColumnWidth + Transition::margin;
    t.y = ChainLogic::transitionTop(t.height, r.hexH, r.top);
    return t;
}

void drawTransition(Graphics& g, const Transition& transition) {
    StyledTextDrawing::DrawStyledText(g, transition.text, transition.x, transition.y, Transition::width);
}

}  // namespace ChainDrawing
