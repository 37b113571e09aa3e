// The system font, the cursor and the double-click interval, with and without a GUI application.
#include "PluginTestSupport.h"

#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>

namespace {

class UserInterface : public PluginTest {
protected:
    QString systemFont() { return StringRef(global<REALstring (*)()>("SystemFontQRX as string")()).text(); }
    void call(const char* declaration) { global<void (*)()>(declaration)(); }
    bool cursorHidden() {
        return QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::BlankCursor;
    }
};

}  // namespace

TEST_F(UserInterface, SystemFontIsAnInstalledFamily) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    const QString withoutApplication = systemFont();
    EXPECT_FALSE(withoutApplication.isEmpty());
    // Without an application nothing here has a cursor; the calls do nothing.
    call("HideCursorQRX");
    call("ObscureCursorQRX");
    call("ShowCursorQRX");
    EXPECT_EQ(global<PluginInteger (*)()>("GetDoubleClickIntervalQRX as integer")(), 24);

    int argc = 1;
    char name[] = "plugin_tests";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const QString withApplication = systemFont();
    EXPECT_FALSE(withApplication.isEmpty());
    const QStringList installed = QFontDatabase::families();
    EXPECT_TRUE(installed.contains(withoutApplication, Qt::CaseInsensitive)) << withoutApplication.toStdString();
    EXPECT_TRUE(installed.contains(withApplication, Qt::CaseInsensitive)) << withApplication.toStdString();
    EXPECT_EQ(host.systemFontName(), withApplication);
}

TEST_F(UserInterface, CursorHidesWhileHiddenMoreOftenThanShown) {
    int argc = 1;
    char name[] = "plugin_tests";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    EXPECT_FALSE(cursorHidden());
    call("ShowCursorQRX");  // more shows than hides change nothing
    call("HideCursorQRX");
    call("HideCursorQRX");
    EXPECT_TRUE(cursorHidden());
    call("ShowCursorQRX");
    EXPECT_TRUE(cursorHidden());
    call("ShowCursorQRX");
    EXPECT_FALSE(cursorHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Obscured until the mouse next moves.
    call("ObscureCursorQRX");
    EXPECT_TRUE(cursorHidden());
    QWindow window;
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    EXPECT_FALSE(cursorHidden());

    call("FlashMenuBarQRX");
    EXPECT_EQ(global<PluginInteger (*)()>("GetDoubleClickIntervalQRX as integer")(),
              (QGuiApplication::styleHints()->mouseDoubleClickInterval() * 60 + 500) / 1000);
}
