#pragma once
// The input windows' rules that need no window: lines and trigram numbers, the label texts, the
// caption of the check box, what "set" asks of the display window, the reading of a dropped
// hexagram, and the change mask of the changing-line editor.
#include <QString>
#include <array>
#include <optional>

namespace InputLogic {

// Six lines, element i = line i + 1 (line 1 at the bottom), true for a yang line.
using Lines = std::array<bool, 6>;

// The lines of a hexagram code; a code above 63 reads as all yang, a negative one as all yin.
Lines linesOf(int code);
// The hexagram code of six lines (bit i = line i + 1).
int codeOf(const Lines& lines);
// Trigram numbers of lines: the upper from lines 4..6, the lower from lines 1..3.
inline int upperTrigram(const Lines& lines) { return codeOf(lines) / 8; }
inline int lowerTrigram(const Lines& lines) { return codeOf(lines) % 8; }

// The input window's width: its labels show no more of a text than a line this wide holds.
constexpr int WindowWidth = 606;
// The name of trigram t of the table in use, a CR and its description; empty for a trigram that
// is not loaded. Each is cut to what a line of the window can show.
QString labelText(int t);
// The name of trigram t of the table in use, cut to what a line of the window can show; empty for
// a trigram that is not loaded.
QString trigramName(int t);

// The caption of the check box for the mode and its value.
QString newHexCaption(bool isEdit, bool checked);

// What "set" asks of the display window.
struct SetDecision {
    enum class Call { Nothing, NewHex, HexEdit };
    Call call = Call::Nothing;
    int code = 0;       // 8 x upper + lower
    bool flag = false;  // the check box's value
};
struct Composition {
    bool isEdit = false;
    int top = 0, bottom = 0;              // the trigrams composed
    int sourceTop = 0, sourceBottom = 0;  // the trigrams the window started with
    bool checked = false;                 // the check box
};
SetDecision decideSet(const Composition& c);

// The upper and lower trigram of a dragged hexagram's text "upper,lower,code": exactly three
// fields, the first two each a number 0..7; nothing otherwise. The code is not read.
struct DroppedTrigrams {
    int top = 0, bottom = 0;
};
std::optional<DroppedTrigrams> droppedTrigrams(const QString& text);

// The changing-line editor's "Set": the mask of the marked lines against the mask it opened with.
struct MaskDecision {
    enum class Outcome { NoLineMarked, Unchanged, Send };
    Outcome outcome = Outcome::NoLineMarked;
    int mask = 0;
};
MaskDecision decideMask(const Lines& marked, int oldMask);

}  // namespace InputLogic
