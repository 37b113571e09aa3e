#include "platform/DragItem.h"

#include <QMimeData>

DragItem::DragItem(const QMimeData& data) : hasText(data.hasText()), text(data.text()) {}
