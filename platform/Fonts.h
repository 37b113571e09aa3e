#pragma once
// Installed fonts and the system font's name.
#include <QString>

// The name of the desktop's general font: the plug-in library's "SystemFontQRX as string" when
// the library is loaded, else Qt's general font.
QString systemFontName();

// The installed font families, counted from 0: each family once, by its plain name (Qt names a
// family that several foundries make once per foundry, as "C059 [urw]"), in Qt's order.
int FontCount();
QString Font(int index);  // empty outside 0..FontCount()-1

// A family name without the foundry Qt adds to it: "C059 [urw]" gives "C059".
QString plainFamily(const QString& family);
// Whether a family of that plain name is installed, ignoring letter case.
bool fontInstalled(const QString& family);
