// The stored-chain reader and the chain edits on any text: no crash, and what they answer keeps
// its shape: a read chain's links are in range; a refused edit changes nothing; on a chain string
// as the display writes it, an edit keeps the number of links and a deletion takes one away.
#include "FuzzInput.h"

#include "display/ChainLogic.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>

// The chain edits read and write chain strings only; the one function here that starts from
// hexagrams (the chain string of the display's hexagrams) is never called.
int Hexagram::changeMask() const { std::abort(); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int k = input.number(-1, 12);
    const int n = input.number(-2, 66);
    const int countChoice = input.byte();
    const QString text = QString::fromLatin1(input.rest());

    if (const auto stored = ChainLogic::readStoredChain(text)) {
        FUZZ_CHECK(stored->height >= 1);
        FUZZ_CHECK(!stored->links.empty());
        for (const M_globals::ChainLink& link : stored->links) {
            FUZZ_CHECK(link.code >= 0 && link.code <= 63);
            FUZZ_CHECK(link.mask >= 0 && link.mask <= 63);
        }
    }

    const auto read = M_globals::readChainLinks(text);
    const std::vector<M_globals::ChainLink> links = read.value_or(std::vector<M_globals::ChainLink>());
    const int linkCount = static_cast<int>(links.size());
    // Mostly the whole chain, sometimes a count that does not match it.
    const int count = countChoice < 192 ? linkCount : countChoice % 14 - 1;
    QStringList written;
    for (const M_globals::ChainLink& link : links) written << QString("%1,%2").arg(link.code).arg(link.mask);
    // Links that were read, written back, read the same.
    if (read) FUZZ_CHECK(M_globals::readChainLinks(written.join(';')).has_value());
    const bool asWritten = read && text == written.join(';');
    auto linksIn = [](const QString& chain) {
        const auto again = M_globals::readChainLinks(chain);
        return again ? static_cast<int>(again->size()) : -1;
    };

    // A refused edit leaves the chain as it was.
    const ChainLogic::ChainEdit replaced = ChainLogic::replaceHexagram(text, count, k, n);
    if (!replaced.refusal.isEmpty()) FUZZ_CHECK(replaced.chain == text);
    else if (asWritten) FUZZ_CHECK(linksIn(replaced.chain) == linkCount);
    const ChainLogic::ChainEdit changed = ChainLogic::changeTransition(text, count, k, n);
    if (!changed.refusal.isEmpty()) FUZZ_CHECK(changed.chain == text);
    else if (asWritten) FUZZ_CHECK(linksIn(changed.chain) == linkCount);
    const auto shorter = ChainLogic::deleteHexagram(text, count, k);
    if (shorter && !shorter->refusal.isEmpty()) FUZZ_CHECK(shorter->chain == text);
    else if (asWritten && shorter) FUZZ_CHECK(linksIn(shorter->chain) == linkCount - 1);
    return 0;
}
