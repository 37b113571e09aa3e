#pragma once
// The display window's chain rules that need no window: the chain string, the column geometry,
// the transition and spoken texts, and the hit test of a click.
#include "core/Hexagram.h"
#include "core/M_globals.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace ChainLogic {

// Column k (1-based) starts at 430 * (k - 1) and is 250 wide; the 180-wide gap after it holds the
// transition to hexagram k + 1.
constexpr int ColumnWidth = 250;
constexpr int GapWidth = 180;
constexpr int Pitch = ColumnWidth + GapWidth;
inline int columnX(int k) { return Pitch * (k - 1); }
inline int chainWidth(int count) { return count < 1 ? 0 : ColumnWidth * count + GapWidth * (count - 1); }
// The most hexagrams a chain may hold: each window that shows a chain of this length opens within
// seconds. A longer stored chain is not loaded, a chain this long takes no more hexagrams, and no
// longer chain is saved.
constexpr int MaxChainLength = 10000;
// The one refusal of a chain that would hold `links` hexagrams, more than MaxChainLength, ending in
// `outcome`: what is not done.
QString chainTooLongMessage(qsizetype links, const QString& outcome);
// That refusal for a stored chain (its header and chain string) of more links than MaxChainLength,
// counted without reading them; empty when it is not too long.
QString storedChainTooLong(const QString& form, const QString& outcome);

// The chain string of hexagrams 1..count: "code,mask" links joined by ";", the last mask 0.
QString chainString(const HexagramList& chain, int count);


// A chain's stored form: the header "width,height;" and then the chain string.
struct StoredChain {
    int height = 0;  // the header's second number: the height of the drawing to build
    QString body;    // the chain string, written anew from the links read
    std::vector<M_globals::ChainLink> links;
};
// The stored form as the loader reads it, or nothing when it is damaged: a header that is not two
// whole numbers, a height below 1, no link, or a link that is not a code and a mask 0..63.
std::optional<StoredChain> readStoredChain(const QString& form);

// A chain edit: the edited chain string, or the message that refuses the edit.
struct ChainEdit {
    QString chain;
    QString refusal;  // empty when the edit is done
};
// Hexagram k of a chain of `count` links becomes code n; the links of its two transitions follow.
// A code outside 0..63 is refused.
ChainEdit replaceHexagram(const QString& chain, int count, int k, int n);
// The transition after hexagram k gets the changing lines of `mask`; hexagram k + 1 becomes the
// hexagram they lead to. A mask outside 0..63 is refused.
ChainEdit changeTransition(const QString& chain, int count, int k, int mask);
// The chain without hexagram k, its neighbours joined; refused when the two neighbours are the
// same hexagram, which cannot follow itself. Nothing when there is nothing to delete (a chain of
// one, or k outside the chain).
std::optional<ChainEdit> deleteHexagram(const QString& chain, int count, int k);

// The changing-line text drawn in the gap after a hexagram: lines 6 down to 1.
QString transitionText(const Hexagram& hexagram);
// The top of a transition text th high, for figures hexH high whose top is at `top`.
int transitionTop(int th, int hexH, int top);

// What a click at drawing x hits: hexagram k, or the transition after hexagram k.
struct Hit {
    int number = 0;
    bool transition = false;
};
std::optional<Hit> hitTest(double x, int count);

// A selection names something that still exists: a hexagram 1..count, or a transition with a
// hexagram after it. Every user of the selection asks this.
bool selectionIsValid(bool isSelected, int number, bool isTransition, int count);

// The texts spoken for a selected transition, a selected hexagram, and the whole chain.
QString spokenTransition(const Hexagram& from, const Hexagram& to);
QString spokenHexagram(const Hexagram& hexagram);
QString spokenChain(const HexagramList& chain, int count);
// The changing-line texts of one hexagram, lines 1 to 6, each followed by a Tab.
QString gettransition(const Hexagram& hexagram);

}  // namespace ChainLogic
