#include "platform/VectorShapes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

void CurveShape::draw(QPainter& painter, double x, double y) const {
    painter.save();
    QPen pen(BorderColor, BorderWidth, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(x + X, y + Y), QPointF(x + X2, y + Y2));
    painter.restore();
}

void RectShape::draw(QPainter& painter, double x, double y) const {
    painter.save();
    const QRectF rect(x + X - Width / 2.0, y + Y - Height / 2.0, Width, Height);
    if (Fill > 0) {
        QColor fill = FillColor;
        fill.setAlphaF(std::clamp(Fill, 0.0, 100.0) / 100.0);
        painter.fillRect(rect, fill);
    }
    if (Border > 0 && BorderWidth > 0) {
        QColor border = BorderColor;
        border.setAlphaF(std::clamp(Border, 0.0, 100.0) / 100.0);
        painter.setPen(QPen(border, BorderWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
    }
    painter.restore();
}

QFont StringShape::font() const {
    QFont font(TextFont);
    font.setPixelSize(TextSize > 0 ? TextSize : 12);
    font.setBold(Bold);
    return font;
}

void StringShape::draw(QPainter& painter, double x, double y) const {
    painter.save();
    const QFont font = this->font();
    painter.setFont(font);
    painter.setPen(FillColor);
    const double width = QFontMetricsF(font).horizontalAdvance(Text);
    painter.drawText(QPointF(x + X - width / 2.0, y + Y), Text);
    painter.restore();
}

void Group2D::draw(QPainter& painter, double x, double y) const {
    for (const auto& item : items) item->draw(painter, x + X, y + Y);
}
