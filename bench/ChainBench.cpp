// The display window on long chains: adding hexagrams one by one, loading a stored chain, redrawing
// it, and the windows that read the chain. The program is started as main() starts it, on a copy
// of the shipped database (its window bounds are written back at quit).
#include "Bench.h"

#include "app/App.h"
#include "chains/ChainPage.h"
#include "chains/Wtext.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "platform/Graphics.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

void benchChain() {
    BenchProgram program;
    if (!program.started()) return;
    displayWindow* display = displayWindow::instance();

    constexpr int links = 64;
    std::vector<double> adds;
    for (int i = 0; i < links; ++i) adds.push_back(timeMs([&] {
        display->newhex(codeAt(i), true);
        settle();
    }));
    const double second = adds[1];
    const double lastFive = median(std::vector<double>(adds.end() - 5, adds.end()));
    std::printf("add: 2nd %.1f ms, median of the last five of %d %.1f ms, ratio %.2f; median of all %.1f ms, slowest %.1f ms\n",
                second, links, lastFive, lastFive / second, median(adds), *std::max_element(adds.begin(), adds.end()));

    // The stored form as the saved-chains window writes it.
    const QString stored =
        M_globals::storedChainForm(display->drawbuffer->Width(), display->drawbuffer->Height(), display->theHexChain);
    const QString header = M_globals::storedChainForm(0, display->drawbuffer->Height(), QString());
    const double load64 = timeMs([&] {
        display->DoLoadHexChain(stored);
        settle();
    });
    std::printf("load of %d links: %.0f ms\n", links, load64);
    std::printf("doupdate of %d links: %.0f ms\n", links, timeMs([&] {
                    display->doupdate();
                    settle();
                }));
    std::printf("chain page on %d links: %.0f ms\n", links, timeMs([&] {
                    display->_OptionsChainWindow_Action();
                    settle();
                }));
    std::printf("text window on %d links: %.0f ms\n", links, timeMs([&] {
                    display->_OptionsText_Action();
                    settle();
                }));
    display->Show();
    settle();
    std::printf("peak memory with %d links: %.0f MB\n", links, peakMemoryMB());
    std::fflush(stdout);

    constexpr int longChain = 256;
    const double load256 = timeMs([&] {
        display->DoLoadHexChain(header + walkChain(longChain));
        settle();
    });
    std::printf("load of %d links: %.0f ms (%.2f x the load of %d)\n", longChain, load256, load256 / load64, links);
    std::printf("peak memory with %d links: %.0f MB\n", longChain, peakMemoryMB());
}
