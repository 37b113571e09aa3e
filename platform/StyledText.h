#pragma once
// Text with style runs and paragraphs. Positions count characters from 0. Paragraphs are formed
// by the line ends of the text (CR, LF or CR LF); each has its own alignment.
#include "platform/Graphics.h"
#include "platform/Types.h"

#include <QString>
#include <functional>
#include <vector>

// The platform's end-of-line text.
QString EndOfLine();
// The text with every CR LF, lone CR and lone LF replaced by lineEnd.
QString ReplaceLineEndings(const QString& text, const QString& lineEnd);

// One stretch of text in one style.
struct StyleRun {
    QString Text;
    QString Font;                 // empty: the default family
    int Size = kDefaultTextSize;  // pixels
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    Color TextColor = RGB(0, 0, 0);
};

// Where a style run lies: EndPos is one past its last character.
struct TextRange {
    int StartPos = 0;
    int Length = 0;
    int EndPos() const { return StartPos + Length; }
};

// Paragraph alignment: 0 default and 1 left, 2 centred, 3 right.
struct Paragraph {
    int StartPos = 0;
    // Its last character, line end included, so that no position lies in two paragraphs. An empty
    // last paragraph (after a final line end, or of an empty text) owns the position just past the
    // text: StartPos = EndPos = the text's length.
    int EndPos = 0;
    int Alignment = 0;
};

class StyledText {
public:
    QString Text() const;
    // Replaces the whole text by one run in the default style; an empty text leaves no runs.
    void setText(const QString& text);

    int StyleRunCount() const { return static_cast<int>(runs.size()); }
    // A copy of run `index`; changing it does not change the text.
    StyleRun styleRun(int index) const { return runs.at(static_cast<size_t>(index)); }
    TextRange StyleRunRange(int index) const;
    // Appends the run as it is, an empty one included.
    void AppendStyleRun(const StyleRun& run);

    int ParagraphCount() const;
    Paragraph paragraph(int index) const;
    void setParagraphAlignment(int index, int alignment);
    // Sets the alignment of every paragraph that holds a character of the range.
    void setAlignment(int start, int length, int alignment);

    // Styles over a range of characters; runs are split at the ends of the range.
    void setFont(int start, int length, const QString& font);
    void setSize(int start, int length, int size);
    void setBold(int start, int length, bool bold);
    void setItalic(int start, int length, bool italic);
    void setUnderline(int start, int length, bool underline);
    void setTextColor(int start, int length, const Color& color);

private:
    void applyStyle(int start, int length, const std::function<void(StyleRun&)>& change);
    // Forms the paragraphs anew if the text changed since they were formed last.
    void formParagraphs() const;

    std::vector<StyleRun> runs;
    // Formed anew, when next asked for, after the text changed: appending many runs stays linear.
    mutable std::vector<Paragraph> paragraphs{Paragraph{}};
    mutable bool paragraphsFormed = true;
};
