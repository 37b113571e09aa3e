#include "core/Hexagram.h"

#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "core/TextTableColumns.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"

#include <map>
#include <utility>

QString hexagramRowStatement(const QString& table, int n) {
    return "select * from " + quoteIdentifier(table) + "  where " + TextColumn::NumberBoolean + "=" +
           QString::number(n);
}

Hexagram::Hexagram(int nBool, bool isChainpage) : Hexagram(nBool, isChainpage, Unsaid()) {
    if (!loaded && !rowMissing) MsgBox(problem);
}

Hexagram::Hexagram(int nBool, bool isChainpage, Unsaid) : N_Bool(nBool), isChainpage(isChainpage) {
    // The trigrams follow from the code, so that a hexagram whose row is not read is not shown
    // with the names of trigram 0; a row read gives its own.
    if (M_globals::isSixLines(nBool)) {
        above = nBool / 8;
        below = nBool % 8;
    }
    readRow();
    if (isChainpage) {
        shortstrShape = std::make_shared<StringShape>();
        shortstrShape->TextSize = 9;
        shortstrShape->Text = shortname;
        shortstrShape->Bold = true;
        my_HexSpacing = 3;
        my_HexWidth = 4;
        my_yinlength = 15;
        my_GapLength = 14;
        my_yangLength = 44;
    } else {
        alterhexsettings();
    }
    // Drawn even when no row was read: the figure depends only on the Boolean number.
    drawgroup();
}

void Hexagram::readRow() {
    if (!M_globals::db || !M_globals::db->Connect()) {
        problem = "No database connection!";
        return;
    }
    auto row = M_globals::db->SQLSelect(hexagramRowStatement(M_globals::TableHex, N_Bool));
    if (M_globals::db->Error() || !row) {
        const QString notRead = QString("Hexagram %1 could not be read from the table %2").arg(N_Bool).arg(M_globals::TableHex);
        problem = readFailure(notRead);
        if (problem.isEmpty()) problem = notRead + ".";
        return;
    }
    if (row->isEOF()) {
        rowMissing = true;
        problem = QString("Hexagram %1 is not in the table %2.").arg(N_Bool).arg(M_globals::TableHex);
        return;
    }
    N_Book = static_cast<int>(row->Field(TextColumn::NumberBook).IntegerValue());
    name = row->Field(TextColumn::Name).StringValue();
    description = row->Field(TextColumn::Description).StringValue();
    judgement = row->Field(TextColumn::Judgement).StringValue();
    china_phonics = row->Field(TextColumn::ChinaPhonics).StringValue();
    for (int k = 1; k <= 6; ++k) placesSTR[static_cast<size_t>(k)] = row->Field(TextColumn::Lines[k - 1]).StringValue();
    placesSTR[0] = row->Field(TextColumn::AllNines).StringValue();
    above = static_cast<int>(row->Field(TextColumn::Above).IntegerValue());
    below = static_cast<int>(row->Field(TextColumn::Below).IntegerValue());
    shortname = row->Field(TextColumn::ShortName).StringValue();
    row->Close();
    loaded = true;
}

void Hexagram::drawgroup() {
    const int W = my_HexWidth, S = my_HexSpacing, A = my_yangLength, H = my_yinlength, G = my_GapLength;
    thepic = std::make_shared<Group2D>();
    Lines.assign(1, nullptr);
    auto addLine = [&](int line, double x1, double x2, double y) {
        auto shape = std::make_shared<CurveShape>();
        shape->X = x1;
        shape->Y = y;
        shape->X2 = x2;
        shape->Y2 = y;
        shape->BorderWidth = W;
        shape->BorderColor = line >= 4 ? M_globals::Used_upperTricolor : M_globals::Used_lowerTriColor;
        Lines.push_back(shape);
        thepic->Append(shape);
    };
    int y = Int(W / 2.0);
    int remainder = N_Bool;
    for (int line = 6, weight = 32; line >= 1; --line, weight /= 2) {
        const bool yang = M_globals::takeLine(remainder, weight);
        YinYang[static_cast<size_t>(line)] = yang;
        if (yang) {
            addLine(line, 0, A, y);
        } else {
            addLine(line, 0, H, y);
            addLine(line, H + G, A, y);
        }
        y += W + S;
    }
    if (isChainpage && shortstrShape) {
        shortstrShape->X = A / 2.0;
        shortstrShape->Y = -6;
        shortstrShape->TextFont = M_globals::font_short;
        thepic->Append(shortstrShape);
    }
}

bool Hexagram::ninesANDsixes(int n, bool isNextHex) {
    if (isNextHex && n == N_Bool) {
        YinYang[0] = false;
        return false;
    }
    if (isNextHex) YinYang[0] = true;
    int next = n, own = N_Bool;
    for (int line = 6, weight = 32; line >= 1; --line, weight /= 2) {
        const bool nextLine = M_globals::takeLine(next, weight);
        if (isNextHex) {
            const bool ownLine = M_globals::takeLine(own, weight);
            places[static_cast<size_t>(line)] = nextLine != ownLine;
        } else {
            places[static_cast<size_t>(line)] = nextLine;
        }
    }
    return true;
}

void Hexagram::alterhexsettings() {
    my_HexSpacing = M_globals::Used_HexSpacing;
    my_HexWidth = M_globals::Used_HexWidth;
    my_yinlength = M_globals::Used_YinLength;
    my_GapLength = M_globals::Used_GapLength;
    my_yangLength = M_globals::Used_yangLength;
}

int Hexagram::changeMask() const {
    int mask = 0;
    for (int k = 1; k <= 6; ++k)
        if (places[static_cast<size_t>(k)]) mask += 1 << (k - 1);
    return mask;
}

std::shared_ptr<Hexagram> readHexagram(int code, bool isChainpage) {
    std::shared_ptr<Hexagram> hexagram(new Hexagram(code, isChainpage, Hexagram::Unsaid()));
    if (!hexagram->isLoaded()) sayReadProblem(hexagram->readProblem());
    return hexagram;
}

HexagramList readChainHexagrams(const std::vector<M_globals::ChainLink>& links, bool isChainpage) {
    ReadProblemsSaidOnce once;
    HexagramList hexagrams;
    hexagrams.reserve(links.size());
    // A hexagram that the chain holds again is read once and copied; one that could not be read is
    // tried again, its problem said once all the same. The copies share their figure, which is
    // only drawn, except on the chain page, which places each figure in its own cell.
    std::map<int, std::shared_ptr<const Hexagram>> read;
    for (const M_globals::ChainLink& link : links) {
        auto& row = read[link.code];
        std::shared_ptr<Hexagram> hexagram;
        if (row) {
            hexagram = std::make_shared<Hexagram>(*row);
            if (isChainpage) {
                hexagram->shortstrShape = std::make_shared<StringShape>(*row->shortstrShape);
                hexagram->drawgroup();
            }
        } else {
            hexagram = readHexagram(link.code, isChainpage);
            if (hexagram->isLoaded()) row = hexagram;
        }
        hexagram->ninesANDsixes(link.mask, false);
        hexagrams.push_back(std::move(hexagram));
    }
    return hexagrams;
}

namespace {
// The problems kept by the living ReadProblemsSaidOnce objects, and how many live.
QStringList keptProblems;
int gatherings = 0;
}  // namespace

void sayReadProblem(const QString& text) {
    if (gatherings == 0) MsgBox(text);
    // A chain names few distinct hexagrams (64 at most), so the list stays short.
    else if (!keptProblems.contains(text)) keptProblems << text;
}

ReadProblemsSaidOnce::ReadProblemsSaidOnce() { ++gatherings; }

ReadProblemsSaidOnce::~ReadProblemsSaidOnce() {
    if (--gatherings > 0 || keptProblems.isEmpty()) return;
    const QStringList problems = std::exchange(keptProblems, QStringList());
    MsgBox(problems.join(CR));
}
