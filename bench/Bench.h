#pragma once
// Shared pieces of the benchmark: its sections, a clock and the process's peak memory.
#include <QElapsedTimer>
#include <functional>

// Each section prints its own figures, one per line.
void benchChain();       // the display window: adding, loading and updating long chains
void benchTextLayout();  // styled-text layout of long texts
void benchDatabaseCheck();  // the check of a database file when it is opened

// Milliseconds that `work` takes.
inline double timeMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The process's peak resident memory so far, in megabytes.
double peakMemoryMB();
