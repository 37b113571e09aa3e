#include "platform/CheckBox.h"

#include "platform/Window.h"

CheckBox::CheckBox(Window* window, const QString& name, int left, int top, int width, int height,
                   const QString& caption)
    : QCheckBox(caption, window->content()), Control(this, window, name, left, top, width, height) {
    connect(this, &QCheckBox::toggled, this, &CheckBox::Action);
    fitText();
}
