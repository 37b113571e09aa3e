#pragma once
// Shared pieces of the benchmark: its sections, a clock and the process's peak memory.
#include <QElapsedTimer>
#include <QString>
#include <functional>

// Each section prints its own figures, one per line.
void benchChain();       // the display window: adding, loading and updating long chains
void benchTextLayout();  // styled-text layout of long texts
void benchPrinting();    // printing a chain whose texts are long

// Ordinary prose of about `size` characters: words of 1 to 12 letters, the same text on every
// run, in paragraphs of about `paragraphLength` characters ended by CR.
QString prose(qsizetype size, qsizetype paragraphLength);

// Milliseconds that `work` takes.
inline double timeMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The process's peak resident memory so far, in megabytes.
double peakMemoryMB();
