#include "core/StyledTextDrawing.h"

#include "platform/UserCancel.h"

#include <QTextBoundaryFinder>
#include <vector>

namespace StyledTextDrawing {

namespace {

// Where the layout stands in a queue it reads without changing: the runs before `run` are laid
// out, and so are the first `offset` characters of run `run`.
struct Cursor {
    size_t run = 0;
    qsizetype offset = 0;
};

// Whether text fits into the rest of the line, measured on the section.
bool fits(DrawnSection& section, QStringView text, int runningWidth, int width) {
    section.SectionText = text.toString();
    return runningWidth + section.SectionWidth() < width;
}

// The length of the shortest of text's first 32, 64, 128... characters, or of text itself, that
// does not fit into the rest of the line; text.size() + 1 when all of text fits. A text is at least
// as wide as any of its beginnings, so nothing longer fits either: a long run is measured only
// about as far as its line reaches, not whole for every line.
qsizetype overflowLength(DrawnSection& section, QStringView text, int runningWidth, int width) {
    for (qsizetype length = 32; length < text.size(); length *= 2) {
        if (text[length - 1].isHighSurrogate()) ++length;  // never measure half a character
        if (!fits(section, text.first(length), runningWidth, width)) return length;
    }
    return fits(section, text, runningWidth, width) ? text.size() + 1 : text.size();
}

// The longest beginning of text, ending at a character boundary, that fits; at least its first
// character. Only the first `limit` characters are looked at.
qsizetype charactersThatFit(DrawnSection& section, QStringView text, qsizetype limit, int runningWidth, int width) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), limit);
    std::vector<qsizetype> ends;  // of each character
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) ends.push_back(end);
    // Widths grow with the text: the longest fitting beginning is found by halving.
    size_t low = 0, high = ends.size();  // ends[low - 1] fits (or low is 0), ends[high] does not
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (fits(section, text.first(ends[middle]), runningWidth, width))
            low = middle + 1;
        else
            high = middle;
    }
    return low > 0 ? ends[low - 1] : ends.front();
}

// How much of text, the rest of a run that does not fit whole into the rest of the line, goes on
// the line: the longest run of leading words that fits, each with its blank. overflow is
// overflowLength's answer: any beginning that long does not fit. When nothing fits on an empty
// line, its first word goes there alone, broken between characters if the word itself is wider
// than the line, so that every line takes at least one character.
qsizetype cutLength(DrawnSection& section, QStringView text, qsizetype overflow, int runningWidth, int width,
                    bool lineIsEmpty) {
    const QStringView measurable = text.first(overflow);
    qsizetype kept = 0;
    if (runningWidth < width) {
        // The last word is never tried on its own: it fits only with the whole run, which did not.
        for (qsizetype blank = measurable.indexOf(' '); blank >= 0; blank = measurable.indexOf(' ', blank + 1)) {
            if (!fits(section, text.first(blank + 1), runningWidth, width)) break;
            kept = blank + 1;
        }
    }
    if (kept > 0 || !lineIsEmpty) return kept;
    const qsizetype blank = measurable.indexOf(' ');
    if (blank == 0) return 1;
    if (blank > 0 && fits(section, text.first(blank), runningWidth, width)) return blank + 1;
    const qsizetype broken = charactersThatFit(section, text, blank > 0 ? blank : overflow, runningWidth, width);
    // A word taken whole (a single character at a width of 0 or less) keeps its blank, and a line
    // end, taking no room, stays with the characters before it.
    if (broken == blank) return blank + 1;
    return text.sliced(broken) == EndOfLine() ? text.size() : broken;
}

// Takes the next line of ft from the cursor on and moves the cursor past it.
DrawnLine takeLine(const FormattedText& ft, Cursor& at, int width) {
    DrawnLine line;
    int runningWidth = 0;
    bool lineIsEmpty = true;  // no character taken yet
    while (at.run < ft.StyleRuns.size() && !UserCancelled()) {
        const FormattedTextRun& run = ft.StyleRuns[at.run];
        const QStringView text = QStringView(run.Text).mid(at.offset);
        line.LineAlignment = run.Alignment;
        line.Sections.emplace_back();
        DrawnSection& section = line.Sections.back();
        section.SetFrom(run);
        // An empty run is dropped into the line whatever the width, adding only its font's height.
        const qsizetype overflow = text.isEmpty() ? 1 : overflowLength(section, text, runningWidth, width);
        if (overflow > text.size()) {
            section.SectionText = text.toString();
            ++at.run;
            at.offset = 0;
            if (text.isEmpty()) continue;
            lineIsEmpty = false;
            if (text.contains(EndOfLine())) break;
            runningWidth += section.SectionWidth();
            continue;
        }
        const qsizetype kept = cutLength(section, text, overflow, runningWidth, width, lineIsEmpty);
        section.SectionText = text.first(kept).toString();
        at.offset += kept;
        if (at.offset == run.Text.size()) {
            ++at.run;
            at.offset = 0;
        }
        break;
    }
    return line;
}

// The queue from the cursor on, as a styled text.
std::shared_ptr<StyledText> restFrom(const FormattedText& ft, Cursor at) {
    FormattedText rest;
    rest.StyleRuns.assign(ft.StyleRuns.begin() + static_cast<std::ptrdiff_t>(at.run), ft.StyleRuns.end());
    if (!rest.StyleRuns.empty()) rest.StyleRuns.front().Text.remove(0, at.offset);
    return rest.ToStyledText();
}

}  // namespace

DrawnLine PrepareLine(FormattedText& ft, int width) {
    Cursor at;
    DrawnLine line = takeLine(ft, at, width);
    ft.StyleRuns.erase(ft.StyleRuns.begin(), ft.StyleRuns.begin() + static_cast<std::ptrdiff_t>(at.run));
    if (at.offset > 0) ft.StyleRuns.front().Text.remove(0, at.offset);
    return line;
}

void DrawLine(DrawnLine& line, Graphics& g, int x, int y, int width) {
    const int ascent = line.LineTextAscent();
    const int lineWidth = line.LineWidth();
    int left = x;
    // A line wider than the width (a single character, or any line at a width of 0 or less)
    // starts at x whatever its alignment.
    if (lineWidth <= width) {
        if (line.LineAlignment == 2) left = Int(x + (width - lineWidth) / 2.0);
        if (line.LineAlignment == 3) left = x + width - lineWidth;
    }
    for (DrawnSection& section : line.Sections) {
        section.SetTo(g);
        g.DrawString(section.SectionText, left, y + ascent);
        left = Int(left + g.StringWidth(section.SectionText));
    }
}

void DrawStyledText(Graphics& g, const StyledText& st, int x, int y, int width) {
    const FormattedText queue(st);
    SaveGraphicsSettings(g);
    for (Cursor at; at.run < queue.StyleRuns.size();) {
        DrawnLine line = takeLine(queue, at, width);
        DrawLine(line, g, x, y, width);
        y += line.LineTextHeight();
    }
    RestoreGraphicsSettings(g);
}

std::shared_ptr<StyledText> DrawStyledText(Graphics& g, const StyledText& st, int x, int y, int width, int height) {
    const FormattedText queue(st);
    SaveGraphicsSettings(g);
    int top = y;
    for (Cursor at; at.run < queue.StyleRuns.size();) {
        const Cursor lineStart = at;
        DrawnLine line = takeLine(queue, at, width);
        const int lineHeight = line.LineTextHeight();
        if (y + height < top + lineHeight) {
            RestoreGraphicsSettings(g);
            return restFrom(queue, lineStart);
        }
        DrawLine(line, g, x, top, width);
        top += lineHeight;
    }
    RestoreGraphicsSettings(g);
    return nullptr;
}

int StyledTextHeight(Graphics&, const StyledText& st, int width) {
    const FormattedText queue(st);
    int total = 0;
    for (Cursor at; at.run < queue.StyleRuns.size();) total += takeLine(queue, at, width).LineTextHeight();
    return total;
}

void SaveGraphicsSettings(const Graphics& g) {
    gTextFont = g.TextFont;
    gTextSize = g.TextSize;
    gTextColor = g.ForeColor;
    gBold = g.Bold;
    gItalic = g.Italic;
    gUnderline = g.Underline;
}

void RestoreGraphicsSettings(Graphics& g) {
    g.TextFont = gTextFont;
    g.TextSize = gTextSize;
    g.ForeColor = gTextColor;
    g.Bold = gBold;
    g.Italic = gItalic;
    g.Underline = gUnderline;
}

}  // namespace StyledTextDrawing
