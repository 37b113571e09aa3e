#pragma once
// The styled-text layout's working model: a text as a queue of single-style runs, each holding at
// most one line end and only at its end; and the laid-out lines, made of sections that measure
// themselves on a small picture of their own.
#include "platform/Graphics.h"
#include "platform/StyledText.h"

#include <QFontMetricsF>
#include <deque>
#include <memory>
#include <vector>

class FormattedTextRun {
public:
    FormattedTextRun() = default;
    // The style run's text and style; the alignment stays 0 for the caller to set.
    explicit FormattedTextRun(const StyleRun& sr);

    FormattedTextRun MakeCopy() const { return *this; }
    // The text and style as a style run; the alignment is not carried.
    StyleRun ToStyleRun() const;

    QString Text;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    QString TextFont;
    int TextSize = 0;
    Color TextColor = RGB(0, 0, 0);
    int Alignment = 0;  // of the paragraph the run came from: 0 or 1 left, 2 centred, 3 right
};

class FormattedText {
public:
    FormattedText() = default;
    // The queue of st's style runs, split after every line end; each piece carries the alignment of
    // the paragraph that holds its style run's first character. A CR LF split between two style
    // runs is one line end, as it is one paragraph end of st.
    explicit FormattedText(const StyledText& st);

    // A deep copy: the two queues change independently.
    FormattedText MakeCopy() const { return *this; }
    // The runs appended in queue order; the alignments are lost.
    std::shared_ptr<StyledText> ToStyledText() const;
    // The first paragraph of st holding pos (both ends included), 0 when none does.
    static int FindParagraph(const StyledText& st, int pos);

    std::deque<FormattedTextRun> StyleRuns;  // front first
};

// The measures of one text style, as a picture's drawing context gives them: the width of a text
// (its line ends neither measured nor drawn), the line height and the ascent. Measures of a style
// are made once and shared.
class TextMeasure {
public:
    static std::shared_ptr<const TextMeasure> of(const QString& font, int size, bool bold, bool italic, bool underline);

    double width(QStringView text) const;
    int height() const { return lineHeight; }
    int ascent() const { return lineAscent; }
    int pixelSize() const { return size; }

private:
    TextMeasure(const QFont& font);
    QFontMetricsF metrics;
    int lineHeight = 0;
    int lineAscent = 0;
    int size = 0;
};

// A single-style piece of one laid-out line.
class DrawnSection {
public:
    // Measures in the section's style at its first measure: style changes after the first measure
    // do not reach it, text changes do.
    int SectionTextHeight();
    int SectionTextAscent();
    int SectionWidth();
    // Puts the style on g: font, size, bold, italic, underline and colour.
    void SetTo(Graphics& g) const;
    // Takes the run's style, neither its text nor its alignment.
    void SetFrom(const FormattedTextRun& run);

    QString SectionText;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int TextSize = 0;
    QString TextFont;
    Color TextColor = RGB(0, 0, 0);
    std::shared_ptr<const TextMeasure> Measure;  // the style of the first measure

    // The measures of the section's style, taken at the first measure.
    const TextMeasure& measure();
};

class DrawnLine {
public:
    // The largest ascent and height of the sections, 0 without sections; the sum of their widths.
    int LineTextAscent();
    int LineTextHeight();
    int LineWidth();

    std::vector<DrawnSection> Sections;  // left to right
    int LineAlignment = 0;
};
