#pragma once
// A busy indicator: it shows that work is going on, not how much.
#include "platform/Controls.h"

#include <QProgressBar>

class ProgressWheel : public QProgressBar, public Control {
    Q_OBJECT
public:
    ProgressWheel(Window* window, const QString& name, int left, int top, int width, int height);
    void Refresh(bool eraseBackground = true);
};
