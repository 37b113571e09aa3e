#pragma once
// A check box. Action follows every change of Value, by the user or by code.
#include "platform/Controls.h"

#include <QCheckBox>

class CheckBox : public QCheckBox, public Control {
    Q_OBJECT
public:
    CheckBox(Window* window, const QString& name, int left, int top, int width, int height, const QString& caption);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) {
        setText(caption);
        fitText();
    }
    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }

signals:
    void Action();

protected:
    void fitText() override { growToWidth(sizeHint().width(), Qt::AlignLeft); }
};
