#include "platform/Beep.h"

#include "platform/Window.h"

#include <QApplication>
#include <QPalette>
#include <QPointer>
#include <QTimer>

namespace {

int beeps = 0;

// How long the window stays tinted.
constexpr int FlashMilliseconds = 180;

// A tint over the whole window that lets every click through and goes by itself.
void flash(QWidget* window) {
    QWidget* tint = window->findChild<QWidget*>("beepFlash", Qt::FindDirectChildrenOnly);
    if (!tint) {
        tint = new QWidget(window);
        tint->setObjectName("beepFlash");
        tint->setAttribute(Qt::WA_TransparentForMouseEvents);
        QColor colour = window->palette().color(QPalette::Highlight);
        colour.setAlpha(90);
        QPalette palette = tint->palette();
        palette.setColor(QPalette::Window, colour);
        tint->setPalette(palette);
        tint->setAutoFillBackground(true);
    }
    tint->setGeometry(window->rect());
    tint->raise();
    tint->show();
    QPointer<QWidget> guard(tint);
    QTimer::singleShot(FlashMilliseconds, tint, [guard] {
        if (guard) guard->deleteLater();
    });
}

}  // namespace

void Beep() {
    QWidget* window = QApplication::activeWindow();
    if (!window) window = frontWindow();
    Beep(window);
}

void Beep(QWidget* window) {
    ++beeps;
    QApplication::beep();
    if (!window || !window->isVisible()) return;
    QApplication::alert(window);
    flash(window);
}

int beepCount() { return beeps; }
