#pragma once
// The system beep. Most desktops make no sound for it, so the beep is also seen: the window in
// front flashes briefly and asks the window system for attention. beepCount() counts the beeps of
// the run, so tests can tell that one sounded.
class QWidget;

void Beep();
// The beep seen over `window` rather than over the window in front.
void Beep(QWidget* window);
int beepCount();
