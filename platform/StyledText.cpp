#include "platform/StyledText.h"

#include <algorithm>

QString EndOfLine() { return QStringLiteral("\n"); }

QString ReplaceLineEndings(const QString& text, const QString& lineEnd) {
    QString result;
    qsizetype copied = 0;  // the characters before this are in result
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QChar('\r') && c != QChar('\n')) continue;
        if (copied == 0) result.reserve(text.size());
        result.append(QStringView(text).sliced(copied, i - copied));
        result += lineEnd;
        if (c == QChar('\r') && i + 1 < text.size() && text.at(i + 1) == QChar('\n')) ++i;
        copied = i + 1;
    }
    if (copied == 0) return text;  // no line end
    result.append(QStringView(text).sliced(copied));
    return result;
}

QString StyledText::Text() const {
    QString text;
    for (const StyleRun& run : runs) text += run.Text;
    return text;
}

void StyledText::setText(const QString& text) {
    runs.clear();
    if (!text.isEmpty()) {
        StyleRun run;
        run.Text = text;
        runs.push_back(run);
    }
    paragraphsFormed = false;
}

TextRange StyledText::StyleRunRange(int index) const {
    TextRange range;
    for (int i = 0; i < index; ++i) range.StartPos += static_cast<int>(runs.at(static_cast<size_t>(i)).Text.size());
    range.Length = static_cast<int>(runs.at(static_cast<size_t>(index)).Text.size());
    return range;
}

void StyledText::AppendStyleRun(const StyleRun& run) {
    runs.push_back(run);
    paragraphsFormed = false;
}

void StyledText::formParagraphs() const {
    if (paragraphsFormed) return;
    paragraphsFormed = true;
    const QString text = Text();
    const int length = static_cast<int>(text.size());
    std::vector<Paragraph> formed;
    int start = 0;
    for (int i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (c != QChar('\r') && c != QChar('\n')) continue;
        if (c == QChar('\r') && i + 1 < length && text.at(i + 1) == QChar('\n')) ++i;
        formed.push_back({start, i, 0});
        start = i + 1;
    }
    if (start < length)
        formed.push_back({start, length - 1, 0});
    else
        formed.push_back({length, length, 0});
    // Paragraphs keep their alignment by index; new ones start at 0.
    for (size_t i = 0; i < formed.size() && i < paragraphs.size(); ++i) formed[i].Alignment = paragraphs[i].Alignment;
    paragraphs = std::move(formed);
}

int StyledText::ParagraphCount() const {
    formParagraphs();
    return static_cast<int>(paragraphs.size());
}

Paragraph StyledText::paragraph(int index) const {
    formParagraphs();
    return paragraphs.at(static_cast<size_t>(index));
}

void StyledText::setParagraphAlignment(int index, int alignment) {
    formParagraphs();
    if (index >= 0 && index < ParagraphCount()) paragraphs[static_cast<size_t>(index)].Alignment = alignment;
}

void StyledText::setAlignment(int start, int length, int alignment) {
    formParagraphs();
    const int end = start + std::max(length, 1);  // an empty range still names its paragraph
    for (Paragraph& p : paragraphs) {
        if (p.StartPos < end && p.EndPos >= start) p.Alignment = alignment;
    }
}

void StyledText::applyStyle(int start, int length, const std::function<void(StyleRun&)>& change) {
    const int end = start + length;
    std::vector<StyleRun> result;
    int position = 0;
    for (const StyleRun& run : runs) {
        const int runStart = position;
        const int runEnd = position + static_cast<int>(run.Text.size());
        position = runEnd;
        const int from = std::clamp(start, runStart, runEnd);
        const int to = std::clamp(end, runStart, runEnd);
        if (from >= to) {
            result.push_back(run);
            continue;
        }
        // Up to three pieces: before the range, inside it, after it.
        const int cuts[4] = {runStart, from, to, runEnd};
        for (int piece = 0; piece < 3; ++piece) {
            if (cuts[piece] >= cuts[piece + 1]) continue;
            StyleRun part = run;
            part.Text = run.Text.mid(cuts[piece] - runStart, cuts[piece + 1] - cuts[piece]);
            if (piece == 1) change(part);
            result.push_back(part);
        }
    }
    runs = std::move(result);
}

void StyledText::setFont(int start, int length, const QString& font) {
    applyStyle(start, length, [&](StyleRun& run) { run.Font = font; });
}
void StyledText::setSize(int start, int length, int size) {
    applyStyle(start, length, [&](StyleRun& run) { run.Size = size; });
}
void StyledText::setBold(int start, int length, bool bold) {
    applyStyle(start, length, [&](StyleRun& run) { run.Bold = bold; });
}
void StyledText::setItalic(int start, int length, bool italic) {
    applyStyle(start, length, [&](StyleRun& run) { run.Italic = italic; });
}
void StyledText::setUnderline(int start, int length, bool underline) {
    applyStyle(start, length, [&](StyleRun& run) { run.Underline = underline; });
}
void StyledText::setTextColor(int start, int length, const Color& color) {
    applyStyle(start, length, [&](StyleRun& run) { run.TextColor = color; });
}
