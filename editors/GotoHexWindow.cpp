#include "editors/GotoHexWindow.h"

#include "editors/WdbEditText.h"
#include "platform/Beep.h"
#include "platform/Keyboard.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

GotoHexWindow* GotoHexWindow::instance() { return windowInstance<GotoHexWindow>(); }

GotoHexWindow::GotoHexWindow() {
    setTitle("Go To Record");
    setWidth(345);
    setHeight(98);
    setResizeable(false);
    setMaximizeButton(false);

    StaticText1 = new StaticText(this, "StaticText1", 6, 39, 151, 20, "GoTo Boolean Number");
    StaticText1->setTextAlign(3);
    EditField1 = new EditField(this, "EditField1", 165, 39, 29, 22, false);
    EditField1->setBorder(true);
    EditField1->setLimitText(2);
    EditField1->lineEdit()->installEventFilter(this);
    PushButton1 = new PushButton(this, "PushButton1", 222, 59, 80, 20, "go");
    PushButton1->setDefault(true);
    PushButton2 = new PushButton(this, "PushButton2", 222, 21, 80, 20, "cancel");
    PushButton2->setCancel(true);
    StaticText2 = new StaticText(this, "StaticText2", 39, 65, 100, 20, QString::fromUtf8("0 \u2264\u00a0n \u2264 63"));
    connect(PushButton1, &PushButton::Action, this, &GotoHexWindow::PushButton1_Action);
    connect(PushButton2, &PushButton::Action, this, &GotoHexWindow::PushButton2_Action);
}

bool GotoHexWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditField1->lineEdit() && event->type() == QEvent::KeyPress && EditField1_KeyDown(static_cast<QKeyEvent&>(*event)))
        return true;
    return Window::eventFilter(watched, event);
}

bool GotoHexWindow::EditField1_KeyDown(const QKeyEvent& event) const {
    // Keys that type no text (Return, Escape, Tab, arrows, Command shortcuts) go their usual way;
    // Backspace and Delete are refused like every other key that is no digit.
    if (event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete) return true;
    if (event.modifiers() & Qt::ControlModifier) return false;
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) return false;
    return !(text.size() == 1 && text.at(0) >= '0' && text.at(0) <= '9');
}

double leadingNumber(const QString& text) {
    static const QRegularExpression number(R"(^\s*[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)");
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

void GotoHexWindow::PushButton1_Action() {
    const double low = isItbook ? 0 : -1;
    const double high = isItbook ? 65 : 64;
    const double value = leadingNumber(EditField1->Text());
    if (low < value && value < high) {
        const int number = static_cast<int>(value);  // Int() truncates toward zero
        const bool boolean = !isItbook;
        Close();
        // The dialog belongs to the open editor; with none open there is nothing to go to.
        if (WdbEditText* editor = findWindow<WdbEditText>()) editor->gotorecord(number, boolean);
    } else {
        Beep();
    }
}

bool GotoHexWindow::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

void GotoHexWindow::wakeup(bool book, int n) {
    isItbook = book;
    StaticText1->setText(book ? "GoTo Book Number" : "GoTo Boolean Number");
    StaticText2->setText(book ? QString::fromUtf8("1 \u2264\u00a0n \u2264 64") : QString::fromUtf8("0 \u2264\u00a0n \u2264 63"));
    if (n > -1) EditField1->setText(QString::number(n));
}
