#include "input/InputLogic.h"

#include "core/M_globals.h"
#include "core/TrigramLookup.h"
#include "core/trigramClass.h"
#include "platform/Controls.h"

#include <QStringList>

namespace InputLogic {

namespace {
constexpr int Weights[] = {32, 16, 8, 4, 2, 1};
}  // namespace

Lines linesOf(int code) {
    Lines lines{};
    for (int line = 6; line >= 1; --line) lines[static_cast<size_t>(line - 1)] = M_globals::takeLine(code, Weights[6 - line]);
    return lines;
}

int codeOf(const Lines& lines) {
    int code = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i]) code += 1 << i;
    return code;
}

QString trigramName(int t) { return shownLines(M_globals::trigramName(t), WindowWidth); }

QString labelText(int t) {
    const trigramClass* tri = M_globals::loadedTrigram(t);
    return tri ? shownLines(tri->name, WindowWidth) + CR + shownLines(tri->chat(), WindowWidth) : QString();
}

QString newHexCaption(bool isEdit, bool checked) {
    if (isEdit) return checked ? "Change Other Hexagrams" : "Change 6and9 Transforms";
    return checked ? "New Hexagram" : "Edit Hexagram";
}

SetDecision decideSet(const Composition& c) {
    const bool unchanged = c.top == c.sourceTop && c.bottom == c.sourceBottom;
    // An unchanged edit, or an unchanged hexagram to be added after itself, sends nothing.
    if (unchanged && (c.isEdit || c.checked)) return {};
    return {c.isEdit ? SetDecision::Call::HexEdit : SetDecision::Call::NewHex, 8 * c.top + c.bottom, c.checked};
}

std::optional<DroppedTrigrams> droppedTrigrams(const QString& text) {
    const QStringList fields = text.split(',');
    if (fields.size() != 3) return std::nullopt;
    // Read wide and checked before narrowing, so that no number can overflow.
    const qint64 top = leadingInteger(fields[0]);
    const qint64 bottom = leadingInteger(fields[1]);
    if (top < 0 || top > 7 || bottom < 0 || bottom > 7) return std::nullopt;
    return DroppedTrigrams{static_cast<int>(top), static_cast<int>(bottom)};
}

MaskDecision decideMask(const Lines& marked, int oldMask) {
    const int mask = codeOf(marked);
    if (mask == 0) return {MaskDecision::Outcome::NoLineMarked, 0};
    if (mask == oldMask) return {MaskDecision::Outcome::Unchanged, mask};
    return {MaskDecision::Outcome::Send, mask};
}

}  // namespace InputLogic
