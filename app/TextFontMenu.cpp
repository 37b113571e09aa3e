// The text-font menu: Edit > "text Font" lists the installed fonts and checks the text font.
#include "app/App.h"
#include "app/MenuBar1.h"
#include "core/M_globals.h"
#include "platform/Fonts.h"
#include "platform/Window.h"

namespace {

bool sameFont(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

int fontItemCount() {
    int count = 0;
    while (M_FONTS(count)) ++count;
    return count;
}

}  // namespace

void App::fillTextFontMenu() {
    const int fonts = FontCount();
    if (fonts > 0) M_FONTS(0)->setText(Font(0));
    for (int i = 1; i < fonts; ++i) {
        MenuItem* item = new class M_FONTS();
        item->setText(Font(i));
    }
    markTextFontMenu();
}

void App::markTextFontMenu() {
    // The elements were made at start-up; fonts installed or removed since cannot change how many
    // there are, so the walk stops at the smaller count.
    const int count = std::min(FontCount(), fontItemCount());
    int text = -1;
    int system = 0;
    for (int i = 0; i < count; ++i) {
        MenuItem* item = M_FONTS(i);
        const bool isText = sameFont(item->Text(), M_globals::font_text);
        item->setChecked(isText);
        if (isText) text = i;
        if (sameFont(item->Text(), M_globals::font_system)) system = i;
    }
    if (text == -1) {
        if (MenuItem* fallback = M_FONTS(system)) fallback->setChecked(true);
        thecheckedTextMenuItem = system;
    } else {
        thecheckedTextMenuItem = text;
    }
}

bool App::_M_FONTS_Action(int index) {
    if (index == thecheckedTextMenuItem) return false;
    MenuItem* chosen = M_FONTS(index);
    if (!chosen) return false;
    if (MenuItem* checked = M_FONTS(thecheckedTextMenuItem)) checked->setChecked(false);
    chosen->setChecked(true);
    thecheckedTextMenuItem = index;
    M_globals::font_text = chosen->Text();
    // Rearmost window first; windows without text fields or lists keep their fonts.
    const std::vector<QPointer<Window>> windows = windowSnapshot();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (*it && !(*it)->isClosed()) (*it)->applyTextFont();
    return false;
}
