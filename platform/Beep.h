#pragma once
// The system beep. beepCount tells tests how many beeps sounded since start.
void Beep();
int beepCount();
