#include "platform/Slider.h"

#include "platform/Window.h"

Slider::Slider(Window* window, const QString& name, int left, int top, int width, int height, bool horizontal)
    : QSlider(horizontal ? Qt::Horizontal : Qt::Vertical, window->content()),
      Control(this, window, name, left, top, width, height) {
    connect(this, &QSlider::valueChanged, this, &Slider::ValueChanged);
}
