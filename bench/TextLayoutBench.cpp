#include "Bench.h"

#include <cstdio>

void benchTextLayout() { std::printf("(not measured yet)\n"); }
