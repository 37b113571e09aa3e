#pragma once
// A radio button. The radio buttons of one window form one group: choosing one clears the others.
#include "platform/Controls.h"

#include <QRadioButton>

class RadioButton : public QRadioButton, public Control {
    Q_OBJECT
public:
    RadioButton(Window* window, const QString& name, int left, int top, int width, int height, const QString& caption);

    QString Caption() const { return text(); }
    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }

protected:
    void fitText() override { growToWidth(sizeHint().width(), Qt::AlignLeft); }
};
