// The lists window in the started program: its three modes, the rows they list, the record text
// and the column list a click shows, the text a dragged row carries, and sending a hexagram to
// the display window.
#include "ListsSupport.h"

#include "app/MenuBar1.h"
#include "app/WHelp.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "platform/Controls.h"
#include "platform/SQLDatabase.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QHeaderView>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

// The cell's text fits its column, at the cell's own font, within the margins the style keeps.
bool shownWhole(const Listbox* list, int row, int column) {
    const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    QFont font = list->font();
    font.setBold(list->topLevelItem(row)->font(column).bold());
    return QFontMetrics(font).horizontalAdvance(list->Cell(row, column)) <= list->columnWidth(column) - margins;
}

TEST(ListsWindowModes, EachDataBaseCommandShowsItsListOnTopAndItsPaneBelow) {
    StartedProgram program;
    ASSERT_TRUE(program.started);
    struct Case { int mode; const char* title; const char* upper; const char* lower; };
    const Case cases[] = {
        {0, "Hexagrams: Table = ENGLISH_DEFAULT", "ListHex", "EFRecord"},
        {1, "Trigrams: Table = TRIGRAMS_DEFAULT", "ListTri", "EFRecord"},
        {2, "Schema", "Lschema", "Ltable"},
        {0, "Hexagrams: Table = ENGLISH_DEFAULT", "ListHex", "EFRecord"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        ListsWindow* lists = openLists(c.mode);
        ASSERT_NE(lists, nullptr);
        EXPECT_EQ(lists->Title(), c.title);
        for (const char* name : {"ListHex", "ListTri", "EFRecord", "Lschema", "Ltable"}) {
            auto* control = lists->findChild<QWidget*>(name);
            const bool shown = QString(name) == c.upper || QString(name) == c.lower;
            EXPECT_EQ(!control->isHidden(), shown) << name;
            EXPECT_EQ(control->isEnabled(), shown) << name;
        }
        // The design size: the list above the bar at 230, the pane below it down to the bottom.
        EXPECT_EQ(lists->findChild<QWidget*>(c.upper)->geometry(), QRect(0, 0, lists->Width(), 225));
        EXPECT_EQ(lists->findChild<QWidget*>(c.lower)->geometry(), QRect(0, 250, lists->Width(), lists->Height() - 250));
    }
}

TEST(ListsWindowModes, TheSplitterMovesOnlyWithinItsLimitsAndTheListsFollowOnRelease) {
    StartedProgram program;
    ListsWindow* lists = openLists(0);
    lists->setHeight(364);
    StartedProgram::settle();
    QWidget* bar = lists->findChild<QWidget*>("WindowSplit");
    struct Case { int target; int expectedTop; };
    const Case cases[] = {{150, 230}, {151, 151}, {253, 253}, {254, 253}, {200, 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(10, 0));
        QMouseEvent move(QEvent::MouseMove, QPointF(10, c.target - bar->y()), bar->mapToGlobal(QPointF(10, 0)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        EXPECT_EQ(bar->y(), c.expectedTop);
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(10, 0));
        EXPECT_EQ(lists->ListHex->height(), c.expectedTop - 5);
        EXPECT_EQ(lists->EFRecord->y(), c.expectedTop + 20);
    }
    // A mode switch keeps the split.
    lists = openLists(2);
    EXPECT_EQ(lists->Lschema->height(), 195);
}

TEST(ListsWindowRows, TheHexagramListShowsBookNamePatternTrigramsAndCode) {
    StartedProgram program;
    ListsWindow* lists = openLists(0);
    Listbox* list = lists->ListHex;
    EXPECT_EQ(list->ListCount(), 6);
    struct Case { int row; QStringList cells; const char* drag; };
    const Case cases[] = {
        {0, {"01", "name0", "::: :::", "earth", "earth", "00"}, "0,0,00"},
        {1, {"02", "name1", "|:: :::", "earth", "thunder", "01"}, "0,1,01"},
        {2, {"22", "name21", "|:| :|:", "water", "fire", "21"}, "2,5,21"},
        {5, {"64", "name63", "||| |||", "heaven", "heaven", "63"}, "7,7,63"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        for (int column = 0; column < 6; ++column) EXPECT_EQ(list->Cell(c.row, column), c.cells[column]);
        std::unique_ptr<QMimeData> dragged(list->dragData(c.row));
        ASSERT_TRUE(dragged);
        EXPECT_EQ(dragged->text(), c.drag);
    }
    EXPECT_EQ(list->Heading(5), "Bool");
}

// The lower pane shows the record of the row last clicked in the list above it: a hexagram's in
// hexagram mode, a trigram's, or nothing, in trigram mode.
TEST(ListsWindowRows, AClickShowsTheRowsRecordAndEachModeShowsOnlyItsOwnListsRecord) {
    StartedProgram program;
    ListsWindow* lists = openLists(0);
    clickRow(lists->ListHex, 2, 4);
    const QString hexagram = "pin21" + QString(CR) + "desc21" + CR + "judg21" + CR + CR + "1st place:  line21.1" + CR +
                             "2nd place:  line21.2" + CR + "3rd place:  line21.3" + CR + "4th place:  line21.4" + CR +
                             "5th place:  line21.5" + CR + "6th place:  line21.6" + CR;
    EXPECT_EQ(lists->EFRecord->Text(), hexagram);
    EXPECT_EQ(lists->ListHex->ListIndex(), 2);
    lists = openLists(1);
    EXPECT_EQ(lists->EFRecord->Text(), "");
    EXPECT_EQ(lists->ListTri->ListCount(), 8);
    const int row = rowWith(lists->ListTri, 0, "tri4");
    ASSERT_GE(row, 0);
    EXPECT_EQ(lists->ListTri->Cell(row, 1), "::|");
    EXPECT_EQ(lists->ListTri->Cell(row, 2), "family4");
    EXPECT_EQ(lists->ListTri->Cell(row, 5), "04");
    clickRow(lists->ListTri, row, 2);
    const QString trigram = "tri4" + QString(CR) + CR + "attribute:  attr4" + CR + "family:  family4" + CR +
                            "body:  body4" + CR + "animal:  animal4" + CR + "direction:  dir4" + CR + "noun:  noun4" +
                            CR + "adjective:  adj4" + CR + "verb:  verb4" + CR;
    EXPECT_EQ(lists->EFRecord->Text(), trigram);
    EXPECT_EQ(openLists(0)->EFRecord->Text(), hexagram);
    EXPECT_EQ(openLists(1)->EFRecord->Text(), trigram);
}

// Each column is as wide as what it holds: a long name shows whole beside two-digit columns, and
// in a list too narrow for all, the short columns still show whole while the name gives way.
TEST(ListsWindowRows, ColumnsAreSizedToWhatTheyHold) {
    StartedProgram program(validDatabaseSql() +
                           "UPDATE ENGLISH_DEFAULT SET NAME = 'A name long enough to need room' WHERE NUMBER_BOOLEAN = 21;");
    ListsWindow* lists = openLists(0);
    Listbox* list = lists->ListHex;
    for (const int width : {530, 330}) {
        SCOPED_TRACE(width);
        lists->setWidth(width);
        StartedProgram::settle();
        for (int row = 0; row < list->ListCount(); ++row)
            for (const int column : {0, 2, 3, 4, 5}) EXPECT_TRUE(shownWhole(list, row, column)) << row << "," << column;
        EXPECT_LT(list->columnWidth(0), list->columnWidth(1));
        EXPECT_LT(list->columnWidth(5), list->columnWidth(1));
    }
    lists->setWidth(530);
    StartedProgram::settle();
    EXPECT_TRUE(shownWhole(list, 2, 1));
}

// The catalogue's columns take their shares of the width ("60%, 10%, 10%, 20%"), but never less
// than their heading and cells need: the type reads "0 = Hex" whole on the window's first opening
// as on any later one, and in a narrow window the name column gives way.
TEST(ListsWindowRows, TheCatalogueColumnsShowTheirWholeTextsOnEveryOpening) {
    StartedProgram program;
    struct Case {
        const char* what;
        int width;  // 0: as the window opens
    } cases[] = {{"first opening", 0}, {"second opening", 0}, {"narrow", 330}, {"wide", 900}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ListsWindow* lists = openLists(2);
        ASSERT_NE(lists, nullptr);
        if (c.width) lists->setWidth(c.width);
        StartedProgram::settle();
        Listbox* list = lists->Lschema;
        ASSERT_EQ(list->ListCount(), 2);
        int total = 0;
        for (int column = 0; column < 4; ++column) {
            EXPECT_GE(list->header()->sectionSize(column), list->header()->sectionSizeHint(column)) << column;
            for (int row = 0; row < list->ListCount(); ++row) EXPECT_TRUE(shownWhole(list, row, column)) << row << "," << column;
            total += list->columnWidth(column);
        }
        EXPECT_LE(total, list->viewport()->width());  // nothing to scroll sideways
        if (c.width == 330) EXPECT_GT(list->columnWidth(0), list->columnWidth(1));
        else EXPECT_GT(list->columnWidth(0), list->viewport()->width() / 2);  // the name column's share
        if (QString(c.what) != "first opening") lists->Close();
        StartedProgram::settle();
    }
}

TEST(ListsWindowRows, TheCatalogueListsTextTablesAndAClickListsTheTablesColumns) {
    StartedProgram program;
    ASSERT_TRUE(createDatabase(program.databasePath(),
                               "CREATE TABLE Mine (NUMBER_BOOLEAN integer, NAME varchar);"
                               "INSERT INTO TheTables VALUES ('Mine', 1, 1, 1, 'me');"));
    ListsWindow* lists = openLists(2);
    Listbox* list = lists->Lschema;
    ASSERT_EQ(list->ListCount(), 3);  // the other tables are of other kinds
    const int mine = rowWith(list, 0, "Mine");
    const int english = rowWith(list, 0, "ENGLISH_DEFAULT");
    ASSERT_GE(mine, 0);
    ASSERT_GE(english, 0);
    EXPECT_EQ(list->Cell(mine, 1), "1 = Tri");
    EXPECT_EQ(list->Cell(mine, 2), "True");
    EXPECT_EQ(list->Cell(mine, 3), "me");
    EXPECT_EQ(list->Cell(english, 1), "0 = Hex");
    EXPECT_EQ(list->Cell(english, 2), "False");
    clickRow(list, mine, 3);
    ASSERT_EQ(lists->Ltable->ListCount(), 2);
    EXPECT_EQ(lists->Ltable->Cell(1, 0), "NAME");
    // A reload empties the column list and the selection.
    lists = openLists(2);
    EXPECT_EQ(lists->Ltable->ListCount(), 0);
    EXPECT_EQ(lists->Lschema->ListIndex(), -1);
}

TEST(ListsWindowCommands, AddToChainAndEditLastHexSendTheSelectedHexagram) {
    StartedProgram program;
    ListsWindow* lists = openLists(0);
    EXPECT_FALSE(ChooseMenuItem(lists, "DisplayAddtoChain"));  // nothing selected
    EXPECT_FALSE(ChooseMenuItem(lists, "TablesUse"));
    struct Case { int row; const char* item; QList<int> chain; };
    const Case cases[] = {
        {2, "DisplayEditLastHex", {21}},      // an empty chain takes it as its only hexagram
        {2, "DisplayAddtoChain", {21}},       // already last: nothing changes
        {0, "DisplayAddtoChain", {21, 0}},
        {5, "DisplayEditLastHex", {21, 63}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        clickRow(lists->ListHex, c.row);
        EXPECT_TRUE(ChooseMenuItem(lists, c.item));
        displayWindow* display = displayWindow::instance();
        ASSERT_EQ(display->virevcount, c.chain.size());
        QList<int> shown;
        const auto links = M_globals::readChainLinks(display->theHexChain);
        ASSERT_TRUE(links);
        for (const auto& link : *links) shown << link.code;
        EXPECT_EQ(shown, c.chain);
    }
}

TEST(ListsWindowCommands, ADraggedHexagramRowDroppedOnTheDisplayWindowBecomesItsHexagram) {
    StartedProgram program;
    ListsWindow* lists = openLists(0);
    std::unique_ptr<QMimeData> dragged(lists->ListHex->dragData(2));
    ASSERT_TRUE(dragged);
    displayWindow* display = displayWindow::instance();
    StartedProgram::closeInputWindow();
    const QPoint at(display->width() / 2, display->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, dragged.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(display, &enter);
    QDropEvent drop(at, Qt::CopyAction, dragged.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(display, &drop);
    ASSERT_EQ(display->virevcount, 1);
    EXPECT_EQ(M_globals::readChainLinks(display->theHexChain).value().at(0).code, 21);
}

TEST(ListsWindowCommands, TheMenusOfferWhatTheModeAndTheSelectedRowAllow) {
    StartedProgram program;
    ASSERT_TRUE(createDatabase(program.databasePath(),
                               "CREATE TABLE Mine AS SELECT * FROM TRIGRAMS_DEFAULT;"
                               "INSERT INTO TheTables VALUES ('Mine', 1, 1, 1, 'me');"));
    struct Case { int mode; const char* row; QStringList enabled; QStringList disabled; };
    const Case cases[] = {
        {0, nullptr, {"FileHelp", "OptionsChainWindow"}, {"DisplayAddtoChain", "OptionsTables"}},
        {0, "02", {"DisplayAddtoChain", "DisplayEditLastHex"}, {"OptionsTables", "TablesUse"}},
        {1, nullptr, {"OptionsChainWindow"}, {"DisplayAddtoChain", "DisplayEditLastHex", "OptionsTables"}},
        {2, nullptr, {"FileHelp"}, {"OptionsTables", "TablesUse", "Tablescopy", "DisplayAddtoChain"}},
        {2, "ENGLISH_DEFAULT", {"OptionsTables", "TablesUse", "Tablescopy", "Tablesshow", "archiveexport"},
         {"Tablesdelete", "Tablesedit", "DisplayEditLastHex"}},
        {2, "Mine", {"Tablesdelete", "Tablesedit", "TablesUse"}, {"DisplayAddtoChain"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 %2").arg(c.mode).arg(c.row).toStdString());
        ListsWindow* lists = openLists(c.mode);
        Listbox* list = c.mode == 0 ? lists->ListHex : lists->Lschema;
        if (c.row) clickRow(list, rowWith(list, 0, c.row));
        runEnablingPass(lists);
        for (const QString& item : c.enabled) EXPECT_TRUE(MenuBar1::instance()->Lookup(item)->Enabled()) << item.toStdString();
        for (const QString& item : c.disabled) EXPECT_FALSE(MenuBar1::instance()->Lookup(item)->Enabled()) << item.toStdString();
    }
    EXPECT_EQ(OptionsChainWindow()->Text(), "Display Window");
    EXPECT_TRUE(ChooseMenuItem(findWindow<ListsWindow>(), "FileHelp"));
    EXPECT_EQ(WHelp::instance()->Title(), "Database Lists Window Help");
}

TEST(ListsWindowCommands, CommandWClosesTheWindowAndItsBoundsAreStored) {
    StartedProgram program;
    ListsWindow* lists = openLists(2);
    lists->setBounds(120, 140, 300, 420);
    StartedProgram::settle();
    const QString bounds = boundsString(*lists);
    QTest::keyClick(lists, Qt::Key_W, Qt::ControlModifier);
    StartedProgram::settle();
    EXPECT_EQ(findWindow<ListsWindow>(), nullptr);
    EXPECT_EQ(readValue(program.databasePath(), "SELECT ListsW FROM ProgramPrefs"), bounds);
    lists = openLists(0);
    EXPECT_EQ(boundsString(*lists), bounds);
}

TEST(ListsWindowCommands, ABoundsWriteTheEngineRefusesShowsItsMessage) {
    StartedProgram program;
    ASSERT_TRUE(createDatabase(program.databasePath(),
                               "CREATE TRIGGER no_bounds BEFORE UPDATE ON ProgramPrefs "
                               "BEGIN SELECT RAISE(ABORT, 'the preferences are kept'); END;"));
    const QString stored = readValue(program.databasePath(), "SELECT ListsW FROM ProgramPrefs");
    ListsWindow* lists = openLists(2);
    lists->setBounds(120, 140, 300, 420);
    QTest::keyClick(lists, Qt::Key_W, Qt::ControlModifier);
    StartedProgram::settle();
    EXPECT_EQ(findWindow<ListsWindow>(), nullptr);  // the window still closes
    EXPECT_EQ(program.dialogs.messages, QStringList{"the preferences are kept"});
    EXPECT_EQ(readValue(program.databasePath(), "SELECT ListsW FROM ProgramPrefs"), stored);
}

TEST(ListsWindowRows, AFailedReadOfTheTablesOrOfAFilesColumnsSaysWhatWasNotReadAndWhy) {
    StartedProgram program;
    ListsWindow* lists = openLists(2);
    ASSERT_GT(lists->Lschema->ListCount(), 0);
    const QString table = lists->Lschema->Cell(0, 0);
    const auto locked = [&](const QString& notRead) {
        return notRead + ": the file " + QDir::toNativeSeparators(QFileInfo(program.databasePath()).absoluteFilePath()) +
               " is locked by another program." + CR + "Try again when that program has finished with it.";
    };
    // Another program holds the file locked: every read fails.
    SQLDatabase other;
    other.setDatabaseFile(program.databasePath());
    ASSERT_TRUE(other.Connect());
    ASSERT_TRUE(other.SQLExecute("BEGIN EXCLUSIVE"));
    clickRow(lists->Lschema, 0);
    EXPECT_EQ(program.dialogs.messages, QStringList{locked("The columns of the table " + table + " could not be read")});
    EXPECT_EQ(lists->Ltable->ListCount(), 0);
    program.dialogs.messages.clear();
    const QString inUse = M_globals::TableHex;
    ChooseMenuItem(lists, "TablesUse");
    EXPECT_EQ(program.dialogs.messages, QStringList{locked("The table " + table + " was not put in use")});
    EXPECT_EQ(M_globals::TableHex, inUse);
    program.dialogs.messages.clear();
    lists = openLists(2);
    EXPECT_EQ(program.dialogs.messages, QStringList{locked("The list of tables could not be read")});
    EXPECT_EQ(lists->Lschema->ListCount(), 0);
    ASSERT_TRUE(other.Rollback());
}

}  // namespace
