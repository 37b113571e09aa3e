#pragma once
// The controls the windows place at fixed positions in their content area. Every control has
// the objectName of its control name (an element of a control array: "name(index)"), so tests find
// it with findChild. A control's visibility is its own flag (Visible), not whether its window is
// on screen. Font sizes are pixel sizes; the font "System" (or none) and size 0 mean the
// platform's defaults. A control that shows a text (label, button, check box) is never narrower
// than its text at the font in use: where the layout's width is too small it grows, about the edge
// or centre its text is aligned to, and stays inside its window where it can.
#include "platform/Types.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class Graphics;
class Picture;
class QLineEdit;
class QTextEdit;
class Window;

// A picture shared by reference: wells compare pictures by identity.
using PicturePtr = std::shared_ptr<Picture>;

// A text as a control that shows single lines gives it to Qt: each line cut, after an ellipsis, to
// what a line `width` pixels wide can show, so that a text of megabytes costs what a short one
// costs. `cut` tells whether any line was.
QString shownLines(const QString& text, double width, bool* cut = nullptr);
// The tool tip of a control that shows its text cut: as much of the whole text as a tool tip can
// hold, wrapped.
QString wholeTextTip(const QString& text);

class Control {
public:
    Control(QWidget* self, Window* window, const QString& name, int left, int top, int width, int height);
    virtual ~Control() = default;

    QString Name() const { return name; }
    int Index() const { return index; }
    void setIndex(int value);  // makes the control an element of a control array

    int Left() const { return self->x(); }
    int Top() const { return self->y(); }
    int Width() const { return self->width(); }
    int Height() const { return self->height(); }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);

    bool Visible() const { return !self->isHidden(); }
    bool Enabled() const { return !self->testAttribute(Qt::WA_ForceDisabled); }

    QString TextFont() const { return fontName; }
    void setTextFont(const QString& font);
    int TextSize() const { return fontSize; }
    void setTextSize(int size);
    void setBold(bool value);
    void setItalic(bool value);

    Window* parentWindow() const { return owner; }

protected:
    void applyFont();
    // Grows the control to show its whole text; controls without a text keep their size.
    virtual void fitText() {}
    // Widens the control to `needed` pixels when it is narrower, keeping the side (or the centre)
    // given by `align` in place, then moves it back inside its window if growing pushed it out.
    void growToWidth(int needed, Qt::Alignment align);
    QWidget* self;

private:
    Window* owner;
    QString name;
    int index = -1;
    QString fontName;
    int fontSize = 0;
    bool bold = false, italic = false;
};

// A text field; its text keeps CR (13) line ends whatever the platform shows.
class EditField : public QWidget, public Control {
    Q_OBJECT
public:
    EditField(Window* window, const QString& name, int left, int top, int width, int height, bool multiLine);

    QString Text() const;
    void setText(const QString& text);
    int SelStart() const;
    void setSelStart(int start);  // places the insertion point there, nothing selected
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const;

    bool MultiLine() const { return multi != nullptr; }
    bool ReadOnly() const;
    void setReadOnly(bool readOnly);
    void setAcceptTabs(bool accept);
    // At most `limit` characters typed into a single-line field. A longer text that the program
    // puts in is shown and kept whole; typing never makes it longer.
    void setLimitText(int limit);
    void setBorder(bool border);
    void setScrollbarVertical(bool scrollbar);
    void setTextColor(const Color& colour);
    void setBackColor(const Color& colour);
    void Refresh(bool eraseBackground = true);
    // A read-only single-line field then shows a text too long for it elided in the middle, its
    // beginning and end in sight; the whole text is its tooltip, and shows while the field has the
    // focus, to be read, selected and copied. Text() is always the whole text.
    void setElideMiddle(bool elide);

    QTextEdit* textEdit() const { return multi; }
    QLineEdit* lineEdit() const { return line; }

signals:
    void TextChange();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showElided(bool whole);

    QLineEdit* line = nullptr;
    QTextEdit* multi = nullptr;
    int typedLimit = 0;  // 0: no limit
    bool elideMiddle = false;
    QString wholeText;  // of an eliding field
};

// A label; CR in its text breaks the line. A text that the window could not show whole even where
// the label grew to the window's width is cut with an ellipsis to the label's width instead, and
// the label's tool tip shows its beginning.
class StaticText : public QLabel, public Control {
    Q_OBJECT
public:
    StaticText(Window* window, const QString& name, int left, int top, int width, int height, const QString& text);

    QString Text() const { return value; }
    void setText(const QString& text);
    // 0 default (left), 1 left, 2 centre, 3 right.
    void setTextAlign(int align);
    // A multi-line label wraps its text; it grows only where its height cannot hold the lines.
    void setMultiline(bool multiline);
    void setTextColor(const Color& colour);
    void Refresh(bool eraseBackground = true);

protected:
    void fitText() override;

private:
    // The narrowest width that shows the label's text: one line each, or wrapped into its height.
    int neededWidth() const;
    QString value;
};

// A push button. Return presses the window's default button, Escape its cancel button.
class PushButton : public QPushButton, public Control {
    Q_OBJECT
public:
    PushButton(Window* window, const QString& name, int left, int top, int width, int height, const QString& caption);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    bool Default() const { return defaultRole; }
    void setDefault(bool value);
    bool Cancel() const { return cancelRole; }
    void setCancel(bool value) { cancelRole = value; }
    void Push();  // as a click does

signals:
    void Action();

protected:
    void fitText() override;

private:
    bool defaultRole = false, cancelRole = false;
};

// A pop-up menu of text rows; Change follows every change of ListIndex, by the user or by code.
class PopupMenu : public QComboBox, public Control {
    Q_OBJECT
public:
    PopupMenu(Window* window, const QString& name, int left, int top, int width, int height);

    void AddRow(const QString& text) { addItem(text); }
    void DeleteAllRows() { clear(); }
    int ListCount() const { return count(); }
    QString List(int row) const { return itemText(row); }
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int row) { setCurrentIndex(row); }
    QString Text() const { return currentText(); }

signals:
    void Change();
};

// A drawing area. Paint gets a drawing context on it; its background is erased before every paint.
class Canvas : public QWidget, public Control {
    Q_OBJECT
public:
    Canvas(Window* window, const QString& name, int left, int top, int width, int height);
    void Refresh(bool eraseBackground = true);
    // A press at (x, y) in canvas coordinates; answers whether the canvas took it.
    std::function<bool(int x, int y)> onMouseDown;

signals:
    void Paint(Graphics& g);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// A scroll bar. Maximum keeps the value set even when it is below Minimum (the bar then has no
// range); ValueChanged follows every change of Value. It is as thick as the desktop's style draws
// a scroll bar, whatever thickness the layout gives it; windows place it by Thickness().
class ScrollBar : public QScrollBar, public Control {
    Q_OBJECT
public:
    ScrollBar(Window* window, const QString& name, int left, int top, int width, int height, bool horizontal);

    int Thickness() const;

    int Minimum() const { return lowest; }
    void setMinimum(int value);
    int Maximum() const { return highest; }
    void setMaximum(int value);
    int Value() const { return value(); }
    void setValue(int value) { QScrollBar::setValue(value); }
    int LineStep() const { return singleStep(); }
    void setLineStep(int step) { setSingleStep(step); }
    int PageStep() const { return pageStep(); }
    void setPageStep(int step) { QScrollBar::setPageStep(step); }
    void setLiveScroll(bool live) { setTracking(live); }
    void Refresh(bool eraseBackground = true);

signals:
    void ValueChanged();

private:
    void applyRange();
    int lowest = 0, highest = 100;
};

// A picture well: shows its picture centred. A press that onMouseDown takes claims the mouse: the
// drag and the release of that press go to onMouseDrag and onMouseUp, all in well coordinates.
class ImageWell : public QLabel, public Control {
    Q_OBJECT
public:
    ImageWell(Window* window, const QString& name, int left, int top, int width, int height);
    PicturePtr Image() const { return picture; }
    void setImage(PicturePtr image);
    void Refresh(bool eraseBackground = true);
    std::function<bool(int x, int y)> onMouseDown;
    std::function<void(int x, int y)> onMouseDrag;
    std::function<void(int x, int y)> onMouseUp;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PicturePtr picture;
    bool pressTaken = false;
};
