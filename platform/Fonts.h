#pragma once
// Installed fonts and the system font's name.
#include <QString>

// The name of the desktop's general font: the plug-in library's "SystemFontQRX as string" when
// the library is loaded, else Qt's general font.
QString systemFontName();

// The installed font families, counted from 0.
int FontCount();
QString Font(int index);  // empty outside 0..FontCount()-1
