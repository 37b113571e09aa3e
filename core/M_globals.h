#pragma once
// The globals module: the state the whole program shares for the life of the process, and the
// helpers on hexagram codes, change masks and chain strings.
#include "platform/Types.h"

#include <QString>
#include <QVariantList>
#include <memory>
#include <optional>
#include <vector>

class SQLDatabase;
class PrinterSetup;
class Random;
class Picture;
class RecordSet;
class trigramClass;

namespace M_globals {

// Database connection and its file (empty path: no file).
inline std::shared_ptr<SQLDatabase> db;
inline QString f_db;

// Tables in use.
inline QString TableHex;
inline QString TableTri;

// The eight trigram objects, element t = trigram number t. The module starts it with one empty
// slot; start-up fills elements 0..7 once and loads only change their fields afterwards.
inline std::vector<std::shared_ptr<trigramClass>> tridata(1);

// Drawing settings in force (Used_), and their start values (default_/Default_).
inline int Used_textsizeTitle = 0;
inline Color Used_BackgroundColor;
inline int default_yangLength = 0;
inline int default_YinGapPercent = 0;
inline int Default_HexSpacing = 0;
inline int Default_HexWidth = 0;
inline Color default_upperTriColor;
inline Color default_lowertriColor;
inline Color Used_upperTricolor;
inline Color Used_lowerTriColor;
inline int Used_yangLength = 0;
inline int Used_YinGapPercent = 0;
inline int Used_HexSpacing = 0;
inline int Used_HexWidth = 0;
inline int Used_GapLength = 0;
inline int Used_YinLength = 0;

// Line ordinals "1st".."6th" at 1..6 (lineOrdinal); element 0 stays empty.
inline std::vector<QString> firsttosixth(7);

// Font names.
inline QString font_system;
inline QString font_text;
inline QString font_title;
inline QString font_above;
inline QString font_judgement;
inline QString font_sixnines;
inline QString font_short;

// Printer settings.
inline std::shared_ptr<PrinterSetup> Printer_ps;
inline bool isprintersetup = false;
inline QString printsettings;

// Talk mode and the input window's random generator.
inline bool isspeaking = false;
inline std::shared_ptr<Random> random_g;

// The gap and the half-line length that a yang length and a gap percent give.
int gapLengthFor(int yangLength, int yinGapPercent);
int yinLengthFor(int yangLength, int gapLength);

// Sets the drawing settings, line ordinals and tables in use to their start values.
void setStartValues();

// Hexagram codes, change masks and chain strings.
int TwoHex(int a, int b);
int Hex69sToHex(int hex, int mask);
QString getYinYangCharString(int n);
QString HexChainChangeLink(const QString& chain, const QString& link, int index, bool merge);
bool DoesStringHaveText(QString& s);

// The ordinal of line 1..6, "1st".."6th"; empty for any other number.
QString lineOrdinal(int line);

// A hexagram code or a change mask: six lines, 0..63.
inline bool isSixLines(qint64 n) { return n >= 0 && n <= 63; }

// One link of a chain string: a hexagram code and the change mask to the next hexagram.
struct ChainLink {
    int code = 0;
    int mask = 0;
};
// The links of a chain string, or nothing when the text is damaged: every link must be two whole
// numbers written in digits alone, joined by ",", the code and the mask each 0..63. An empty text
// holds no link. A mask need not lead to the next link's hexagram.
std::optional<std::vector<ChainLink>> readChainLinks(const QString& chain);
// The chain string of these links, as the program writes it.
QString chainText(const std::vector<ChainLink>& links);
// A chain's stored form: the header "width,height;" of its drawing, then the chain string.
QString storedChainForm(int width, int height, const QString& chain);
// A text of digits alone (at most 18) as its value; nothing for any other text.
std::optional<qint64> wholeNumber(const QString& text);
// What a reader of a chain says when its text is damaged.
inline const char* const DamagedChainMessage = "This chain cannot be loaded: its stored text is damaged.";

// Six-bit reading: is the line of `weight` set in what `remainder` still holds? Takes the weight
// off when it is. Values above 63 read as all lines set, negative ones as none.
bool takeLine(int& remainder, int weight);

// Preferences, fonts and the trigram table. makeTrigramObjects gives tridata its eight objects;
// an object once made is never replaced.
void makeTrigramObjects();
void LoadPrefs();
// Writes the texts (column, value) into the first ProgramPrefs row and commits. A failed select,
// update or commit (a column the table lacks among them) shows its message, which says that
// `notDone` was not done when another program holds the file, and answers False, and so does a
// table without a row; without a connection nothing is written and nothing is said.
bool writeFirstPrefsRow(const std::vector<std::pair<QString, QString>>& values, const QString& notDone);
bool fontavailable(const QString& name);
// The rows a select on db finds; nullptr without a connection, or when the select fails, after its
// message was shown: `notRead` says what could not be read ("The table X could not be read").
std::shared_ptr<RecordSet> selectShowingFailure(const QString& notRead, const QString& sql,
                                                const QVariantList& values = {});
void loadtritable(const QString& table);

// Applies the menu profile of a window kind to the shared menu bar: 0 the display window, 1 the
// lists window, 2 the chain page, 3 the text window, 4 the hexagram-text editor. Any other mode
// changes nothing.
void checkmenus(int mode);

// Prints the chain string (links "code,mask" joined by ";") through the printer dialog, with the
// page setup Printer_ps.
void printfile(const QString& chain);

// Rebuilds every open display window, chain page and text window after the tables in use changed.
void updatewindows();

// The lowest row / right-most column holding a pixel other than the background (ink, however
// light: antialiased text has almost no pure black), 0 when there is none.
int findWhiteSpaceTop(const Picture& p, const Color& background = RGB(255, 255, 255));
int findWhiteSpaceRight(const Picture& p, const Color& background = RGB(255, 255, 255));
// Cuts the picture to 10 rows below its lowest inked row, when that makes it shorter.
void trimpicture(std::shared_ptr<Picture>& p, const Color& background = RGB(255, 255, 255));

}  // namespace M_globals
