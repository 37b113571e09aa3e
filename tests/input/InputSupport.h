#pragma once
// What the input tests share: the program started on a database with every hexagram, the display
// window's chain set up as a test needs it, and a user's presses and drops.
#include "ShellSupport.h"

#include "platform/Controls.h"

#include <QPoint>
#include <QString>
#include <array>
#include <initializer_list>

class QWidget;
class Window;
class displayWindow;
class InputWindow;

// SQL of a valid database with a row for each of the 64 hexagram codes.
QString everyHexagramSql();

// The open window of the kind, or nullptr.
InputWindow* openInputWindow();

// Loads the chain of these codes into the display window, each joined to the next by the lines
// in which they differ, as a saved chain is loaded. The selection stays as it was.
void showChain(displayWindow* display, std::initializer_list<int> codes);
// Selects hexagram k of the chain, or the transition after it, with clicks on the display
// window's canvas (the first one clears what was selected); k = 0 only clears.
void select(displayWindow* display, int k, bool transition);

// The hexagram code six line wells show (well i = line i + 1); -1 when one holds neither picture.
int shownCode(const std::array<ImageWell*, 6>& wells);
// The lines whose markers show, as a mask.
int shownMask(const std::array<StaticText*, 6>& markers);

// A press on a control (at its middle unless a point is given), sent to its window as the user's
// press is: it reaches whatever lies on top there, and nothing in a window a sheet blocks.
void clickOn(QWidget* control);
void clickOn(QWidget* control, QPoint at);
// The text a row of the hexagram list carries, dropped on the window.
void dropText(Window* window, const QString& text);
