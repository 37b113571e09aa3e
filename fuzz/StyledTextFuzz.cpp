// The styled-text layout on any text, style runs and width: it ends, every line takes something
// off the queue, and the lines hold every character of the text once and in order (line ends
// made the platform's); the height is the lines' heights, the clipped drawing hands back exactly
// the text after the lines it drew, and drawn page after page it ends, every page taking something.
#include "FuzzInput.h"

#include "core/FormattedText.h"
#include "core/StyledTextDrawing.h"

#include <QGuiApplication>
#include <algorithm>

namespace {

// Characters that matter to the layout, picked by most bytes; the others give any UTF-16 unit,
// lone surrogates included.
const QString Alphabet = QStringLiteral("ab W \r\n  .i\u00e9\u0301\t-ffi");

QString runText(FuzzInput& input) {
    QString text;
    for (int length = input.number(0, 80); length > 0 && !input.empty(); --length) {
        const uint8_t b = input.byte();
        if (b < 0xF0)
            text += Alphabet[b % Alphabet.size()];
        else
            text += QChar(static_cast<char16_t>(input.number(0, 0xFFFF)));
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace StyledTextDrawing;
    FuzzInput input(data, size);
    const int width = input.number(-20, 400);
    const int height = input.number(0, 300);
    StyledText st;
    for (int runs = input.number(0, 6); runs > 0; --runs) {
        const uint8_t style = input.byte();
        StyleRun run;
        run.Bold = style & 1;
        run.Italic = style & 2;
        run.Font = style & 4 ? "DejaVu Serif" : "DejaVu Sans";
        run.Size = (const int[]){1, 9, 12, 30}[style >> 3 & 3];
        run.Text = runText(input);
        st.AppendStyleRun(run);
    }
    for (int p = 0; p < st.ParagraphCount(); ++p) st.setParagraphAlignment(p, input.byte() % 4);
    const QString text = ReplaceLineEndings(st.Text(), EndOfLine());

    FormattedText queue(st);
    QString queued;
    for (const FormattedTextRun& run : queue.StyleRuns) {
        const qsizetype lineEnd = run.Text.indexOf(EndOfLine());
        FUZZ_CHECK(lineEnd < 0 || lineEnd + EndOfLine().size() == run.Text.size());
        queued += run.Text;
    }
    FUZZ_CHECK(queued == text);

    // Line by line, each line taking something: at most one line per character and run.
    QStringList lines;
    std::vector<int> heights;
    const qsizetype mostLines = text.size() + static_cast<qsizetype>(queue.StyleRuns.size()) + 1;
    while (!queue.StyleRuns.empty()) {
        const std::size_t runsBefore = queue.StyleRuns.size();
        const qsizetype frontBefore = queue.StyleRuns.front().Text.size();
        DrawnLine line = PrepareLine(queue, width);
        FUZZ_CHECK(queue.StyleRuns.size() < runsBefore || queue.StyleRuns.front().Text.size() < frontBefore);
        FUZZ_CHECK(lines.size() < mostLines);
        QString lineText;
        for (const DrawnSection& section : line.Sections) lineText += section.SectionText;
        lines << lineText;
        heights.push_back(line.LineTextHeight());
    }
    FUZZ_CHECK(lines.join("") == text);

    auto picture = NewPicture(300, 300, 32);
    Graphics& g = *picture->graphics();
    int total = 0;
    for (int h : heights) total += h;
    FUZZ_CHECK(StyledTextHeight(g, st, width) == total);

    // The lines that end within the height are drawn; the rest starts where they end.
    qsizetype drawn = 0;
    int top = 0;
    std::size_t i = 0;
    for (; i < heights.size() && top + heights[i] <= height; ++i) {
        top += heights[i];
        drawn += lines[static_cast<qsizetype>(i)].size();
    }
    const auto rest = DrawStyledText(g, st, 0, 0, width, height);
    if (i == heights.size())
        FUZZ_CHECK(!rest);
    else
        FUZZ_CHECK(rest && rest->Text() == text.mid(drawn));

    // Printed on pages of that height (at least 1), a line taller than a page cut over pages: each
    // page takes something, and the pages end with the text, whatever is left only an empty line.
    const int page = std::max(height, 1);
    TextFlow flow(st);
    int pages = 0;
    const int mostPages = total / page + static_cast<int>(heights.size()) + 1;
    while (!flow.AtEnd()) {
        const int used = flow.Draw(g, 0, 0, width, page, true);
        FUZZ_CHECK(used > 0 && used <= page);
        FUZZ_CHECK(++pages <= mostPages);
    }
    const auto left = flow.Rest();
    FUZZ_CHECK(!left || left->Text().isEmpty());
    return 0;
}
