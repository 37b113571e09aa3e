#include "Bench.h"

#include <cstdio>

void benchChain() { std::printf("(not measured yet)\n"); }
