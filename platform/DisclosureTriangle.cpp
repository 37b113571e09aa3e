#include "platform/DisclosureTriangle.h"

#include "platform/Window.h"

DisclosureTriangle::DisclosureTriangle(Window* window, const QString& name, int left, int top, int width, int height)
    : QToolButton(window->content()), Control(this, window, name, left, top, width, height) {
    setCheckable(true);
    setAutoRaise(true);
    setArrowType(Qt::RightArrow);
    connect(this, &QToolButton::toggled, this, [this](bool open) {
        setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        emit Action();
    });
}
