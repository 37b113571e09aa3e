#pragma once
// Styled text laid out in a width and drawn into any drawing context. Lines break at line ends
// and, inside a style run, at blanks (inside a word only when it is wider than a line); all
// measuring is done on the sections' own pictures, so a text breaks into the same lines on a
// picture and on a printer page.
#include "core/FormattedText.h"

#include <memory>

namespace StyledTextDrawing {

// Draws all of st from the top y, each line within width from x. g's text settings are kept.
void DrawStyledText(Graphics& g, const StyledText& st, int x, int y, int width);
// Draws the lines of st that end at or above y + height; returns the undrawn rest, nullptr when
// everything was drawn. g's text settings are kept.
std::shared_ptr<StyledText> DrawStyledText(Graphics& g, const StyledText& st, int x, int y, int width, int height);
// The height of st laid out at width: the advance the whole DrawStyledText makes. g is not used.
int StyledTextHeight(Graphics& g, const StyledText& st, int width);

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
