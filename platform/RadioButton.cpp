#include "platform/RadioButton.h"

#include "platform/Window.h"

RadioButton::RadioButton(Window* window, const QString& name, int left, int top, int width, int height,
                         const QString& caption)
    : QRadioButton(caption, window->content()), Control(this, window, name, left, top, width, height) {
    fitText();
}
