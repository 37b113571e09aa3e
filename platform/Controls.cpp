#include "platform/Controls.h"

#include "platform/Dialogs.h"
#include "platform/Graphics.h"
#include "platform/Window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextEdit>

namespace {

// The most of a text that a tool tip shows.
constexpr qsizetype kTipCharacters = 2000;

}  // namespace

QString shownLines(const QString& text, double width, bool* cut) {
    const qsizetype most = charactersShown(width);
    if (cut) *cut = false;
    if (text.size() <= most) return text;
    // Line by line, each line end (CR, LF or CR LF) kept as it stands; a line is copied only as
    // far as it is shown.
    QString shown;
    const QStringView all(text);
    for (qsizetype start = 0; start <= all.size();) {
        qsizetype end = start;
        while (end < all.size() && all[end] != QChar('\r') && all[end] != QChar('\n')) ++end;
        QStringView line = all.sliced(start, end - start);
        if (line.size() > most) {
            line.truncate(line[most - 1].isHighSurrogate() ? most - 1 : most);
            shown.append(line);
            shown.append(QChar(0x2026));
            if (cut) *cut = true;
        } else {
            shown.append(line);
        }
        if (end == all.size()) break;
        const qsizetype ending = all[end] == QChar('\r') && end + 1 < all.size() && all[end + 1] == QChar('\n') ? 2 : 1;
        shown.append(all.sliced(end, ending));
        start = end + ending;
    }
    return shown;
}

QString wholeTextTip(const QString& text) {
    QString shown = displayLines(text.size() > kTipCharacters ? text.left(kTipCharacters) + QChar(0x2026) : text);
    // As rich text a tool tip wraps its lines.
    return "<p>" + shown.toHtmlEscaped().replace(QChar('\n'), "<br>") + "</p>";
}

Control::Control(QWidget* self, Window* window, const QString& name, int left, int top, int width, int height)
    : self(self), owner(window), name(name) {
    self->setObjectName(name);
    self->setGeometry(left, top, width, height);
    self->show();
}

void Control::setLeft(int left) {
    self->move(left, Top());
    fitText();
}

void Control::setTop(int top) { self->move(Left(), top); }

void Control::setWidth(int width) {
    self->resize(width, Height());
    fitText();
}

void Control::setHeight(int height) {
    self->resize(Width(), height);
    fitText();
}

void Control::growToWidth(int needed, Qt::Alignment align) {
    const int extra = needed - self->width();
    if (extra <= 0) return;
    int left = self->x();
    if (align & Qt::AlignRight) left -= extra;
    else if (align & Qt::AlignHCenter) left -= extra / 2;
    // Pushed past an edge of the window by growing, the control moves back in as far as it fits.
    // The window's width: its content area takes that size only when the window is first shown.
    const int room = owner->Width();
    if (left + needed > room && self->x() + self->width() <= room) left = room - needed;
    if (left < 0 && self->x() >= 0) left = 0;
    self->setGeometry(left, self->y(), needed, self->height());
}

void Control::setIndex(int value) {
    index = value;
    self->setObjectName(QString("%1(%2)").arg(name).arg(value));
}

void Control::setTextFont(const QString& font) {
    fontName = font;
    applyFont();
}

void Control::setTextSize(int size) {
    fontSize = size;
    applyFont();
}

void Control::setBold(bool value) {
    bold = value;
    applyFont();
}

void Control::setItalic(bool value) {
    italic = value;
    applyFont();
}

void Control::applyFont() {
    QFont font = QApplication::font();
    if (!fontName.isEmpty() && fontName.compare("System", Qt::CaseInsensitive) != 0) font.setFamily(fontName);
    if (fontSize > 0) font.setPixelSize(fontSize);
    font.setBold(bold);
    font.setItalic(italic);
    self->setFont(font);
    fitText();
}

EditField::EditField(Window* window, const QString& name, int left, int top, int width, int height,
                     bool multiLine)
    : QWidget(window->content()), Control(this, window, name, left, top, width, height) {
    QWidget* editor;
    if (multiLine) {
        multi = new QTextEdit(this);
        multi->setAcceptRichText(false);
        multi->setTabChangesFocus(true);
        multi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(multi, &QTextEdit::textChanged, this, &EditField::TextChange);
        editor = multi;
    } else {
        line = new QLineEdit(this);
        connect(line, &QLineEdit::textChanged, this, &EditField::TextChange);
        editor = line;
    }
    editor->setObjectName(name + ".editor");
    editor->setGeometry(0, 0, width, height);
    setFocusProxy(editor);
}

void EditField::resizeEvent(QResizeEvent*) {
    if (multi) multi->setGeometry(rect());
    else line->setGeometry(rect());
    if (elideMiddle) showElided(line->hasFocus());
}

QString EditField::Text() const {
    return withCarriageReturns(multi ? multi->toPlainText() : elideMiddle ? wholeText : line->text());
}

void EditField::setText(const QString& text) {
    if (multi) {
        multi->setPlainText(displayLines(text));
        return;
    }
    if (elideMiddle) {
        if (text == wholeText) return;
        wholeText = text;
        showElided(line->hasFocus());
        emit TextChange();
        return;
    }
    // QLineEdit cuts a text set beyond its maximum; the maximum grows to take the text whole.
    if (typedLimit > 0) line->setMaxLength(std::max(typedLimit, static_cast<int>(text.size())));
    line->setText(text);
}

void EditField::setLimitText(int limit) {
    typedLimit = limit;
    if (line) line->setMaxLength(limit > 0 ? std::max(limit, static_cast<int>(line->text().size())) : 32767);
}

int EditField::SelStart() const {
    return multi ? multi->textCursor().selectionStart() : (line->hasSelectedText() ? line->selectionStart() : line->cursorPosition());
}

void EditField::setSelStart(int start) {
    if (multi) {
        QTextCursor cursor = multi->textCursor();
        cursor.setPosition(std::clamp(start, 0, static_cast<int>(multi->toPlainText().size())));
        multi->setTextCursor(cursor);
    } else {
        line->deselect();
        line->setCursorPosition(start);
    }
}

int EditField::SelLength() const {
    if (multi) {
        const QTextCursor cursor = multi->textCursor();
        return cursor.selectionEnd() - cursor.selectionStart();
    }
    return static_cast<int>(line->selectedText().size());
}

void EditField::setSelLength(int length) {
    const int start = SelStart();
    if (multi) {
        QTextCursor cursor = multi->textCursor();
        const int end = std::clamp(start + length, 0, static_cast<int>(multi->toPlainText().size()));
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        multi->setTextCursor(cursor);
    } else {
        line->setSelection(start, length);
    }
}

QString EditField::SelText() const {
    return withCarriageReturns(multi ? multi->textCursor().selectedText().replace(QChar(0x2029), QChar('\n'))
                                     : line->selectedText());
}

bool EditField::ReadOnly() const { return multi ? multi->isReadOnly() : line->isReadOnly(); }

void EditField::setReadOnly(bool readOnly) {
    if (multi) {
        multi->setReadOnly(readOnly);
        // Read-only text can still be selected and copied.
        multi->setTextInteractionFlags(readOnly ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                                : Qt::TextEditorInteraction);
    } else {
        line->setReadOnly(readOnly);
    }
}

void EditField::setAcceptTabs(bool accept) {
    if (multi) multi->setTabChangesFocus(!accept);
}

void EditField::setBorder(bool border) {
    if (multi) multi->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
    else line->setFrame(border);
}

void EditField::setElideMiddle(bool elide) {
    if (!line || elideMiddle == elide) return;
    if (elide) {
        wholeText = line->text();
        line->installEventFilter(this);
    } else {
        line->removeEventFilter(this);
    }
    elideMiddle = elide;
    if (elide) showElided(line->hasFocus());
    else line->setText(wholeText);
}

bool EditField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == line && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        showElided(event->type() == QEvent::FocusIn);
    return QWidget::eventFilter(watched, event);
}

// What the line shows of the whole text: all of it, or, where it is wider than the room for text
// (the field less its frame and QLineEdit's margin of 2 on each side), its middle elided.
void EditField::showElided(bool whole) {
    QString shown = wholeText;
    if (!whole) {
        const QMargins margins = line->textMargins();
        const int frame = line->hasFrame() ? line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, line) : 0;
        const int room = line->width() - margins.left() - margins.right() - 2 * frame - 4;
        shown = line->fontMetrics().elidedText(wholeText, Qt::ElideMiddle, room);
    }
    const QSignalBlocker quiet(line);  // what is shown changes, not the text
    line->setText(shown);
    line->setToolTip(shown == wholeText ? QString() : wholeText);
    if (!whole) line->setCursorPosition(0);
}

void EditField::setScrollbarVertical(bool scrollbar) {
    if (multi) multi->setVerticalScrollBarPolicy(scrollbar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void EditField::setTextColor(const Color& colour) {
    QWidget* editor = multi ? static_cast<QWidget*>(multi) : line;
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Text, colour);
    editor->setPalette(palette);
}

void EditField::setBackColor(const Color& colour) {
    QWidget* editor = multi ? static_cast<QWidget*>(multi) : line;
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, colour);
    editor->setPalette(palette);
}

void EditField::Refresh(bool) {
    if (multi) multi->viewport()->update();
    else line->update();
}

StaticText::StaticText(Window* window, const QString& name, int left, int top, int width, int height,
                       const QString& text)
    : QLabel(window->content()), Control(this, window, name, left, top, width, height) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(text);
}

void StaticText::setText(const QString& text) {
    value = text;
    fitText();
}

void StaticText::setTextAlign(int align) {
    const Qt::Alignment horizontal = align == 2 ? Qt::AlignHCenter : align == 3 ? Qt::AlignRight : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
}

void StaticText::setMultiline(bool multiline) {
    setWordWrap(multiline);
    fitText();
}

int StaticText::neededWidth() const {
    const int frame = width() - contentsRect().width();
    const int unwrapped = fontMetrics().boundingRect(QRect(0, 0, 32000, 32000), Qt::AlignLeft, QLabel::text()).width() + frame;
    if (!wordWrap()) return unwrapped;
    // The narrowest width at which the wrapped lines fit the height, no wider than one line.
    int low = width(), high = std::max(width(), unwrapped);
    // A word is never broken: a width narrower than the longest word does not fit either.
    auto fits = [&](int w) {
        const QRect wrapped = fontMetrics().boundingRect(QRect(0, 0, w - frame, 32000), Qt::TextWordWrap, QLabel::text());
        return wrapped.width() <= w - frame && wrapped.height() <= contentsRect().height();
    };
    while (low < high) {
        const int middle = (low + high) / 2;
        if (fits(middle)) high = middle;
        else low = middle + 1;
    }
    return low;
}

void StaticText::fitText() {
    // The widest a label may grow: its window.
    const int room = std::max(parentWindow()->Width(), width());
    bool cut = false;
    QString shown = displayLines(shownLines(value, room, &cut));
    if (QLabel::text() != shown) QLabel::setText(shown);
    const int needed = neededWidth();
    if (needed > room) {
        // A text the window cannot show whole is cut to the label as it stands, which keeps clear
        // of its neighbours.
        QStringList lines = shown.split(QChar('\n'));
        for (QString& line : lines) line = elidedLine(line, font(), contentsRect().width());
        QLabel::setText(lines.join(QChar('\n')));
        cut = true;
    }
    setToolTip(cut ? wholeTextTip(value) : QString());
    if (!cut) growToWidth(needed, alignment());
}

void StaticText::setTextColor(const Color& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void StaticText::Refresh(bool) { update(); }

PushButton::PushButton(Window* window, const QString& name, int left, int top, int width, int height,
                       const QString& caption)
    : QPushButton(caption, window->content()), Control(this, window, name, left, top, width, height) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &PushButton::Action);
    fitText();
}

void PushButton::setCaption(const QString& caption) {
    setText(caption);
    fitText();
}

// The width the style gives the caption, without the style's minimum width for a button.
void PushButton::fitText() {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margins = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) +
                        2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    growToWidth(fontMetrics().size(Qt::TextShowMnemonic, text()).width() + margins, Qt::AlignHCenter);
}

void PushButton::setDefault(bool value) {
    defaultRole = value;
    QPushButton::setDefault(value);
}

void PushButton::Push() {
    if (Visible() && Enabled()) emit Action();
}

PopupMenu::PopupMenu(Window* window, const QString& name, int left, int top, int width, int height)
    : QComboBox(window->content()), Control(this, window, name, left, top, width, height) {
    connect(this, &QComboBox::currentIndexChanged, this, &PopupMenu::Change);
}

Canvas::Canvas(Window* window, const QString& name, int left, int top, int width, int height)
    : QWidget(window->content()), Control(this, window, name, left, top, width, height) {
    setFocusPolicy(Qt::NoFocus);
}

void Canvas::Refresh(bool) { update(); }

void Canvas::paintEvent(QPaintEvent*) {
    // The canvas has no background of its own: Qt paints the window's behind it first.
    Graphics g(*this);
    emit Paint(g);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!onMouseDown || !onMouseDown(at.x(), at.y())) QWidget::mousePressEvent(event);
}

ScrollBar::ScrollBar(Window* window, const QString& name, int left, int top, int width, int height,
                     bool horizontal)
    : QScrollBar(horizontal ? Qt::Horizontal : Qt::Vertical, window->content()),
      Control(this, window, name, left, top, width, height) {
    if (horizontal) resize(width, Thickness());
    else resize(Thickness(), height);
    applyRange();
    connect(this, &QScrollBar::valueChanged, this, &ScrollBar::ValueChanged);
}

int ScrollBar::Thickness() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this); }

void ScrollBar::setMinimum(int value) {
    lowest = value;
    applyRange();
}

void ScrollBar::setMaximum(int value) {
    highest = value;
    applyRange();
}

void ScrollBar::applyRange() { setRange(lowest, std::max(lowest, highest)); }

void ScrollBar::Refresh(bool) { update(); }

ImageWell::ImageWell(Window* window, const QString& name, int left, int top, int width, int height)
    : QLabel(window->content()), Control(this, window, name, left, top, width, height) {
    setAlignment(Qt::AlignCenter);
}

void ImageWell::setImage(PicturePtr image) {
    picture = std::move(image);
    setPixmap(picture ? QPixmap::fromImage(picture->toImage()) : QPixmap());
}

void ImageWell::Refresh(bool) { update(); }

void ImageWell::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    pressTaken = onMouseDown && onMouseDown(at.x(), at.y());
    if (!pressTaken) QLabel::mousePressEvent(event);
}

void ImageWell::mouseMoveEvent(QMouseEvent* event) {
    if (!pressTaken) return QLabel::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if (onMouseDrag) onMouseDrag(at.x(), at.y());
}

void ImageWell::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressTaken) return QLabel::mouseReleaseEvent(event);
    pressTaken = false;
    const QPoint at = event->position().toPoint();
    if (onMouseUp) onMouseUp(at.x(), at.y());
}
