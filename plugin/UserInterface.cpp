// The system font, the cursor, the double-click interval and the menu-bar flash.
#include "plugin/FontNames.h"
#include "plugin/HostServices.h"
#include "plugin/Methods.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QStyleHints>

namespace {

// The cursor hides while HideCursorQRX calls outnumber ShowCursorQRX calls, and while it is
// obscured: from ObscureCursorQRX until the mouse next moves. Without a GUI application there is
// no cursor and these calls do nothing.
class CursorState : public QObject {
public:
    int hideLevel = 0;
    bool obscured = false;

    void update() {
        const bool hide = hideLevel > 0 || obscured;
        if (hide == blank) return;
        blank = hide;
        if (blank) QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
        else QGuiApplication::restoreOverrideCursor();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (obscured && event->type() == QEvent::MouseMove) {
            obscured = false;
            update();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool blank = false;
};

CursorState* cursorState() {
    static QPointer<CursorState> state;
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!application) return nullptr;
    if (!state) {
        state = new CursorState;
        state->setParent(application);
        application->installEventFilter(state);
    }
    return state;
}

constexpr int kTicksPerSecond = 60;
constexpr int kDefaultDoubleClickMilliseconds = 400;

}  // namespace

void ShowCursorQRX() {
    if (CursorState* state = cursorState(); state && state->hideLevel > 0) {
        --state->hideLevel;
        state->update();
    }
}

void HideCursorQRX() {
    if (CursorState* state = cursorState()) {
        ++state->hideLevel;
        state->update();
    }
}

void ObscureCursorQRX() {
    if (CursorState* state = cursorState()) {
        state->obscured = true;
        state->update();
    }
}

void FlashMenuBarQRX() {}

// The name comes in UTF-8, the host's own encoding: family names on this platform are UTF-8, and
// marking them MacRoman would garble every name with a byte above 127.
REALstring SystemFontQRX() {
    const std::string name = SystemFontFamily();
    return HostStringFromBytes(name.data(), static_cast<intptr_t>(name.size()), kEncodingUTF8);
}

// In ticks of 1/60 s.
PluginInteger GetDoubleClickIntervalQRX() {
    int milliseconds = kDefaultDoubleClickMilliseconds;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        milliseconds = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    return (milliseconds * kTicksPerSecond + 500) / 1000;
}
