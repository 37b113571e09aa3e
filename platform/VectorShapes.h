#pragma once
// Vector shapes: straight lines, rectangles and strings collected in groups, drawn together at a
// point. Shapes are shared: a group holds references to the shapes appended to it.
#include "platform/Types.h"

#include <QFont>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

class Object2D {
public:
    virtual ~Object2D() = default;
    // Draws the shape with its own coordinates offset by (x, y).
    virtual void draw(QPainter& painter, double x, double y) const = 0;
};

// A straight line from (X, Y) to (X2, Y2), BorderWidth thick, with flat ends.
class CurveShape : public Object2D {
public:
    double X = 0, Y = 0, X2 = 0, Y2 = 0;
    double BorderWidth = 1;
    Color BorderColor = RGB(0, 0, 0);
    void draw(QPainter& painter, double x, double y) const override;
};

// A rectangle placed by its centre (X, Y). Fill and Border are opacities in percent (0..100) of
// the inside and of the border line.
class RectShape : public Object2D {
public:
    double X = 0, Y = 0, Width = 0, Height = 0;
    Color FillColor = RGB(0, 0, 0);
    double Fill = 100;
    double Border = 100;
    double BorderWidth = 1;
    Color BorderColor = RGB(0, 0, 0);
    void draw(QPainter& painter, double x, double y) const override;
};

// A text centred horizontally on X with its baseline at Y.
class StringShape : public Object2D {
public:
    double X = 0, Y = 0;
    QString Text;
    QString TextFont;
    int TextSize = 12;  // pixels
    bool Bold = false;
    Color FillColor = RGB(0, 0, 0);
    // The font the text is drawn in.
    QFont font() const;
    void draw(QPainter& painter, double x, double y) const override;
};

// A group drawn with its own coordinates offset by its position (X, Y).
class Group2D : public Object2D {
public:
    double X = 0, Y = 0;
    void Append(std::shared_ptr<Object2D> shape) { items.push_back(std::move(shape)); }
    // Removes the shape; a shape the group does not hold is ignored.
    void Remove(const std::shared_ptr<Object2D>& shape) { std::erase(items, shape); }
    int Count() const { return static_cast<int>(items.size()); }
    const std::shared_ptr<Object2D>& Item(int index) const { return items.at(static_cast<size_t>(index)); }
    void draw(QPainter& painter, double x, double y) const override;

private:
    std::vector<std::shared_ptr<Object2D>> items;
};
