#pragma once
// One hexagram of a chain: its texts from the hexagram table in use, its lines and changing lines,
// and its figure drawn as a group of line shapes in the display's or the chain page's geometry.
#include "platform/VectorShapes.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

class Hexagram {
public:
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
    // True when the table in use was read but holds no row for the Boolean number, the one failed
    // read that the constructor reports no message for.
    bool isRowMissing() const { return rowMissing; }

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
    void readRow();
    bool loaded = false;
    bool rowMissing = false;
};

// The statement that reads hexagram n from a hexagram table.
QString hexagramRowStatement(const QString& table, int n);
