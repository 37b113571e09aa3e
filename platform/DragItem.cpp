#include "platform/DragItem.h"

#include <QMimeData>

DragItem::DragItem(const QMimeData* data) : data(data) {}

bool DragItem::TextAvailable() const { return data && data->hasText(); }

QString DragItem::Text() const { return TextAvailable() ? data->text() : QString(); }

DragItem::DragItem(QMimeData* outgoing) : data(outgoing), outgoing(outgoing) {}

void DragItem::setText(const QString& text) {
    if (outgoing) outgoing->setText(text);
}
