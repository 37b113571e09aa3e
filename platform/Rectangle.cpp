#include "platform/Rectangle.h"

#include "platform/Window.h"

#include <QMouseEvent>
#include <QPainter>

Rectangle::Rectangle(Window* window, const QString& name, int left, int top, int width, int height)
    : QWidget(window->content()), Control(this, window, name, left, top, width, height) {}

void Rectangle::setFillColor(const Color& colour) {
    fill = colour;
    update();
}

void Rectangle::setBorderColor(const Color& colour) {
    border = colour;
    update();
}

void Rectangle::setBorderWidth(int width) {
    borderWidth = width;
    update();
}

void Rectangle::Refresh(bool) { update(); }

void Rectangle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill);
    if (borderWidth <= 0) return;
    // The border lies inside the rectangle.
    const int w = borderWidth;
    painter.fillRect(0, 0, width(), w, border);
    painter.fillRect(0, height() - w, width(), w, border);
    painter.fillRect(0, 0, w, height(), border);
    painter.fillRect(width() - w, 0, w, height(), border);
}

void Rectangle::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!onMouseDown || !onMouseDown(at.x(), at.y())) QWidget::mousePressEvent(event);
}
