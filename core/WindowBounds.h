#pragma once
// The windows that keep their bounds read them from, and write them into, their column of the
// first ProgramPrefs row ("top,left,height,width").
#include <QString>

class Window;

// Applies the stored bounds when ProgramPrefs can be read and they fit a screen; otherwise the
// window keeps its layout bounds. Reports nothing.
void restoreWindowBounds(Window& window, const QString& column);
// Writes the window's bounds. A failed select, update or commit shows the engine's message; a
// table without a row, a file that can only be read, or no connection at all, saves nothing and
// says nothing.
void storeWindowBounds(const Window& window, const QString& column);
