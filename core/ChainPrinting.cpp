// Printing a chain as one listing: for each hexagram its small figure at the left and beside it a
// block of text (number, name, trigrams, description and judgement, the changing lines towards the
// next hexagram); text that does not fit beside the figure continues below it at the full width.
#include "core/Hexagram.h"
#include "core/M_globals.h"
#include "core/StyledTextDrawing.h"
#include "core/TrigramLookup.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"

namespace M_globals {

namespace {

// The page must hold one block and the left edge of the text column.
bool pageHoldsBlock(int pageHeight, int pageWidth, int blockHeight, int textLeft) {
    if (pageHeight < blockHeight || pageWidth < textLeft) {
        MsgBox("Page size too small.");
        return false;
    }
    return true;
}

// The text printed beside hexagram `index` (from 0) of a chain of `count`.
QString blockText(const Hexagram& hex, int index, int count) {
    QString text = QString::number(index + 1) + ")  " + hex.name + CR;
    text += "              (" + trigramName(hex.above) + "/" + trigramName(hex.below) + ")" + CR;
    text += "   " + hex.description + "  " + hex.judgement + CR;
    if (index < count - 1) {
        text += QString("    In transition") + QChar(0x2026) + " ";
        for (int k = 1; k <= 6; ++k) {
            const auto line = static_cast<size_t>(k);
            if (hex.places[line]) text += "[" + QString::number(k) + "] " + hex.placesSTR[line] + "  ";
        }
    }
    return text;
}

}  // namespace

void printfile(const QString& chain) {
    const PrinterSetup defaults;
    const PrinterSetup& setup = Printer_ps ? *Printer_ps : defaults;
    if (setup.HorizontalResolution > 72 || setup.VerticalResolution > 72) {
        MsgBox("Not set up for higher print resolutions yet.  Sorry.");
        return;
    }

    const auto links = readChainLinks(chain);
    if (!links) {
        MsgBox(DamagedChainMessage);
        return;
    }
    // A hexagram the table in use cannot give is said once, before the printer dialog; it prints
    // with its figure and without texts.
    const HexagramList list = readChainHexagrams(*links, true);
    if (list.empty()) return;

    // The block of one hexagram: its figure's height plus 20; the text column starts 15 right of
    // the figure's width, and the figure is centred in front of it.
    const Hexagram& first = *list.front();
    const int B = 5 * first.my_HexSpacing + 6 * first.my_HexWidth + 20;
    const int X = first.my_yangLength + 15;
    const int F = Int(X / 2.0 - first.my_yangLength / 2.0);
    if (!pageHoldsBlock(setup.Height(), setup.Width(), B, X)) return;

    // A cancelled dialog ends quietly; only a job that could not start is reported.
    bool cancelled = false;
    std::shared_ptr<Graphics> g = OpenPrinterDialog(&setup, &cancelled);
    if (!g) {
        if (!cancelled) MsgBox("Printer graphics failed.");
        return;
    }
    // The printer prints the page of the page setup; a printer that insists on wider margins
    // gives a smaller page, so the layout uses the page as the printer has it.
    if (!pageHoldsBlock(g->Height(), g->Width(), B, X)) return;

    StyledTextDrawing::PrintedPages page(*g);
    const int count = static_cast<int>(list.size());
    for (int i = 0; i < count; ++i) {
        const Hexagram& hex = *list[static_cast<size_t>(i)];
        if (page.R < B + 8) page.newPage();
        page.beforeDrawing();
        const int top = page.top();
        if (hex.thepic) g->DrawObject(*hex.thepic, F, top + 15);

        const QString text = blockText(hex, i, count);
        StyledText st;
        st.setText(text);
        st.setFont(0, static_cast<int>(text.size()), font_text);
        // The text beside the figure starts 12 below the block's top and ends with the block, so
        // the next item never overlaps it; what does not fit there follows below at the full page
        // width, laid out once however many pages it takes.
        StyledTextDrawing::TextFlow flow(st);
        flow.Draw(*g, X, top + 12, page.W - X, B - 12, false);
        page.R -= B;
        if (page.R < 20) page.newPage();
        page.print(flow);
    }
}

}  // namespace M_globals
