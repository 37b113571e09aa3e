#pragma once
// What a drag carries: a window reads its text when it is dropped, a list sets it when a row is
// dragged out.
#include <QString>

class QMimeData;

class DragItem {
public:
    explicit DragItem(const QMimeData* data);
    // A drag being started: its handler sets the text it carries.
    explicit DragItem(QMimeData* outgoing);
    bool TextAvailable() const;
    QString Text() const;
    void setText(const QString& text);

private:
    const QMimeData* data;
    QMimeData* outgoing = nullptr;
};
