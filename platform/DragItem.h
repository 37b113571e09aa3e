#pragma once
// What a drag brings to a window that accepts drops: the text of its first item, when it has one.
#include <QString>

class QMimeData;

class DragItem {
public:
    explicit DragItem(const QMimeData& data);
    bool TextAvailable() const { return hasText; }
    QString Text() const { return text; }

private:
    bool hasText = false;
    QString text;
};
