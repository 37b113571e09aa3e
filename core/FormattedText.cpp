#include "core/FormattedText.h"

#include <QStringList>
#include <algorithm>

FormattedTextRun::FormattedTextRun(const StyleRun& sr)
    : Text(sr.Text),
      Bold(sr.Bold),
      Italic(sr.Italic),
      Underline(sr.Underline),
      TextFont(sr.Font),
      TextSize(sr.Size),
      TextColor(sr.TextColor) {}

StyleRun FormattedTextRun::ToStyleRun() const {
    StyleRun sr;
    sr.Text = Text;
    sr.Bold = Bold;
    sr.Italic = Italic;
    sr.Underline = Underline;
    sr.Font = TextFont;
    sr.Size = TextSize;
    sr.TextColor = TextColor;
    return sr;
}

FormattedText::FormattedText(const StyledText& st) {
    const QString lineEnd = EndOfLine();
    const QChar LF(10);
    int start = 0;          // of style run i in st
    int paragraph = 0;      // the first paragraph that may hold it: runs start in text order
    bool afterCR = false;   // the text so far ends with a CR
    for (int i = 0; i < st.StyleRunCount(); ++i) {
        StyleRun sr = st.styleRun(i);
        const int length = static_cast<int>(sr.Text.size());
        // A CR LF split between two runs is one line end, the CR's: the LF is dropped.
        if (afterCR && sr.Text.startsWith(LF)) sr.Text.remove(0, 1);
        if (length > 0) afterCR = sr.Text.endsWith(CR);
        while (paragraph + 1 < st.ParagraphCount() && st.paragraph(paragraph).EndPos < start) ++paragraph;
        const Paragraph p = st.paragraph(paragraph);
        const int alignment = st.paragraph(p.StartPos <= start && start <= p.EndPos ? paragraph : 0).Alignment;
        start += length;
        sr.Text = ReplaceLineEndings(sr.Text, lineEnd);
        // Every piece but the last keeps its line end; a text ending with one leaves an empty last
        // piece in the run's style.
        const QStringList fields = sr.Text.split(lineEnd);
        for (qsizetype k = 0; k < fields.size(); ++k) {
            FormattedTextRun run(sr);
            run.Alignment = alignment;
            run.Text = k + 1 < fields.size() ? fields[k] + lineEnd : fields[k];
            StyleRuns.push_back(run);
        }
    }
}

std::shared_ptr<StyledText> FormattedText::ToStyledText() const {
    auto st = std::make_shared<StyledText>();
    for (const FormattedTextRun& run : StyleRuns) st->AppendStyleRun(run.ToStyleRun());
    return st;
}

int FormattedText::FindParagraph(const StyledText& st, int pos) {
    for (int i = 0; i < st.ParagraphCount(); ++i) {
        const Paragraph p = st.paragraph(i);
        if (p.StartPos <= pos && pos <= p.EndPos) return i;
    }
    return 0;
}

void DrawnSection::SetTo(Graphics& g) const {
    g.TextFont = TextFont;
    g.TextSize = TextSize;
    g.Bold = Bold;
    g.Italic = Italic;
    g.Underline = Underline;
    g.ForeColor = TextColor;
}

void DrawnSection::SetFrom(const FormattedTextRun& run) {
    Bold = run.Bold;
    Italic = run.Italic;
    Underline = run.Underline;
    TextFont = run.TextFont;
    TextSize = run.TextSize;
    TextColor = run.TextColor;
}

TextMeasure::TextMeasure(const QFont& font)
    : metrics(font), lineHeight(QFontMetrics(font).lineSpacing()), lineAscent(QFontMetrics(font).ascent()),
      size(font.pixelSize()) {}

std::shared_ptr<const TextMeasure> TextMeasure::of(const QString& font, int size, bool bold, bool italic,
                                                    bool underline) {
    // A text uses few styles; the measures of the last ones used are kept.
    struct Kept {
        QString font;
        int size;
        bool bold, italic, underline;
        std::shared_ptr<const TextMeasure> measure;
    };
    static std::deque<Kept> kept;
    for (const Kept& k : kept)
        if (k.size == size && k.bold == bold && k.italic == italic && k.underline == underline && k.font == font)
            return k.measure;
    std::shared_ptr<const TextMeasure> measure(new TextMeasure(textFont(font, size, bold, italic, underline)));
    kept.push_front({font, size, bold, italic, underline, measure});
    if (kept.size() > 16) kept.pop_back();
    return measure;
}

double TextMeasure::width(QStringView text) const {
    // Line ends take no room.
    if (!text.contains(QChar('\r')) && !text.contains(QChar('\n')))
        return metrics.horizontalAdvance(QString::fromRawData(text.data(), text.size()));
    QString visible = text.toString();
    visible.remove(QChar('\r'));
    visible.remove(QChar('\n'));
    return metrics.horizontalAdvance(visible);
}

const TextMeasure& DrawnSection::measure() {
    if (!Measure) Measure = TextMeasure::of(TextFont, TextSize, Bold, Italic, Underline);
    return *Measure;
}

int DrawnSection::SectionWidth() { return Int(measure().width(SectionText)); }

int DrawnSection::SectionTextHeight() { return measure().height(); }

int DrawnSection::SectionTextAscent() { return measure().ascent(); }

int DrawnLine::LineTextAscent() {
    int ascent = 0;
    for (DrawnSection& section : Sections) ascent = std::max(ascent, section.SectionTextAscent());
    return ascent;
}

int DrawnLine::LineTextHeight() {
    int height = 0;
    for (DrawnSection& section : Sections) height = std::max(height, section.SectionTextHeight());
    return height;
}

int DrawnLine::LineWidth() {
    int width = 0;
    for (DrawnSection& section : Sections) width += section.SectionWidth();
    return width;
}
