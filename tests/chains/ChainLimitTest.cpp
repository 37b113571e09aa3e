// The most hexagrams a chain may hold: a chain at the limit takes no more by any path that adds to
// it, with the load's own refusal, and no chain longer than a load accepts is stored.
#include "ChainsSupport.h"

#include "chains/HexChainsTable.h"
#include "chains/Whexchains.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "lists/ListsWindow.h"
#include "platform/Listbox.h"
#include "platform/Menus.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A chain string of `links` links alternating between 63 and 0, each changing every line; the last
// hexagram is 0 when `links` is even.
QString chainOf(int links) {
    QStringList text;
    for (int i = 0; i < links; ++i) text << (i % 2 ? "0," : "63,") + QString(i + 1 < links ? "63" : "0");
    return text.join(';');
}

// The sentence that says how long a chain is and may be: the refusal without what was not done.
QString firstSentence(const QString& message) { return message.section(". ", 0, 0); }

}  // namespace

TEST(ChainLimit, AChainAtTheLimitTakesNoMoreHexagramByAnyPath) {
    ChainsProgram chains;
    displayWindow* display = chains.display;
    StartedProgram& program = chains.program;

    // The load's refusal of a chain one link too long.
    display->DoLoadHexChain("0,500;" + chainOf(ChainLogic::MaxChainLength + 1));
    ASSERT_EQ(program.dialogs.messages.size(), 1);
    const QString loadRefusal = program.dialogs.messages[0];

    const QString longest = chainOf(ChainLogic::MaxChainLength);
    display->DoLoadHexChain("0,500;" + longest);
    ASSERT_EQ(display->virevcount, ChainLogic::MaxChainLength);

    struct Case {
        const char* path;
        std::function<void()> add;  // adds hexagram 21 after the last one, 0
    } cases[] = {
        {"the input window's set, New Hexagram checked",
         [&] {
             ASSERT_TRUE(ChooseMenuItem(display, "Optionsinput"));
             InputWindow* input = openInputWindow();
             ASSERT_NE(input, nullptr);
             ASSERT_TRUE(input->CBnewHex->Value());
             clickOn(input->Rtop[2]);
             clickOn(input->Rbottom[5]);
             clickOn(input->PushButton1);
         }},
        {"a hexagram dropped on the input window, then set",
         [&] {
             ASSERT_TRUE(ChooseMenuItem(display, "Optionsinput"));
             InputWindow* input = openInputWindow();
             ASSERT_NE(input, nullptr);
             dropText(input, "2,5,21");
             clickOn(input->PushButton1);
         }},
        {"a hexagram dropped on the display window with the Option key",
         [&] {
             QTest::keyPress(display, Qt::Key_Alt, Qt::AltModifier);
             dropText(display, "2,5,21");
             QTest::keyRelease(display, Qt::Key_Alt, Qt::NoModifier);
         }},
        {"the hexagram list's Add to Chain",
         [&] {
             ASSERT_TRUE(ChooseMenuItem(display, "DataBaseCurrentHexDataTable"));
             StartedProgram::settle();
             ListsWindow* lists = findWindow<ListsWindow>();
             ASSERT_NE(lists, nullptr);
             int row = 0;
             while (row < lists->ListHex->ListCount() && lists->ListHex->Cell(row, 5) != "21") ++row;
             ASSERT_LT(row, lists->ListHex->ListCount());
             clickRow(lists->ListHex, row);
             ASSERT_TRUE(ChooseMenuItem(lists, "DisplayAddtoChain"));
             lists->Close();
             StartedProgram::settle();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        program.dialogs.messages.clear();
        const auto picture = display->drawbuffer;
        c.add();
        StartedProgram::settle();
        ASSERT_EQ(program.dialogs.messages.size(), 1) << program.dialogs.messages.join(" | ").toStdString();
        EXPECT_EQ(firstSentence(program.dialogs.messages[0]), firstSentence(loadRefusal));
        EXPECT_TRUE(program.dialogs.messages[0].endsWith("The hexagram is not added."));
        EXPECT_EQ(display->virevcount, ChainLogic::MaxChainLength);
        EXPECT_EQ(display->theHexChain, longest);
        EXPECT_EQ(display->drawbuffer, picture);
    }

    // One fewer takes one more by the same paths.
    display->DoLoadHexChain("0,500;" + chainOf(ChainLogic::MaxChainLength - 1));
    program.dialogs.messages.clear();
    cases[0].add();
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
    EXPECT_EQ(display->virevcount, ChainLogic::MaxChainLength);
}

// A chain at the limit is saved and loads back; a longer one, however it came, is refused with the
// load's words and nothing is stored.
TEST(ChainLimit, OnlyAChainThatCanBeLoadedBackIsSaved) {
    ChainsProgram chains;
    const QString longest = "0,500;" + chainOf(ChainLogic::MaxChainLength);
    const QString tooLong = "0,500;" + chainOf(ChainLogic::MaxChainLength + 1);

    chains.display->DoLoadHexChain(tooLong);
    ASSERT_EQ(chains.program.dialogs.messages.size(), 1);
    const QString loadRefusal = chains.program.dialogs.messages[0];

    const QString refusal = HexChainsTable::add("too long", "", tooLong);
    EXPECT_EQ(firstSentence(refusal), firstSentence(loadRefusal));
    EXPECT_TRUE(readRows(chains.program.databasePath(), "SELECT NAME FROM HexChains").isEmpty());

    EXPECT_EQ(HexChainsTable::add("longest", "", longest), "");
    chains.program.dialogs.messages.clear();
    Whexchains* window = Whexchains::instance();
    window->wakeup(2);
    StartedProgram::settle();
    ASSERT_EQ(window->ListBox1->ListCount(), 1);
    clickRow(window->ListBox1, 0);
    clickOn(window->PBsave);
    StartedProgram::settle();
    EXPECT_TRUE(chains.program.dialogs.messages.isEmpty());
    EXPECT_EQ(chains.display->virevcount, ChainLogic::MaxChainLength);
    EXPECT_EQ(chains.display->theHexChain, chainOf(ChainLogic::MaxChainLength));
}
