// The saved-chains window as the user drives it from the display window: its three modes, saving
// with the name and chain checks, loading by button and by double click, deleting, closing.
#include "ChainsSupport.h"

#include "app/MenuBar1.h"
#include "chains/Whexchains.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "platform/Beep.h"
#include "platform/Graphics.h"
#include "platform/Listbox.h"
#include "platform/SQLDatabase.h"
#include "platform/Timer.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString headingList = "Hex Chains:";
const QString nameExists = "Hex Chain NAME ALREADY EXISTS";
const QString chainQuestion = "Hex_chain CHAIN ALREADY EXISTS: Save anyway?";
const QColor red(255, 0, 0), black(0, 0, 0);

class SavedChains : public ::testing::Test {
protected:
    explicit SavedChains(const QString& moreSql = QString()) : chains(moreSql) {}

    Whexchains* open(int mode) {
        Whexchains* window = Whexchains::instance();
        window->wakeup(mode);
        StartedProgram::settle();
        return window;
    }
    // The stored form of the chain the display window shows now.
    QString shownStoredForm() const {
        return M_globals::storedChainForm(chains.display->drawbuffer->Width(), chains.display->drawbuffer->Height(),
                                          chains.display->theHexChain);
    }
    void addRow(const QString& name, const QString& comment, const QString& chain) {
        ASSERT_TRUE(M_globals::db->SQLExecute("INSERT INTO HexChains VALUES (?1, ?2, ?3)", {name, comment, chain}));
    }
    QStringList stored() const {
        return readRows(chains.program.databasePath(), "SELECT NAME, comment, chain FROM HexChains ORDER BY rowid");
    }
    static QString heading(Whexchains* window) { return window->StaticText1[0]->Text(); }
    static QColor headingColour(Whexchains* window) {
        return window->StaticText1[0]->palette().color(QPalette::WindowText);
    }
    static QStringList listed(Whexchains* window) {
        QStringList rows;
        for (int r = 0; r < window->ListBox1->ListCount(); ++r) rows << window->ListBox1->Cell(r, 0);
        return rows;
    }
    static bool isOpen() { return findWindow<Whexchains>() != nullptr; }

    ChainsProgram chains;
};

}  // namespace

TEST_F(SavedChains, EachModeSetsTheButtonAndTheFieldsAndListsTheNames) {
    struct Case {
        int mode;
        const char* caption;
        bool enabled;
        bool readOnly;
    } cases[] = {{0, "Delete", false, true}, {1, "Save", true, false}, {2, "Load", false, true}};

    Whexchains* window = open(1);
    EXPECT_EQ(heading(window), "No Hex Chains");
    EXPECT_EQ(window->ListBox1->ListCount(), 0);
    EXPECT_EQ(window->Title(), "Hex Chains");
    EXPECT_EQ(window->Width(), 340);
    EXPECT_EQ(window->Height(), 510);

    addRow("first", "one", "700,500;1,8;9,0");
    addRow("second", "", "270,400;21,0");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        window->wakeup(c.mode);
        EXPECT_EQ(window->PBsave->Caption(), c.caption);
        EXPECT_EQ(window->PBsave->Enabled(), c.enabled);
        EXPECT_EQ(window->ef1[0]->ReadOnly(), c.readOnly);
        EXPECT_EQ(window->ef1[1]->ReadOnly(), c.readOnly);
        EXPECT_EQ(heading(window), headingList);
        EXPECT_EQ(listed(window), QStringList({"first", "second"}));
        // Only the names show; the row's id and its stored chain ride along hidden.
        EXPECT_TRUE(window->ListBox1->isColumnHidden(1));
        EXPECT_TRUE(window->ListBox1->isColumnHidden(2));
        EXPECT_EQ(window->ListBox1->Cell(1, 2), "270,400;21,0");
    }
}

TEST_F(SavedChains, TheDisplayWindowOffersSaveForTwoHexagramsAndOpensTheWindowAsItsSheet) {
    struct Case {
        std::vector<int> codes;
        const char* item;
        bool offered;
        int mode;
    } cases[] = {
        // Each case adds its hexagrams to the chain of the cases before it.
        {{}, "HexChainssave", false, -1}, {{}, "HexChainsLoad", true, 2},    {{}, "HexChainsDelete", true, 0},
        {{1}, "HexChainssave", false, -1}, {{9}, "HexChainssave", true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        for (int code : c.codes) chains.display->newhex(code, true);
        EXPECT_EQ(ChooseMenuItem(chains.display, c.item), c.offered);
        StartedProgram::settle();
        Whexchains* window = findWindow<Whexchains>();
        ASSERT_EQ(window != nullptr, c.offered);
        if (window) {
            EXPECT_EQ(window->thetype, c.mode);
            EXPECT_EQ(windowAt(0), window);
            EXPECT_EQ(windowAt(1), chains.display);
            window->Close();
            StartedProgram::settle();
        }
    }
}

TEST_F(SavedChains, SaveStoresTheShownChainUnderTheNameAndCommentAsTypedAndCloses) {
    chains.build({1, 9, 63});
    ASSERT_TRUE(ChooseMenuItem(chains.display, "HexChainssave"));
    Whexchains* window = findWindow<Whexchains>();
    ASSERT_NE(window, nullptr);
    typeInto(window->ef1[0], "  my chain");
    typeInto(window->ef1[1], "asked at dawn");
    const QString form = shownStoredForm();
    EXPECT_TRUE(form.endsWith(";1,8;9,54;63,0"));
    clickOn(window->PBsave);
    EXPECT_EQ(stored(), QStringList({"  my chain|asked at dawn|" + form}));
    EXPECT_FALSE(isOpen());

    // Stored and loaded back, the chain is the one that was shown.
    chains.display->DoLoadHexChain("0,500;0,0");
    Whexchains* again = open(2);
    clickRow(again->ListBox1, 0);
    clickOn(again->PBsave);
    EXPECT_EQ(chains.display->theHexChain, "1,8;9,54;63,0");
}

TEST_F(SavedChains, SaveRefusesABlankNameOrAListedNameAndAsksAboutAListedChain) {
    struct Case {
        const char* what;
        const char* name;
        bool chainListed;  // row 1 holds the shown chain
        QString heading;   // empty: the heading stays as it was
        int selected;      // the row the warning selects, -1 none
        bool timer;
    } cases[] = {
        {"empty name", "", false, "", -1, false},
        {"blanks only", "   ", true, "", -1, false},
        {"listed name", "second", false, nameExists, 1, true},
        {"listed name and chain", "second", true, nameExists, 1, true},
        {"listed chain", "new name", true, chainQuestion, 1, false},
        {"name differs by a leading blank", " second", false, "stored", -1, false},
    };
    chains.build({1, 9, 63});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        M_globals::db->SQLExecute("DELETE FROM HexChains");
        addRow("first", "", "700,500;1,0");
        addRow("second", "", c.chainListed ? shownStoredForm() : "700,500;9,0");
        const QStringList before = stored();
        Whexchains* window = open(1);
        typeInto(window->ef1[0], c.name);
        const int beeps = beepCount();
        clickOn(window->PBsave);
        if (c.heading == "stored") {
            EXPECT_FALSE(isOpen());
            EXPECT_EQ(stored().size(), 3);
            continue;
        }
        ASSERT_TRUE(isOpen());
        EXPECT_EQ(stored(), before);
        EXPECT_EQ(beepCount(), beeps + 1);
        EXPECT_EQ(heading(window), c.heading.isEmpty() ? headingList : c.heading);
        EXPECT_EQ(headingColour(window), c.heading.isEmpty() ? black : red);
        EXPECT_EQ(window->ListBox1->ListIndex(), c.selected);
        EXPECT_EQ(window->Timer1->Enabled(), c.timer);
        EXPECT_EQ(window->Timer1->Period(), 2500);
        window->Close();
        StartedProgram::settle();
    }
}

TEST_F(SavedChains, ASecondSaveAnswersTheQuestionUntilANameWarningHasReplacedIt) {
    chains.build({1, 9});
    addRow("first", "", shownStoredForm());
    Whexchains* window = open(1);
    typeInto(window->ef1[0], "first");
    clickOn(window->PBsave);
    EXPECT_EQ(heading(window), nameExists);
    // The warning clears itself 2500 ms later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return heading(window) == headingList; }, 4000));
    EXPECT_EQ(headingColour(window), black);
    EXPECT_FALSE(window->Timer1->Enabled());

    typeInto(window->ef1[0], "again");
    clickOn(window->PBsave);
    EXPECT_EQ(heading(window), chainQuestion);
    typeInto(window->ef1[0], "first");
    clickOn(window->PBsave);
    EXPECT_EQ(heading(window), nameExists);
    window->Timer1_Action();  // as the timer fires
    typeInto(window->ef1[0], "again");
    clickOn(window->PBsave);
    EXPECT_EQ(heading(window), chainQuestion) << "the question is asked anew";
    clickOn(window->PBsave);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(stored(), QStringList({"first||" + shownStoredForm(), "again|<null>|" + shownStoredForm()}));
}

TEST_F(SavedChains, AFailedSaveShowsTheEnginesMessageAndKeepsWhatWasTyped) {
    chains.build({1, 9});
    M_globals::db->SQLExecute(
        "CREATE TRIGGER refuse BEFORE INSERT ON HexChains BEGIN SELECT RAISE(ABORT, 'chains are frozen'); END");
    Whexchains* window = open(1);
    typeInto(window->ef1[0], "name");
    typeInto(window->ef1[1], "comment");
    clickOn(window->PBsave);
    EXPECT_EQ(chains.program.dialogs.messages, QStringList({"chains are frozen"}));
    ASSERT_TRUE(isOpen());
    EXPECT_EQ(window->ef1[0]->Text(), "name");
    EXPECT_EQ(window->ef1[1]->Text(), "comment");
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(SavedChains, SaveWithNoChainShownStoresNothing) {
    Whexchains* window = open(1);
    typeInto(window->ef1[0], "empty");
    const int beeps = beepCount();
    clickOn(window->PBsave);
    EXPECT_EQ(beepCount(), beeps + 1);
    EXPECT_EQ(chains.program.dialogs.messages, QStringList({"The display window shows no chain to save."}));
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_TRUE(isOpen());
}

TEST_F(SavedChains, AClickShowsTheRowsNameAndCommentAndASecondClickDeselects) {
    addRow("first", "one", "700,500;1,8;9,0");
    addRow("second", "", "270,400;21,0");
    Whexchains* window = open(2);
    clickRow(window->ListBox1, 0);
    EXPECT_EQ(window->ef1[0]->Text(), "first");
    EXPECT_EQ(window->ef1[1]->Text(), "one");
    EXPECT_TRUE(window->PBsave->Enabled());
    EXPECT_EQ(window->ListBox1->ListIndex(), 0);
    clickRow(window->ListBox1, 1);
    EXPECT_EQ(window->ef1[0]->Text(), "second");
    EXPECT_EQ(window->ef1[1]->Text(), "");
    EXPECT_EQ(window->theRowSelected, 1);

    clickRow(window->ListBox1, 1);
    EXPECT_EQ(window->ListBox1->ListIndex(), -1);
    EXPECT_FALSE(window->PBsave->Enabled());
    EXPECT_EQ(window->ef1[0]->Text(), "second");

    // In save mode a click only selects: the fields keep what the user typed.
    window->wakeup(1);
    typeInto(window->ef1[0], "typed");
    clickRow(window->ListBox1, 0);
    EXPECT_EQ(window->ef1[0]->Text(), "typed");
    EXPECT_TRUE(window->PBsave->Enabled());
}

TEST_F(SavedChains, LoadByButtonOrDoubleClickReplacesTheDisplayedChainAndCloses) {
    addRow("first", "", "700,500;1,8;9,0");
    addRow("second", "", "700,500;9,54;63,0");
    addRow("third", "", "270,400;21,0");
    chains.build({42});

    Whexchains* window = open(2);
    clickRow(window->ListBox1, 1);
    clickOn(window->PBsave);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(chains.display->theHexChain, "9,54;63,0");
    EXPECT_EQ(chains.display->virevcount, 2);

    // The double click's second press deselects the row; the load takes the row it selected.
    window = open(2);
    doubleClickRow(window->ListBox1, 2);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(chains.display->theHexChain, "21,0");

    // In the other modes a double click loads nothing.
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        window = open(mode);
        doubleClickRow(window->ListBox1, 0);
        EXPECT_TRUE(isOpen());
        EXPECT_EQ(chains.display->theHexChain, "21,0");
    }
}

TEST_F(SavedChains, ADamagedStoredChainIsRefusedByTheLoaderAndTheShownChainStays) {
    const QString damaged[] = {"700,500;", "700,500;99,0", "0,500;;;", "0,500; 7 ,  1 ;6x,0", "700,500;1,8;9,0;"};
    for (const QString& form : damaged) addRow(form, "", form);
    chains.build({1, 9});
    for (int row = 0; row < static_cast<int>(std::size(damaged)); ++row) {
        SCOPED_TRACE(damaged[row].toStdString());
        chains.program.dialogs.messages.clear();
        Whexchains* window = open(2);
        clickRow(window->ListBox1, row);
        clickOn(window->PBsave);
        EXPECT_EQ(chains.program.dialogs.messages,
                  QStringList({"This chain cannot be loaded: its stored text is damaged."}));
        EXPECT_EQ(chains.display->theHexChain, "1,8;9,0");
        EXPECT_FALSE(isOpen());
    }
}

TEST_F(SavedChains, ALoadedChainIsSavedAgainAsTheProgramWritesIt) {
    addRow("zeros", "", "700,500;01,08;009,0");
    Whexchains* window = open(2);
    clickRow(window->ListBox1, 0);
    clickOn(window->PBsave);
    ASSERT_EQ(chains.display->theHexChain, "1,8;9,0");
    ASSERT_TRUE(ChooseMenuItem(chains.display, "HexChainssave"));
    window = findWindow<Whexchains>();
    ASSERT_NE(window, nullptr);
    typeInto(window->ef1[0], "again");
    typeInto(window->ef1[1], "rewritten");
    clickOn(window->PBsave);
    EXPECT_EQ(stored(), QStringList({"zeros||700,500;01,08;009,0", "again|rewritten|" + shownStoredForm()}));
    EXPECT_TRUE(shownStoredForm().endsWith(";1,8;9,0"));
}

TEST_F(SavedChains, ALoadFromTheWindowClosesItOnlyAfterItsHandlerHasReturned) {
    // The loader's message about a damaged chain comes while the window's button handler runs.
    struct WatchingDialogs : ScriptedDialogs {
        std::vector<bool> openAtMessage;
        void msgBox(const QString& text) override {
            openAtMessage.push_back(findWindow<Whexchains>() != nullptr);
            ScriptedDialogs::msgBox(text);
        }
    } dialogs;
    addRow("damaged", "", "700,500;");
    Whexchains* window = open(2);
    clickRow(window->ListBox1, 0);
    clickOn(window->PBsave);
    EXPECT_EQ(dialogs.openAtMessage, std::vector<bool>({true}));
    EXPECT_FALSE(isOpen());
}

TEST_F(SavedChains, ALoadThatComesFromElsewhereClosesTheWindowAtOnce) {
    open(0);
    chains.display->DoLoadHexChain("0,500;1,8;9,0");
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(chains.display->theHexChain, "1,8;9,0");
}

TEST_F(SavedChains, DeleteRemovesTheRowThatWasClickedAndStaysOpen) {
    addRow("first", "one", "700,500;1,0");
    addRow("second", "two", "700,500;9,0");
    addRow("third", "three", "700,500;21,0");
    addRow("fourth", "four", "700,500;42,0");
    // The list's rows and the table's rowids no longer agree.
    M_globals::db->SQLExecute("DELETE FROM HexChains WHERE NAME = 'first'");

    Whexchains* window = open(0);
    clickRow(window->ListBox1, 1);
    EXPECT_EQ(window->ef1[0]->Text(), "third");
    clickOn(window->PBsave);
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(stored(), QStringList({"second|two|700,500;9,0", "fourth|four|700,500;42,0"}));
    EXPECT_EQ(listed(window), QStringList({"second", "fourth"}));
    EXPECT_FALSE(window->PBsave->Enabled());
    EXPECT_EQ(window->PBsave->Caption(), "Delete");
    EXPECT_EQ(window->ef1[0]->Text(), "third");
    EXPECT_TRUE(chains.program.dialogs.messages.isEmpty());

    // A row that went from the table meanwhile.
    clickRow(window->ListBox1, 0);
    M_globals::db->SQLExecute("DELETE FROM HexChains WHERE NAME = 'second'");
    clickOn(window->PBsave);
    EXPECT_EQ(chains.program.dialogs.messages, QStringList({"can't find record"}));
    EXPECT_EQ(listed(window), QStringList({"fourth"}));

    // The last selected row is past the end now: a delete does nothing.
    window->theRowSelected = 5;
    window->DeleteHexChain();
    EXPECT_EQ(stored().size(), 1);
}

TEST_F(SavedChains, CommandWClosesTheWindowAndCancelDoesToo) {
    struct Case {
        Qt::KeyboardModifiers modifiers;
        bool closes;
    } cases[] = {{Qt::NoModifier, false}, {Qt::AltModifier, false}, {Qt::ControlModifier, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.modifiers));
        Whexchains* window = open(2);
        QTest::keyClick(window, Qt::Key_W, c.modifiers);
        StartedProgram::settle();
        EXPECT_EQ(isOpen(), !c.closes);
    }
    Whexchains* window = open(1);
    typeInto(window->ef1[0], "not stored");
    clickOn(window->PBcancel);
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(SavedChains, TheTextFontCommandReachesTheListAndBothFields) {
    Whexchains* window = open(1);
    EXPECT_EQ(window->ListBox1->TextFont(), M_globals::font_text);
    EXPECT_EQ(window->ef1[1]->TextFont(), M_globals::font_text);
    const int other = chains.program.app().thecheckedTextMenuItem == 0 ? 1 : 0;
    EXPECT_TRUE(ChooseMenuItem(window, "M_FONTS", other));
    const QString font = M_FONTS(other)->Text();
    EXPECT_EQ(window->ListBox1->TextFont(), font);
    EXPECT_EQ(window->ef1[0]->TextFont(), font);
    EXPECT_EQ(window->ef1[1]->TextFont(), font);
}
