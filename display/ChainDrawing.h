#pragma once
// Where the pieces of a drawn chain go, and their drawing. Column k holds hexagram k: its two
// trigram captions, its figure, its name, and its description and judgement; the gap after it
// holds the transition text toward hexagram k + 1. Lengths are pixels of the drawing, y downward.
#include "core/Hexagram.h"
#include "core/StyledTextDrawing.h"
#include "display/ChainLogic.h"
#include "platform/Graphics.h"
#include "platform/StyledText.h"
#include "platform/VectorShapes.h"

#include <QHash>
#include <memory>

namespace ChainDrawing {

// A caption is cut, and ends in an ellipsis, where it is wider than its column: so it keeps clear
// of the transition texts beside it.
constexpr int CaptionWidth = ChainLogic::ColumnWidth;

// Texts laid out for a drawing. Equal texts in the same font, size and width are laid out once, so
// a chain that shows a hexagram many times holds its texts and their lines once.
class TextLayouts {
public:
    struct Laid {
        StyledText text;
        std::shared_ptr<const StyledTextDrawing::LaidOutText> lines;
    };
    Laid of(const QString& text, const QString& font, int size, int width);
    // The caption's text as `shape` shows it: cut to CaptionWidth in the shape's font.
    QString caption(const QString& text, const StringShape& shape);
    void clear() {
        kept.clear();
        captions.clear();
    }

private:
    struct Key {
        QString text, font;
        int size, width;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) { return qHashMulti(seed, key.text, key.font, key.size, key.width); }
    QHash<Key, Laid> kept;
    QHash<Key, QString> captions;
};

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
    std::shared_ptr<const StyledTextDrawing::LaidOutText> lines;
    int textX = 0, textY = 0;
    int textHeight = 0;
    static constexpr int textWidth = 230;
    int bottom() const { return textY + textHeight; }
};
// Texts already laid out in `layouts` are not laid out again.
Column column(const Hexagram& hexagram, int k, TextLayouts* layouts = nullptr);
// The figure and the three captions.
void drawColumnHead(Graphics& g, const Group2D* figure, const Column& column);
// The lines of the description and judgement that reach into the rows top..bottom - 1 of the
// drawing.
void drawColumnText(Graphics& g, const Column& column, int top = 0, int bottom = INT_MAX);

// The transition text after hexagram j, laid out in its gap with a margin on either side, so that
// the frame of a selected hexagram or transition leaves it clear.
struct Transition {
    StyledText text;
    std::shared_ptr<const StyledTextDrawing::LaidOutText> lines;
    int x = 0, y = 0;
    int height = 0;
    static constexpr int margin = 6;
    static constexpr int width = ChainLogic::GapWidth - 2 * margin;
    int bottom() const { return y + height; }
};
Transition transition(const Hexagram& from, int j, TextLayouts* layouts = nullptr);
// The lines of the transition text that reach into the rows top..bottom - 1 of the drawing.
void drawTransition(Graphics& g, const Transition& transition, int top = 0, int bottom = INT_MAX);

}  // namespace ChainDrawing
