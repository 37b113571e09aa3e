#pragma once
// One hexagram of a chain: its texts from the hexagram table in use, its lines and changing lines,
// and its figure drawn as a group of line shapes in the display's or the chain page's geometry.
#include "core/M_globals.h"
#include "platform/VectorShapes.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class Hexagram {
public:
    // Reads hexagram nBool from the hexagram table in use and draws its figure. A lost connection
    // or a failed read is said at once; a missing row is not (readHexagram says it).
    Hexagram(int nBool, bool isChainpage);

    // Builds a new figure from the my_ values and the trigram colours in force.
    void drawgroup();
    // Sets the changing lines: n is the next hexagram's Boolean number (isNextHex True) or a change
    // mask (False). Answers False only when the next hexagram equals this one.
    bool ninesANDsixes(int n, bool isNextHex);
    // Copies the drawing settings in force into the my_ values.
    void alterhexsettings();

    // The change mask held in places.
    int changeMask() const;
    // True when the row was read from the table in use.
    bool isLoaded() const { return loaded; }
    // Why the row was not read, in the words the program says it: "Hexagram n is not in the table
    // T." when the table holds no row for it, else the connection's or the engine's message.
    // Empty when it was read.
    const QString& readProblem() const { return problem; }

    std::vector<std::shared_ptr<CurveShape>> Lines{nullptr};  // shapes from index 1
    std::shared_ptr<Group2D> thepic;
    int N_Bool = 0;
    std::array<bool, 7> YinYang{};
    std::array<bool, 7> places{};
    int N_Book = 0;
    QString name;
    QString description;
    QString judgement;
    QString china_phonics;
    int below = 0;
    int above = 0;
    std::array<QString, 7> placesSTR;
    QString shortname;
    int my_yinlength = 0;
    int my_GapLength = 0;
    int my_HexWidth = 0;
    int my_HexSpacing = 0;
    int my_yangLength = 0;
    std::shared_ptr<StringShape> shortstrShape;
    bool isChainpage = false;

private:
    friend std::shared_ptr<Hexagram> readHexagram(int code, bool isChainpage);
    struct Unsaid {};
    // Reads and draws as the public constructor does, leaving what failed for the caller to say.
    Hexagram(int nBool, bool isChainpage, Unsaid);
    void readRow();
    bool loaded = false;
    bool rowMissing = false;
    QString problem;
};

using HexagramList = std::vector<std::shared_ptr<Hexagram>>;

// The statement that reads hexagram n from a hexagram table.
QString hexagramRowStatement(const QString& table, int n);

// The one reader of hexagrams for the windows and printing: hexagram `code` from the hexagram
// table in use. One that cannot be read keeps empty texts, and its figure, drawn from the code;
// why it was not read is said through sayReadProblem.
std::shared_ptr<Hexagram> readHexagram(int code, bool isChainpage);
// The hexagrams of a chain's links, each with its link's changing lines. What could not be read is
// said in one message once they are all read, each problem once.
HexagramList readChainHexagrams(const std::vector<M_globals::ChainLink>& links, bool isChainpage);

// Says what could not be read from a table: at once, or, while a ReadProblemsSaidOnce lives, when
// the outermost one ends. So an action that reads many rows, or rebuilds several windows, says
// each problem once, in one message of one line each.
void sayReadProblem(const QString& text);
class ReadProblemsSaidOnce {
public:
    ReadProblemsSaidOnce();
    ~ReadProblemsSaidOnce();
    ReadProblemsSaidOnce(const ReadProblemsSaidOnce&) = delete;
    ReadProblemsSaidOnce& operator=(const ReadProblemsSaidOnce&) = delete;
};
