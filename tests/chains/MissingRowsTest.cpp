// Hexagrams of the chain shown whose rows the table in use no longer holds: every window that
// reads them, and printing, says so in the same words, once for each action, and shows the rest.
#include "ChainsSupport.h"

#include "chains/ChainPage.h"
#include "chains/Wtext.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "platform/Menus.h"
#include "platform/SQLDatabase.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

TEST(MissingRows, EachActionSaysThemOnceInTheSameWords) {
    ChainsProgram chains;  // codes 0, 1, 8, 9, 21, 42, 62, 63
    displayWindow* display = chains.display;
    chains.build({0, 21, 42, 21});
    const QString chain = display->theHexChain;
    // Another program takes two of its rows away.
    ASSERT_TRUE(createDatabase(chains.program.databasePath(), "DELETE FROM ENGLISH_DEFAULT WHERE NUMBER_BOOLEAN IN (21, 42);"));
    const QString missing21 = "Hexagram 21 is not in the table ENGLISH_DEFAULT.";
    const QString missing42 = "Hexagram 42 is not in the table ENGLISH_DEFAULT.";
    const QString both = missing21 + CR + missing42;

    ScriptedDialogs& dialogs = chains.program.dialogs;
    TestFolder folder;
    const QString pdf = folder.path("chain.pdf");
    dialogs.pageSetups = {"yarrowen-page-setup;size=A4;orientation=portrait;margins=36,36,36,36;resolution=72,72"};
    dialogs.printTargets = {pdf};
    struct Case {
        const char* action;
        std::function<void()> act;
        QString message;
    } cases[] = {
        {"Text", [&] { ChooseMenuItem(display, "OptionsText"); }, both},
        {"Chain Window", [&] { ChooseMenuItem(display, "OptionsChainWindow"); }, both},
        {"Print", [&] { ChooseMenuItem(display, "FilePrint"); }, both},
        // The display window, the chain page and the text window rebuilt: said once for all three.
        {"a change of the tables in use", [&] { M_globals::updatewindows(); }, both},
        // The display window refuses a chain it cannot show whole, and a hexagram it cannot read.
        {"load", [&] { display->DoLoadHexChain("0,600;0,21;21,0"); }, missing21},
        {"add", [&] { display->newhex(42, true); }, missing42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        dialogs.messages.clear();
        c.act();
        StartedProgram::settle();
        EXPECT_EQ(dialogs.messages, QStringList{c.message});
        // The chain shown stays as it was.
        EXPECT_EQ(display->theHexChain, chain);
        EXPECT_EQ(display->virevcount, 4);
    }

    // Each shows what it has: the texts of the hexagram it could read, none for the others.
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(display->virev[0]->name, "name0");
    EXPECT_EQ(display->virev[1]->name, "");
    EXPECT_EQ(display->namestr[1]->Text, "");
    // Its trigrams are those of its code, as its figure is.
    EXPECT_EQ(display->abovestr[2]->Text, "above: tri5");
    EXPECT_EQ(display->belowstr[2]->Text, "below: tri2");
    ChainPage* page = findWindow<ChainPage>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->EditField1->Text(), "1.1:  name0" + CR + "1.2:  " + CR + "1.3:  " + CR + "1.4:  " + CR);
    EXPECT_EQ(page->thepic->Objects->Count(), 4);  // every figure is drawn
    Wtext* text = findWindow<Wtext>();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->EF1->Text().startsWith("Hexagram 1:  name0" + CR)) << text->EF1->Text().toStdString();
    EXPECT_TRUE(text->EF1->Text().contains("Hexagram 2:  " + CR));
}
