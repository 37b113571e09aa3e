#pragma once
// Installed fonts and the system font's name.
#include <QString>

// The name of the desktop's general font: from the plug-in library when it answers, else Qt's.
QString systemFontName();

// The installed font families, counted from 0.
int FontCount();
QString Font(int index);  // empty outside 0..FontCount()-1
