#include "platform/ProgressWheel.h"

#include "platform/Window.h"

ProgressWheel::ProgressWheel(Window* window, const QString& name, int left, int top, int width, int height)
    : QProgressBar(window->content()), Control(this, window, name, left, top, width, height) {
    setRange(0, 0);
    setTextVisible(false);
}

void ProgressWheel::Refresh(bool eraseBackground) {
    Q_UNUSED(eraseBackground)
    repaint();
}
