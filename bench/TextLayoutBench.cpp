// Styled-text layout of long descriptions: measured and drawn as a display column does, and drawn
// page by page as printing does.
#include "Bench.h"

#include "core/StyledTextDrawing.h"
#include "display/ChainDrawing.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

// The text as a display column styles it.
StyledText columnText(const QString& text) {
    StyledText st;
    st.setText(text);
    const int length = static_cast<int>(text.size());
    st.setFont(0, length, "DejaVu Serif");  // the shipped database's judgement font
    st.setSize(0, length, 12);
    return st;
}

}  // namespace

void benchTextLayout() {
    using namespace StyledTextDrawing;
    const int width = ChainDrawing::Column::textWidth;
    const int pageWidth = 523, pageHeight = 770;  // A4 inside half-inch margins, as printing has it
    auto page = NewPicture(pageWidth, pageHeight, 32);
    Graphics& g = *page->graphics();
    DrawnSection oneLine;
    oneLine.TextFont = "DejaVu Serif";
    oneLine.TextSize = 12;
    const int lineHeight = std::max(1, oneLine.SectionTextHeight());

    std::printf("%-24s %10s %10s %10s %8s %6s\n", "text", "height ms", "draw ms", "pages ms", "lines", "pages");
    struct Kind {
        const char* name;
        qsizetype paragraphLength;
    };
    for (const Kind kind : {Kind{"paragraphs", 600}, Kind{"one paragraph", qsizetype(1) << 40}}) {
        double heightMs128 = 0, heightMs1M = 0;
        for (const qsizetype size : {qsizetype(16) << 10, qsizetype(128) << 10, qsizetype(1) << 20}) {
            const StyledText st = columnText(prose(size, kind.paragraphLength));
            int height = 0;
            // As a display column: its height, then the text drawn.
            const double heightMs = timeMs([&] { height = StyledTextHeight(g, st, width); });
            const double drawMs = timeMs([&] { DrawStyledText(g, st, 0, 0, width); });
            // As printing: page after page, each going on where the last one ended.
            int pages = 0;
            const double pagesMs = timeMs([&] {
                TextFlow flow(st);
                for (; !flow.AtEnd(); ++pages) flow.Draw(g, 0, 0, pageWidth, pageHeight, true);
            });
            std::printf("%-15s %5lld KB %10.1f %10.1f %10.1f %8d %6d\n", kind.name,
                        static_cast<long long>(size >> 10), heightMs, drawMs, pagesMs, height / lineHeight, pages);
            std::fflush(stdout);
            if (size == qsizetype(128) << 10) heightMs128 = heightMs;
            if (size == qsizetype(1) << 20) heightMs1M = heightMs;
        }
        std::printf("%-15s height 1 MB / 128 KB: %.1f (target <= 10)\n", kind.name, heightMs1M / heightMs128);
    }
}
