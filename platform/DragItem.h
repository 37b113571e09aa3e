#pragma once
// What a drag carries when it is dropped on a window: the program reads its text.
#include <QString>

class QMimeData;

class DragItem {
public:
    explicit DragItem(const QMimeData* data);
    bool TextAvailable() const;
    QString Text() const;

private:
    const QMimeData* data;
};
