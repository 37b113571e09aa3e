// Draws the program's three pictures into a folder (app/resources/PICT):
//   168-virevtrigramsinput.png  606 x 113, the input window's sixteen trigram boxes
//   169-yin.png, 170-yang.png    80 x 15, a broken and a whole line for the line wells
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

namespace {

constexpr int BoxWidth = 59;
constexpr int BoxHeight = 40;

// The columns of the input window's trigram area: the trigram each column stands for, and where
// its upper and its lower box lie.
struct Column {
    int trigram;
    int topLeft;
    int bottomLeft;
    int bottomTop;
};
constexpr int TopRowTop = 5;
const Column columns[] = {
    {7, 23, 23, 65},   {1, 91, 91, 65},   {2, 163, 163, 65}, {4, 234, 233, 66},
    {0, 306, 306, 66}, {6, 377, 377, 66}, {5, 448, 449, 65}, {3, 519, 519, 65},
};

// A line of the figures: whole (yang) or with a gap in the middle (yin).
void drawLine(QPainter& painter, QRectF line, bool yang, double gap, const QColor& colour) {
    if (yang) {
        painter.fillRect(line, colour);
        return;
    }
    const double half = (line.width() - gap) / 2;
    painter.fillRect(QRectF(line.left(), line.top(), half, line.height()), colour);
    painter.fillRect(QRectF(line.right() - half, line.top(), half, line.height()), colour);
}

// A trigram's three lines centred in a box, line 1 (bit 0) at the bottom.
void drawTrigram(QPainter& painter, int left, int top, int trigram, const QColor& colour) {
    constexpr double length = 37, thickness = 5, spacing = 5, gap = 9;
    const double figureHeight = 3 * thickness + 2 * spacing;
    const double x = left + (BoxWidth - length) / 2;
    const double y = top + (BoxHeight - figureHeight) / 2;
    for (int line = 0; line < 3; ++line) {
        const bool yang = trigram & (1 << line);
        const double lineTop = y + (2 - line) * (thickness + spacing);
        drawLine(painter, QRectF(x, lineTop, length, thickness), yang, gap, colour);
    }
}

void drawBox(QPainter& painter, int left, int top, int trigram, const QColor& colour) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(left, top, BoxWidth - 1, BoxHeight - 1));
    drawTrigram(painter, left, top, trigram, colour);
}

QImage trigramBoxes() {
    QImage image(606, 113, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QColor upper(30, 30, 200), lower(30, 100, 100);  // the trigram colours the drawing starts with
    for (const Column& c : columns) {
        drawBox(painter, c.topLeft, TopRowTop, c.trigram, upper);
        drawBox(painter, c.bottomLeft, c.bottomTop, c.trigram, lower);
    }
    return image;
}

QImage lineWell(bool yang) {
    QImage image(80, 15, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawLine(painter, QRectF(4, 4, 72, 7), yang, 14, Qt::black);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool saved = trigramBoxes().save(folder + "/168-virevtrigramsinput.png") &&
                       lineWell(false).save(folder + "/169-yin.png") && lineWell(true).save(folder + "/170-yang.png");
    if (!saved) std::fprintf(stderr, "drawpictures: cannot write into %s\n", argv[1]);
    return saved ? 0 : 1;
}
