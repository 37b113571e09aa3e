#include "core/StyledTextDrawing.h"

#include "platform/UserCancel.h"

#include <QStringList>
#include <algorithm>

namespace StyledTextDrawing {

namespace {

// Cuts the first run of the queue, which does not fit into the rest of the line: the section keeps
// the longest run of leading words that fits, each with its blank, and the run keeps the rest.
void cutRun(FormattedText& ft, DrawnSection& section, int runningWidth, int width, bool lineIsEmpty) {
    FormattedTextRun& run = ft.StyleRuns.front();
    const QStringList fields = run.Text.split(' ');
    section.SectionText.clear();
    qsizetype appended = 0;
    while (appended < fields.size() && runningWidth + section.SectionWidth() < width) {
        section.SectionText += fields[appended] + ' ';
        ++appended;
    }
    // Each test ran before an append, so the field appended last was never measured.
    QString kept;
    for (qsizetype k = 0; k + 1 < appended; ++k) kept += fields[k] + ' ';
    // A word wider than a whole line (or any word at a width of 0 or less) goes on a line of its
    // own rather than staying in the queue forever.
    if (kept.isEmpty() && lineIsEmpty) kept = fields.size() > 1 ? fields[0] + ' ' : fields[0];
    section.SectionText = kept;
    run.Text = run.Text.mid(kept.size());
    if (run.Text.isEmpty()) ft.StyleRuns.pop_front();
}

}  // namespace

DrawnLine PrepareLine(FormattedText& ft, int width) {
    DrawnLine line;
    int runningWidth = 0;
    bool lineIsEmpty = true;  // no character taken yet
    while (!ft.StyleRuns.empty() && !UserCancelled()) {
        const FormattedTextRun& run = ft.StyleRuns.front();
        line.LineAlignment = run.Alignment;
        line.Sections.emplace_back();
        DrawnSection& section = line.Sections.back();
        section.SetFrom(run);
        section.SectionText = run.Text;
        const int sectionWidth = section.SectionWidth();
        // An empty run is dropped into the line whatever the width, adding only its font's height.
        if (run.Text.isEmpty() || runningWidth + sectionWidth < width) {
            const bool endsLine = run.Text.contains(EndOfLine());
            if (!run.Text.isEmpty()) lineIsEmpty = false;
            ft.StyleRuns.pop_front();
            if (endsLine) break;
            runningWidth += sectionWidth;
            continue;
        }
        cutRun(ft, section, runningWidth, width, lineIsEmpty);
        break;
    }
    return line;
}

void DrawLine(DrawnLine& line, Graphics& g, int x, int y, int width) {
    const int ascent = line.LineTextAscent();
    const int lineWidth = line.LineWidth();
    int left = x;
    // A line wider than the width (a single long word) starts at x whatever its alignment.
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
    FormattedText queue(st);
    SaveGraphicsSettings(g);
    while (!queue.StyleRuns.empty()) {
        DrawnLine line = PrepareLine(queue, width);
        DrawLine(line, g, x, y, width);
        y += line.LineTextHeight();
    }
    RestoreGraphicsSettings(g);
}

std::shared_ptr<StyledText> DrawStyledText(Graphics& g, const StyledText& st, int x, int y, int width, int height) {
    FormattedText queue(st);
    SaveGraphicsSettings(g);
    int top = y;
    while (!queue.StyleRuns.empty()) {
        const FormattedText beforeLine = queue.MakeCopy();
        DrawnLine line = PrepareLine(queue, width);
        const int lineHeight = line.LineTextHeight();
        if (y + height < top + lineHeight) {
            RestoreGraphicsSettings(g);
            return beforeLine.ToStyledText();
        }
        DrawLine(line, g, x, top, width);
        top += lineHeight;
    }
    RestoreGraphicsSettings(g);
    return nullptr;
}

int StyledTextHeight(Graphics&, const StyledText& st, int width) {
    FormattedText queue(st);
    int total = 0;
    while (!queue.StyleRuns.empty()) total += PrepareLine(queue, width).LineTextHeight();
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
