#pragma once
// A disclosure triangle: pointing right while closed, down while open. A click turns it; Action
// follows every change of Value, by the user or by code.
#include "platform/Controls.h"

#include <QToolButton>

class DisclosureTriangle : public QToolButton, public Control {
    Q_OBJECT
public:
    DisclosureTriangle(Window* window, const QString& name, int left, int top, int width, int height);

    bool Value() const { return isChecked(); }
    void setValue(bool open) { setChecked(open); }

signals:
    void Action();
};
