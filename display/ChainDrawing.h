#pragma once
// Where the pieces of a drawn chain go, and their drawing. Column k holds hexagram k: its two
// trigram captions, its figure, its name, and its description and judgement; the gap after it
// holds the transition text toward hexagram k + 1. Lengths are pixels of the drawing, y downward.
#include "core/Hexagram.h"
#include "platform/Graphics.h"
#include "platform/StyledText.h"
#include "platform/VectorShapes.h"

#include <memory>

namespace ChainDrawing {

// The vertical rhythm of the settings in force: the caption row height T, the figures' top and
// their height.
struct Rhythm {
    int T = 0;
    int top = 0;
    int hexH = 0;
};
Rhythm rhythm();

// A column laid out. The captions and the name are placed at their anchors: each text centred on
// its X, its baseline at its Y.
struct Column {
    std::shared_ptr<StringShape> above, below, name;
    double figureX = 0;
    int figureY = 0;
    StyledText text;  // description, two line ends, judgement
    int textX = 0, textY = 0;
    int textHeight = 0;
    static constexpr int textWidth = 230;
    int bottom() const { return textY + textHeight; }
};
Column column(const Hexagram& hexagram, int k);
// The figure and the three captions.
void drawColumnHead(Graphics& g, const Group2D* figure, const Column& column);
// The description and judgement.
void drawColumnText(Graphics& g, const Column& column);

// The transition text after hexagram j, laid out in its gap with a margin on either side, so that
// the frame of a selected hexagram or transition leaves it clear.
struct Transition {
    StyledText text;
    int x = 0, y = 0;
    int height = 0;
    static constexpr int margin = 6;
    static constexpr int width = 180 - 2 * margin;
    int bottom() const { return y + height; }
};
Transition transition(const Hexagram& from, int j);
void drawTransition(Graphics& g, const Transition& transition);

}  // namespace ChainDrawing
