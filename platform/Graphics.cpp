#include "platform/Graphics.h"

#include "platform/VectorShapes.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPrinter>
#include <algorithm>

namespace {

// Line ends close a laid-out line; they take no room and draw nothing.
QString withoutLineEnds(const QString& text) {
    QString visible = text;
    visible.remove(QChar('\r'));
    visible.remove(QChar('\n'));
    return visible;
}

}  // namespace

QFont textFont(const QString& name, int size, bool bold, bool italic, bool underline) {
    QFont font;
    if (!name.isEmpty()) font.setFamily(name);
    font.setPixelSize(size > 0 ? size : kDefaultTextSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    // Unhinted glyph advances are the same at every resolution, so a text measures alike on a
    // picture and on a printer page.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qsizetype charactersShown(double width) { return std::max<qsizetype>(64, static_cast<qsizetype>(width)); }

QString elidedLine(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    const qsizetype most = charactersShown(width);
    if (text.size() <= most && metrics.horizontalAdvance(text) <= width) return text;
    // Past what a line can show, the text is cut unmeasured; the ellipsis stays if the beginning
    // happens to fit.
    QString head = text.left(most);
    if (head.size() < text.size()) {
        if (head.back().isHighSurrogate()) head.chop(1);
        head += QChar(0x2026);
    }
    return metrics.elidedText(head, Qt::ElideRight, width);
}

Graphics::Graphics(QPaintDevice& device) : width(device.width()), height(device.height()) {
    paint.begin(&device);
}

Graphics::Graphics(std::unique_ptr<QPrinter> printerDevice) : printer(std::move(printerDevice)) {
    const QRectF area = printer->pageLayout().paintRect(QPageLayout::Point);
    width = Int(area.width());
    height = Int(area.height());
    if (paint.begin(printer.get())) {
        paint.scale(printer->resolution() / 72.0, printer->resolution() / 72.0);
    }
}

Graphics::~Graphics() {
    if (paint.isActive()) paint.end();
}

void Graphics::DrawString(const QString& text, double x, double y) {
    if (!paint.isActive()) return;
    paint.setFont(font());
    paint.setPen(ForeColor);
    paint.drawText(QPointF(x, y), withoutLineEnds(text));
}

double Graphics::StringWidth(const QString& text) const {
    return QFontMetricsF(font()).horizontalAdvance(withoutLineEnds(text));
}

int Graphics::TextHeight() const { return QFontMetrics(font()).lineSpacing(); }

int Graphics::TextAscent() const { return QFontMetrics(font()).ascent(); }

void Graphics::ClearRect(int x, int y, int w, int h) {
    if (!paint.isActive()) return;
    const auto* image = dynamic_cast<const QImage*>(paint.device());
    if (image && image->hasAlphaChannel()) {
        paint.save();
        paint.setCompositionMode(QPainter::CompositionMode_Source);
        paint.fillRect(QRect(x, y, w, h), Qt::transparent);
        paint.restore();
    } else {
        paint.fillRect(QRect(x, y, w, h), Qt::white);
    }
}

void Graphics::FillRect(int x, int y, int w, int h) {
    if (paint.isActive()) paint.fillRect(QRect(x, y, w, h), ForeColor);
}

void Graphics::DrawRect(int x, int y, int w, int h) {
    if (!paint.isActive() || w <= 0 || h <= 0) return;
    // Four one-unit bands, so the outline lies inside the rectangle at any scale.
    paint.fillRect(QRect(x, y, w, 1), ForeColor);
    paint.fillRect(QRect(x, y + h - 1, w, 1), ForeColor);
    paint.fillRect(QRect(x, y, 1, h), ForeColor);
    paint.fillRect(QRect(x + w - 1, y, 1, h), ForeColor);
}

void Graphics::DrawPicture(const Picture& picture, double x, double y) {
    DrawPicture(picture, x, y, picture.Width(), picture.Height(), 0, 0, picture.Width(), picture.Height());
}

void Graphics::DrawPicture(const Picture& picture, double x, double y, double w, double h, double sourceX,
                           double sourceY, double sourceWidth, double sourceHeight) {
    if (!paint.isActive() || w <= 0 || h <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;
    const QRectF target(x, y, w, h);
    paint.drawImage(target, picture.image(), QRectF(sourceX, sourceY, sourceWidth, sourceHeight));
    if (picture.Objects && picture.Objects->Count() > 0) {
        paint.save();
        paint.setClipRect(target, Qt::IntersectClip);
        paint.translate(x, y);
        paint.scale(w / sourceWidth, h / sourceHeight);
        picture.Objects->draw(paint, -sourceX, -sourceY);
        paint.restore();
    }
}

void Graphics::DrawObject(const Object2D& shape, double x, double y) {
    if (paint.isActive()) shape.draw(paint, x, y);
}

void Graphics::NextPage() {
    if (printer && paint.isActive()) printer->newPage();
}

Picture::Picture(int width, int height, int depth)
    : pixels(qMax(width, 0), qMax(height, 0),
             depth == 0 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32),
      depth(depth) {
    if (depth == 0) {
        pixels.fill(Qt::transparent);
        Objects = std::make_shared<Group2D>();
    } else {
        pixels.fill(Qt::white);
    }
}

Picture::~Picture() = default;

Graphics* Picture::graphics() {
    if (pixels.isNull()) return nullptr;
    if (!context) context = std::make_unique<Graphics>(pixels);
    return context.get();
}

QImage Picture::toImage() const {
    QImage copy = pixels.copy();
    if (Objects && Objects->Count() > 0) {
        QPainter painter(&copy);
        Objects->draw(painter, 0, 0);
    }
    return copy;
}

std::shared_ptr<Picture> NewPicture(int width, int height, int depth) {
    if (width <= 0 || height <= 0) return nullptr;
    return std::make_shared<Picture>(width, height, depth);
}
