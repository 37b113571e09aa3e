#include "InputSupport.h"

#include "app/AppResources.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QWindow>

QString everyHexagramSql() {
    return validDatabaseSql({0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                             22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43,
                             44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63});
}

InputWindow* openInputWindow() { return findWindow<InputWindow>(); }

void showChain(displayWindow* display, std::initializer_list<int> codes) {
    QStringList links;
    const std::vector<int> chain(codes);
    for (size_t i = 0; i < chain.size(); ++i) links << QString("%1,%2").arg(chain[i]).arg(i + 1 < chain.size() ? chain[i] ^ chain[i + 1] : 0);
    display->DoLoadHexChain("0,500;" + links.join(';'));
}

void select(displayWindow* display, int k, bool transition) {
    display->Canvas1_MouseDown(ChainLogic::chainWidth(display->virevcount) + 100, 10);
    if (k > 0) display->Canvas1_MouseDown(ChainLogic::columnX(k) + (transition ? 300 : 100), 10);
}

int shownCode(const std::array<ImageWell*, 6>& wells) {
    int code = 0;
    for (size_t i = 0; i < wells.size(); ++i) {
        const PicturePtr held = wells[i]->Image();
        if (held == yang()) code += 1 << i;
        else if (held != yin()) return -1;
    }
    return code;
}

int shownMask(const std::array<StaticText*, 6>& markers) {
    int mask = 0;
    for (size_t i = 0; i < markers.size(); ++i)
        if (markers[i]->Visible()) mask += 1 << i;
    return mask;
}

void clickOn(QWidget* control) { clickOn(control, control->rect().center()); }

void clickOn(QWidget* control, QPoint at) {
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, control->mapTo(window, at));
    StartedProgram::settle();
}

void dropText(Window* window, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint at(window->width() / 2, window->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
}
