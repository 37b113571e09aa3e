#include "core/StyledTextDrawing.h"

#include "platform/UserCancel.h"

#include <QHash>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <deque>
#include <optional>
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

// The widths of the words of a text, each word measured once in a layout call, in the style of the
// section that first asks. A run of words is as wide as its words are together, but for the
// kerning of a blank with the word after it, which is measured once for each first character; near
// the edge of a line the text is measured whole.
class WordWidths {
public:
    // The width of `word`, a word with its trailing blank or the last word of a text; `afterBlank`
    // when a blank stands before it on the line.
    double of(DrawnSection& section, QStringView word, bool afterBlank) {
        Style& style = styleOf(section);
        double width = measured(style.words, style.measure, word);
        if (afterBlank && !word.isEmpty()) {
            const QStringView first = word.first(word.size() > 1 && word[0].isHighSurrogate() ? 2 : 1);
            auto kern = style.kerns.constFind(QString::fromRawData(first.data(), first.size()));
            if (kern == style.kerns.constEnd()) {
                const QString pair = QChar(u' ') + first.toString();
                kern = style.kerns.insert(first.toString(), style.measure->width(pair) - style.measure->width(u" ") -
                                                                style.measure->width(first));
            }
            width += *kern;
        }
        return width;
    }

private:
    struct Style {
        std::shared_ptr<const TextMeasure> measure;  // kept alive, so that no other style takes its place
        QHash<QString, double> words;
        QHash<QString, double> kerns;  // of a blank with the first character of a word
    };

    Style& styleOf(DrawnSection& section) {
        const TextMeasure& measure = section.measure();
        for (Style& s : styles)
            if (s.measure.get() == &measure) return s;
        styles.push_back({section.Measure, {}, {}});
        return styles.back();
    }

    static double measured(QHash<QString, double>& words, const std::shared_ptr<const TextMeasure>& measure,
                           QStringView word) {
        const auto found = words.constFind(QString::fromRawData(word.data(), word.size()));
        if (found != words.constEnd()) return *found;
        // A text of ever new words keeps a bounded store.
        if (words.size() >= (1 << 16)) words.clear();
        const double width = measure->width(word);
        words.insert(word.toString(), width);
        return width;
    }

    std::deque<Style> styles;
};

// Whether text, estimated `estimate` wide, fits into the rest of the line: by the estimate where it
// lies clearly on one side of the edge, else by measuring the text whole.
bool fitsByEstimate(DrawnSection& section, QStringView text, double estimate, int runningWidth, int width) {
    const double room = width - runningWidth;
    constexpr double margin = 1;
    if (estimate < room - margin) return true;
    if (estimate >= room + margin) return false;
    return fits(section, text, runningWidth, width);
}

// How the rest of a run meets the rest of the line.
struct Fit {
    qsizetype kept = 0;      // the longest run of leading words that fits, each with its blank
    qsizetype overflow = 0;  // the length of a beginning found too wide; 0 when the whole text fits
};

// A length of at least `length` characters that does not end inside a character of two code units.
qsizetype wholeCharacters(QStringView text, qsizetype length) {
    return length > 0 && length < text.size() && text[length - 1].isHighSurrogate() ? length + 1 : length;
}

// Words are added to the line from their widths, so a line costs about as much as its words. A
// text is at least as wide as any of its beginnings, so the first word found too wide ends the
// search. A long word is measured in steps that double only until its beginning no longer fits:
// a long run is measured about as far as its line reaches, not whole for every line.
Fit fitWords(DrawnSection& section, QStringView text, int runningWidth, int width, WordWidths& words) {
    constexpr qsizetype step = 32;
    Fit fit;
    if (runningWidth >= width) {  // not even an empty text fits
        fit.overflow = wholeCharacters(text, std::min(text.size(), step));
        return fit;
    }
    double sum = 0;           // the estimated width of the first fit.kept characters
    qsizetype searched = 0;  // holds no blank after fit.kept
    while (searched < text.size()) {
        const qsizetype reach = std::min(text.size(), searched + 2 * step);
        const qsizetype blank = text.first(reach).indexOf(u' ', searched);
        const bool last = blank < 0 && reach == text.size();
        if (blank < 0 && !last) break;  // a long word
        const qsizetype end = last ? text.size() : blank + 1;
        const double estimate = sum + words.of(section, text.sliced(searched, end - searched), searched > 0);
        if (!fitsByEstimate(section, text.first(end), estimate, runningWidth, width)) {
            fit.overflow = end;
            return fit;
        }
        if (last) return Fit();  // the whole text fits
        sum = estimate;
        fit.kept = searched = end;
    }
    for (qsizetype window = step;;) {
        const qsizetype end = std::min(text.size(), searched + window);
        const qsizetype blank = text.first(end).indexOf(u' ', searched);
        if (blank >= 0) {
            if (!fits(section, text.first(blank + 1), runningWidth, width)) {
                fit.overflow = blank + 1;
                return fit;
            }
            fit.kept = searched = blank + 1;
            window = step;
        } else if (end < text.size()) {
            const qsizetype probe = wholeCharacters(text, end);
            if (!fits(section, text.first(probe), runningWidth, width)) {
                fit.overflow = probe;
                return fit;
            }
            searched = probe;
            window *= 2;
        } else {
            break;  // the rest is the last word: it fits only with the whole text
        }
    }
    if (!fits(section, text, runningWidth, width)) fit.overflow = text.size();
    return fit;
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
// the line: the words that fit. When none fits on an empty line, its first word goes there alone,
// broken between characters if the word itself is wider than the line, so that every line takes
// at least one character.
qsizetype cutLength(DrawnSection& section, QStringView text, const Fit& fit, int runningWidth, int width,
                    bool lineIsEmpty) {
    if (fit.kept > 0 || !lineIsEmpty) return fit.kept;
    const qsizetype blank = text.first(fit.overflow).indexOf(u' ');
    if (blank == 0) return 1;
    if (blank > 0 && fits(section, text.first(blank), runningWidth, width)) return blank + 1;
    const qsizetype broken = charactersThatFit(section, text, blank > 0 ? blank : fit.overflow, runningWidth, width);
    // A word taken whole (a single character at a width of 0 or less) keeps its blank, and a line
    // end, taking no room, stays with the characters before it.
    if (broken == blank) return blank + 1;
    return text.sliced(broken) == EndOfLine() ? text.size() : broken;
}

// Takes the next line of ft from the cursor on and moves the cursor past it.
DrawnLine takeLine(const FormattedText& ft, Cursor& at, int width, WordWidths& words) {
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
        const Fit fit = text.isEmpty() ? Fit() : fitWords(section, text, runningWidth, width, words);
        if (fit.overflow == 0) {
            section.SectionText = text.toString();
            ++at.run;
            at.offset = 0;
            if (text.isEmpty()) continue;
            lineIsEmpty = false;
            if (text.contains(EndOfLine())) break;
            runningWidth += section.SectionWidth();
            continue;
        }
        const qsizetype kept = cutLength(section, text, fit, runningWidth, width, lineIsEmpty);
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

LaidOutText::LaidOutText(const StyledText& st, int width) : queue(st), layoutWidth(width) {
    WordWidths words;
    for (Cursor at; at.run < queue.StyleRuns.size();) {
        Cursor piece = at;
        DrawnLine line = takeLine(queue, at, width, words);
        const Line laid{height, line.LineTextHeight(), line.LineAlignment, sections.size(), line.Sections.size()};
        // The sections follow each other through the queue from where the line starts.
        for (const DrawnSection& section : line.Sections) {
            sections.push_back({piece.run, piece.offset, section.SectionText.size()});
            piece.offset += section.SectionText.size();
            if (piece.run < queue.StyleRuns.size() && piece.offset >= queue.StyleRuns[piece.run].Text.size()) {
                ++piece.run;
                piece.offset = 0;
            }
        }
        lines.push_back(laid);
        height += laid.height;
    }
}

void LaidOutText::draw(Graphics& g, int x, int y, int top, int bottom) const {
    auto first = std::upper_bound(lines.begin(), lines.end(), top,
                                  [](int row, const Line& line) { return row < line.top + line.height; });
    if (first == lines.end() || first->top >= bottom) return;
    SaveGraphicsSettings(g);
    for (auto line = first; line != lines.end() && line->top < bottom; ++line) {
        DrawnLine drawn;
        drawn.LineAlignment = line->alignment;
        drawn.Sections.resize(line->sectionCount);
        for (size_t i = 0; i < line->sectionCount; ++i) {
            const Section& piece = sections[line->firstSection + i];
            const FormattedTextRun& run = queue.StyleRuns[piece.run];
            DrawnSection& section = drawn.Sections[i];
            section.SetFrom(run);
            section.SectionText = run.Text.mid(piece.start, piece.length);
        }
        DrawLine(drawn, g, x, y + line->top, layoutWidth);
    }
    RestoreGraphicsSettings(g);
}

DrawnLine PrepareLine(FormattedText& ft, int width) {
    Cursor at;
    WordWidths words;
    DrawnLine line = takeLine(ft, at, width, words);
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
    WordWidths words;
    SaveGraphicsSettings(g);
    for (Cursor at; at.run < queue.StyleRuns.size();) {
        DrawnLine line = takeLine(queue, at, width, words);
        DrawLine(line, g, x, y, width);
        y += line.LineTextHeight();
    }
    RestoreGraphicsSettings(g);
}

std::shared_ptr<StyledText> DrawStyledText(Graphics& g, const StyledText& st, int x, int y, int width, int height) {
    TextFlow flow(st);
    flow.Draw(g, x, y, width, height, false);
    return flow.Rest();
}

int StyledTextHeight(Graphics&, const StyledText& st, int width) {
    const FormattedText queue(st);
    WordWidths words;
    int total = 0;
    for (Cursor at; at.run < queue.StyleRuns.size();) total += takeLine(queue, at, width, words).LineTextHeight();
    return total;
}

// ---- Printing: a text drawn in parts, and the pages it goes on ----

struct TextFlow::State {
    FormattedText queue;
    size_t textEnd = 0;  // one past the last run that holds text
    Cursor at;           // where the next line starts
    int rowsDrawn = 0;   // of the line at `at`, while it is cut over parts
    // The line at `at`, laid out at `width` and ending at `end`, when the last part ended before it:
    // a part never lays out a line that an earlier part laid out at the same width.
    std::optional<DrawnLine> pending;
    int width = 0;
    Cursor end;
    WordWidths words;
};

TextFlow::TextFlow(const StyledText& st) : state(std::make_unique<State>()) {
    state->queue = FormattedText(st);
    const auto& runs = state->queue.StyleRuns;
    for (size_t i = runs.size(); i > 0 && !state->textEnd; --i)
        if (!runs[i - 1].Text.isEmpty()) state->textEnd = i;
}

TextFlow::~TextFlow() = default;

// The empty line a final line end leaves is drawn where it fits, but never asks for a page.
bool TextFlow::AtEnd() const { return state->at.run >= state->textEnd; }

int TextFlow::Draw(Graphics& g, int x, int y, int width, int height, bool cutTallLine) {
    State& s = *state;
    SaveGraphicsSettings(g);
    int used = 0;
    while (s.at.run < s.queue.StyleRuns.size()) {
        if (!s.pending || s.width != width) {
            s.end = s.at;
            s.pending = takeLine(s.queue, s.end, width, s.words);
            s.width = width;
        }
        DrawnLine& line = *s.pending;
        const int rowsLeft = line.LineTextHeight() - s.rowsDrawn;
        const bool fits = rowsLeft <= height - used;
        // Only a line that no part of this height could hold whole is cut, and only from the top.
        if (!fits && !(cutTallLine && used == 0 && height > 0 && s.rowsDrawn + rowsLeft > height)) break;
        QPainter& painter = g.painter();
        if ((fits && s.rowsDrawn == 0) || !painter.isActive()) {
            DrawLine(line, g, x, y + used, width);
        } else {
            // The rows of the line from rowsDrawn on, as many as fit, and nothing above or below them.
            painter.save();
            painter.setClipRect(QRect(-(1 << 20), y + used, 1 << 21, std::min(rowsLeft, height - used)),
                                Qt::IntersectClip);
            DrawLine(line, g, x, y + used - s.rowsDrawn, width);
            painter.restore();
        }
        if (!fits) {
            s.rowsDrawn += height - used;
            used = height;
            break;
        }
        used += rowsLeft;
        s.at = s.end;
        s.rowsDrawn = 0;
        s.pending.reset();
    }
    RestoreGraphicsSettings(g);
    return used;
}

std::shared_ptr<StyledText> TextFlow::Rest() const {
    return state->at.run < state->queue.StyleRuns.size() ? restFrom(state->queue, state->at) : nullptr;
}

void PrintedPages::newPage() {
    if (used) breakPending = true;
    R = H;
}

void PrintedPages::beforeDrawing() {
    if (breakPending) g.NextPage();
    breakPending = false;
    used = true;
}

void PrintedPages::print(TextFlow& flow) {
    while (!flow.AtEnd()) {
        // A whole page takes a line however tall: it is cut there and goes on over the next pages.
        const bool wholePage = R == H;
        beforeDrawing();
        const int drawn = flow.Draw(g, 0, top(), W, R, wholePage);
        R -= drawn;
        if (wholePage && drawn == 0) return;  // a page without height holds nothing
        if (!flow.AtEnd()) newPage();
    }
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
