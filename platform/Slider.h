#pragma once
// A slider over a range of integers. ValueChanged follows every change of Value, by the user or by
// code; with live scrolling off a drag reports its value once, when the thumb is let go.
#include "platform/Controls.h"

#include <QSlider>

class Slider : public QSlider, public Control {
    Q_OBJECT
public:
    Slider(Window* window, const QString& name, int left, int top, int width, int height, bool horizontal);

    int Minimum() const { return minimum(); }
    void setMinimum(int value) { QSlider::setMinimum(value); }
    int Maximum() const { return maximum(); }
    void setMaximum(int value) { QSlider::setMaximum(value); }
    int Value() const { return value(); }
    void setValue(int value) { QSlider::setValue(value); }
    int LineStep() const { return singleStep(); }
    void setLineStep(int step) { setSingleStep(step); }
    int PageStep() const { return pageStep(); }
    void setPageStep(int step) { QSlider::setPageStep(step); }
    void setLiveScroll(bool live) { setTracking(live); }

signals:
    void ValueChanged();
};
