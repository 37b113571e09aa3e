// Start values of the shared state, the fonts of ProgramPrefs and the trigram table.
#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "core/TextTableColumns.h"
#include "core/trigramClass.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/SQLDatabase.h"

namespace M_globals {

int gapLengthFor(int yangLength, int yinGapPercent) { return Int((yangLength * yinGapPercent) / 100.0); }

int yinLengthFor(int yangLength, int gapLength) { return Int((yangLength - gapLength) / 2.0); }

void setStartValues() {
    Used_textsizeTitle = 12;
    Used_BackgroundColor = RGB(255, 255, 255);
    default_yangLength = 50;
    default_YinGapPercent = 20;
    Default_HexSpacing = 3;
    Default_HexWidth = 5;
    default_upperTriColor = RGB(30, 30, 200);
    default_lowertriColor = RGB(30, 100, 100);
    Used_upperTricolor = default_upperTriColor;
    Used_lowerTriColor = default_lowertriColor;
    Used_yangLength = default_yangLength;
    Used_YinGapPercent = default_YinGapPercent;
    Used_HexSpacing = Default_HexSpacing;
    Used_HexWidth = Default_HexWidth;
    Used_GapLength = gapLengthFor(Used_yangLength, Used_YinGapPercent);
    Used_YinLength = yinLengthFor(Used_yangLength, Used_GapLength);

    firsttosixth.assign(7, QString());
    for (int k = 1; k <= 6; ++k) firsttosixth[static_cast<size_t>(k)] = lineOrdinal(k);

    TableHex = "ENGLISH_DEFAULT";
    TableTri = "TRIGRAMS_DEFAULT";
}

void makeTrigramObjects() {
    if (tridata.empty()) tridata.resize(1);
    while (tridata.size() < 8) tridata.push_back(nullptr);
    for (auto& trigram : tridata)
        if (!trigram) trigram = std::make_shared<trigramClass>();
}

bool fontavailable(const QString& name) { return fontInstalled(name); }

void LoadPrefs() {
    if (!db) return;
    auto prefs = db->SQLSelect("Select * from ProgramPrefs");
    // A failed select or an empty table keeps the current fonts.
    if (!prefs || prefs->isEOF()) return;
    QString* fonts[] = {&font_above, &font_title, &font_judgement, &font_short, &font_sixnines, &font_text};
    using namespace PrefsColumn;
    const char* columns[] = {FontAbove, FontTitle, FontJudgement, FontShort, FontSixnines, FontText};
    for (int i = 0; i < 6; ++i) {
        // A name stored with the foundry Qt once added counts as its plain family.
        const QString stored = plainFamily(prefs->Field(columns[i]).StringValue());
        *fonts[i] = fontavailable(stored) ? stored : font_system;
    }
    prefs->Close();
}

bool writeFirstPrefsRow(const std::vector<std::pair<QString, QString>>& values, const QString& notDone) {
    if (!db || !db->isConnected()) return false;
    auto prefs = db->SQLSelect("SELECT rowid AS rowid, * FROM ProgramPrefs");
    if (!prefs || db->Error()) {
        MsgBox(databaseFailure(notDone));
        return false;
    }
    prefs->MoveFirst();
    if (prefs->isEOF()) {
        MsgBox("The table ProgramPrefs has no row to store the settings in.");
        return false;
    }
    prefs->Edit();
    for (const auto& [column, value] : values) prefs->Field(column).setStringValue(value);
    if (!prefs->Update() || !db->Commit()) {
        MsgBox(databaseFailure(notDone));
        return false;
    }
    prefs->Close();
    return true;
}

void loadtritable(const QString& table) {
    makeTrigramObjects();
    if (!db) return;
    auto rows = db->SQLSelect("Select * from " + quoteIdentifier(table) + " ORDER BY " + TextColumn::NumberBoolean);
    if (!rows) return;
    // The first eight rows, each into the object its own number names; a number outside 0..7 is
    // skipped and objects that get no row keep their texts.
    for (int i = 0; i < 8 && !rows->isEOF(); ++i, rows->MoveNext()) {
        const qint64 n = rows->Field(TextColumn::NumberBoolean).IntegerValue();
        if (n < 0 || n > 7) continue;
        trigramClass& trigram = *tridata[static_cast<size_t>(n)];
        trigram.number = static_cast<int>(n);
        trigram.name = rows->Field(TextColumn::Name).StringValue();
        trigram.adjective = rows->Field(TextColumn::Adjective).StringValue();
        trigram.animal = rows->Field(TextColumn::Animal).StringValue();
        trigram.attribute = rows->Field(TextColumn::Attribute).StringValue();
        trigram.body = rows->Field(TextColumn::Body).StringValue();
        trigram.direction = rows->Field(TextColumn::Direction).StringValue();
        trigram.family = rows->Field(TextColumn::Family).StringValue();
        trigram.noun = rows->Field(TextColumn::Noun).StringValue();
        trigram.verb = rows->Field(TextColumn::Verb).StringValue();
    }
    rows->Close();
}

}  // namespace M_globals
