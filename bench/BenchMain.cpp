// yarrowen_bench [SECTION...]: runs the named sections (chain, text, check), or all of them, offscreen,
// on the shipped database file "i_virev_DB.shipped" beside the executable.
#include "Bench.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

double peakMemoryMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    struct Section { const char* name; void (*run)(); } sections[] = {
        {"chain", benchChain},
        {"text", benchTextLayout},
        {"check", benchDatabaseCheck},
    };
    for (const Section& section : sections) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], section.name) == 0;
        if (!wanted) continue;
        std::printf("== %s\n", section.name);
        section.run();
        std::fflush(stdout);
    }
    std::printf("peak memory: %.0f MB\n", peakMemoryMB());
    return 0;
}
