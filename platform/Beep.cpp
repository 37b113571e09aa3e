#include "platform/Beep.h"

#include <QApplication>

namespace {
int beeps = 0;
}

void Beep() {
    ++beeps;
    QApplication::beep();
}

int beepCount() { return beeps; }
