#pragma once
// The system beep. beepCount() counts the beeps of the run, so tests can tell that one sounded.
void Beep();
int beepCount();
