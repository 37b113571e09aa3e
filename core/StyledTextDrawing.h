#pragma once
// Styled text laid out in a width and drawn into any drawing context. Lines break at line ends
// and, inside a style run, at blanks (inside a word only when it is wider than a line); all
// measuring is done on the sections' own pictures, so a text breaks into the same lines on a
// picture and on a printer page.
#include "core/FormattedText.h"

#include <climits>
#include <memory>
#include <vector>

namespace StyledTextDrawing {

// Draws all of st from the top y, each line within width from x. g's text settings are kept.
void DrawStyledText(Graphics& g, const StyledText& st, int x, int y, int width);
// Draws the lines of st that end at or above y + height; returns the undrawn rest, nullptr when
// everything was drawn. g's text settings are kept.
std::shared_ptr<StyledText> DrawStyledText(Graphics& g, const StyledText& st, int x, int y, int width, int height);
// The height of st laid out at width: the advance the whole DrawStyledText makes. g is not used.
int StyledTextHeight(Graphics& g, const StyledText& st, int width);

// A styled text drawn in parts, each part going on where the last one ended, as printing draws a
// long text page after page. The text is laid out once, a line at a time as it is drawn, so all
// the parts together take time linear in the text, however many there are.
class TextFlow {
public:
    explicit TextFlow(const StyledText& st);
    ~TextFlow();
    TextFlow(const TextFlow&) = delete;
    TextFlow& operator=(const TextFlow&) = delete;

    // No character is left to draw (at most the empty line of a final line end).
    bool AtEnd() const;
    // Draws at width from x, the top at y, the lines that end at or above y + height, and answers
    // the height they take. With cutTallLine, a first line taller than the whole height is drawn
    // cut: the rows that fit now, the rest by the next parts, each part showing only its rows.
    // g's text settings are kept.
    int Draw(Graphics& g, int x, int y, int width, int height, bool cutTallLine);
    // What is left to draw, as a styled text (empty when only that empty line is); nullptr when
    // nothing is.
    std::shared_ptr<StyledText> Rest() const;

private:
    struct State;
    std::unique_ptr<State> state;
};

// Printed pages: where the next item goes, the height still free on the page, and page breaks
// that wait until something is drawn on the new page, so that no page is left blank.
class PrintedPages {
public:
    explicit PrintedPages(Graphics& g) : g(g), H(g.Height()), W(g.Width()), R(H) {}

    Graphics& g;
    const int H;  // page height
    const int W;  // page width
    int R;        // height still free on the page

    int top() const { return H - R; }
    // The next item goes on a new page.
    void newPage();
    // Something is about to be drawn at top(): the page waiting to be started is started.
    void beforeDrawing();
    // Prints what is left of the flow at the full page width from top(), going on over as many
    // pages as it needs. A line that does not fit the rest of the page starts the next one; a line
    // taller than a whole page is printed in slices, page after page.
    void print(TextFlow& flow);

private:
    bool used = false;
    bool breakPending = false;
};

// A text laid out once at a width, its lines broken as DrawStyledText breaks them: its height is
// known at once, and any band of it is drawn again without laying the text out anew.
class LaidOutText {
public:
    LaidOutText(const StyledText& st, int width);

    int Width() const { return layoutWidth; }
    int Height() const { return height; }
    int LineCount() const { return static_cast<int>(lines.size()); }
    // Draws the lines that reach into the rows top..bottom - 1 of the text (its first row is 0),
    // with the text's top left at (x, y), as DrawStyledText draws them. g's text settings are kept.
    void draw(Graphics& g, int x, int y, int top = 0, int bottom = INT_MAX) const;

private:
    struct Section {
        size_t run;  // in the queue
        qsizetype start, length;
    };
    struct Line {
        int top, height;
        int alignment;
        size_t firstSection, sectionCount;
    };
    FormattedText queue;  // kept whole: the sections are pieces of its runs
    std::vector<Line> lines;
    std::vector<Section> sections;
    int layoutWidth = 0;
    int height = 0;
};

// Takes the next line off the front of ft. Every line takes at least one character unless it
// only drops empty runs: a word wider than the whole line is broken between characters, so the
// line holds as much of it as fits (one character when width <= 0), and the rest follows on the
// next lines. The time taken grows with the line, not with the text.
DrawnLine PrepareLine(FormattedText& ft, int width);
// Draws the line with its top at y, aligned within width from x.
void DrawLine(DrawnLine& line, Graphics& g, int x, int y, int width);

// The text settings a drawing call keeps for its caller.
inline QString gTextFont;
inline int gTextSize = 0;
inline Color gTextColor;
inline bool gBold = false;
inline bool gItalic = false;
inline bool gUnderline = false;
void SaveGraphicsSettings(const Graphics& g);
void RestoreGraphicsSettings(Graphics& g);

}  // namespace StyledTextDrawing
