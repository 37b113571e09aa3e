#pragma once
// A rectangle drawn as a control: its fill colour inside a border of the border colour.
#include "platform/Controls.h"

#include <QWidget>
#include <functional>

class Rectangle : public QWidget, public Control {
    Q_OBJECT
public:
    Rectangle(Window* window, const QString& name, int left, int top, int width, int height);

    Color FillColor() const { return fill; }
    void setFillColor(const Color& colour);
    Color BorderColor() const { return border; }
    void setBorderColor(const Color& colour);
    int BorderWidth() const { return borderWidth; }
    void setBorderWidth(int width);
    void Refresh(bool eraseBackground = true);

    // A press at (x, y) in the rectangle's coordinates; answers whether the rectangle took it.
    std::function<bool(int x, int y)> onMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Color fill = RGB(255, 255, 255);
    Color border = RGB(0, 0, 0);
    int borderWidth = 1;
};
