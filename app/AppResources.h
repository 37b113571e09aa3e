#pragma once
// The application's resources: nine help texts and three pictures, each read from the resources
// on first use and kept for the rest of the run. A picture accessor hands every caller the same
// picture, so a picture's identity tells which one a well shows.
#include "platform/Controls.h"

#include <QString>

QString DISPLAYWINDOWHELP();   // "TEXT" 168
QString INPUTWINDOWHELP();     // "TEXT" 169
QString HEXSETTINGSHELP();     // "TEXT" 170
QString LISTWINDOWSHELP();     // "TEXT" 171
QString TRIGRAMINPUTHELP();    // "TEXT" 172
QString WDBEDITTEXTHELP();     // "TEXT" 173
QString HelpGeneral();         // "TEXT" 174
QString W69CHANGEINPUTHELP();  // "TEXT" 175
QString chainWindowhelp();     // "TEXT" 176

PicturePtr virevtrigramsinput();  // picture 168, 606 x 113: the input window's trigram boxes
PicturePtr yin();                  // picture 169, 80 x 15: a broken line
PicturePtr yang();                 // picture 170, 80 x 15: a whole line

// Fills the shared help viewer with a title and a text and shows it.
void showHelp(const QString& title, const QString& text);
