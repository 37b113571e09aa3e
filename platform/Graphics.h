#pragma once
// Pictures and their drawing context. A picture is a QImage, white when made; its Graphics is a
// painter on it with the text settings and the colour the program sets before it draws. The
// printer's Graphics is the same class, scaled to 72 units per inch, so a text measured for a
// picture lands the same on paper.
#include "platform/Types.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;
class Object2D;
class Group2D;
class Picture;

// Font size, in pixels (units), that a size of 0 stands for.
constexpr int kDefaultTextSize = 12;

// The font for a set of text settings; an empty name gives the default family, size 0 the default
// size. Every measure and every drawing of text goes through it.
QFont textFont(const QString& name, int size, bool bold, bool italic, bool underline);

// One line of text in at most `width` pixels of the font: the whole text when it fits, else its
// longest beginning that fits followed by an ellipsis. Only as many characters as such a line can
// show are measured, so a text of megabytes costs no more than a short one.
QString elidedLine(const QString& text, const QFont& font, double width);
// The most characters a line `width` pixels wide is taken to show: one a pixel.
qsizetype charactersShown(double width);

class Graphics {
public:
    // Draws on the device (a picture's image, or a widget inside its paint event), which must
    // outlive this context.
    explicit Graphics(QPaintDevice& device);
    // Draws on the printer's pages, one unit being 1/72 inch from the top left of the printable
    // area. The print job ends when the context is destroyed.
    explicit Graphics(std::unique_ptr<QPrinter> printer);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // Text settings. TextSize is in pixels (units); 0 means kDefaultTextSize.
    QString TextFont;
    int TextSize = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    // Colour of text, lines and fills.
    Color ForeColor = RGB(0, 0, 0);

    // Size of the drawing area in units.
    int Width() const { return width; }
    int Height() const { return height; }

    QFont font() const { return textFont(TextFont, TextSize, Bold, Italic, Underline); }

    // Draws the text with its baseline at y. Line-end characters are neither drawn nor measured.
    void DrawString(const QString& text, double x, double y);
    double StringWidth(const QString& text) const;
    int TextHeight() const;  // the distance from one line's top to the next
    int TextAscent() const;

    void ClearRect(int x, int y, int width, int height);  // to white (clear on a vector picture)
    void FillRect(int x, int y, int width, int height);
    void DrawRect(int x, int y, int width, int height);   // a one-unit outline inside the rectangle

    // The whole picture at its own size with its top left at (x, y), vector shapes included.
    void DrawPicture(const Picture& picture, double x, double y);
    // The source part (sourceX, sourceY, sourceWidth, sourceHeight) into the destination rectangle.
    void DrawPicture(const Picture& picture, double x, double y, double width, double height,
                     double sourceX, double sourceY, double sourceWidth, double sourceHeight);
    // A vector shape or group with its origin at (x, y).
    void DrawObject(const Object2D& shape, double x, double y);

    // Ends the printed page and starts the next one; nothing on a picture.
    void NextPage();

    QPainter& painter() { return paint; }

private:
    std::unique_ptr<QPrinter> printer;
    QPainter paint;
    int width = 0;
    int height = 0;
};

class Picture {
public:
    // Depth 0 is a vector picture: transparent pixels under the shapes of Objects. Every other
    // depth is a bitmap filled with white that keeps exact colours (the depth is only recorded).
    Picture(int width, int height, int depth);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const { return pixels.width(); }
    int Height() const { return pixels.height(); }
    int Depth() const { return depth; }

    // The picture's drawing context, made at first use; nullptr when the picture has no pixels.
    Graphics* graphics();

    // The colour at column x, row y from the top left (the program's RGBSurface.Pixel).
    Color Pixel(int x, int y) const { return QColor::fromRgba(pixels.pixel(x, y)); }

    // The shapes of a vector picture, drawn over its pixels.
    std::shared_ptr<Group2D> Objects;

    // The pixels as they are (without the shapes of Objects).
    const QImage& image() const { return pixels; }
    // What the picture shows, shapes included, as a copy that later drawing does not reach.
    QImage toImage() const;

private:
    QImage pixels;
    int depth;
    std::unique_ptr<Graphics> context;
};

// A new picture, or nullptr when the width or the height is not positive.
std::shared_ptr<Picture> NewPicture(int width, int height, int depth);
