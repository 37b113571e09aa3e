#include "platform/Timer.h"

Timer::Timer(QObject* owner, int period, int mode) : QObject(owner), mode(mode) {
    timer.setInterval(period);
    connect(&timer, &QTimer::timeout, this, &Timer::fire);
    apply();
}

void Timer::setMode(int value) {
    mode = value;
    apply();
}

void Timer::setEnabled(bool value) {
    enabled = value;
    apply();
}

void Timer::Reset() {
    if (timer.isActive()) timer.start();
}

void Timer::apply() {
    const bool run = enabled && mode != 0;
    timer.setSingleShot(mode == 1);
    if (run && !timer.isActive()) timer.start();
    if (!run) timer.stop();
}

void Timer::fire() {
    if (mode == 1) mode = 0;
    emit Action();
}
