// The text window as the user opens it from the display window: the report of the chain shown,
// its rebuilding by the Text command and by a change of the tables in use, its keys, its menus
// and its remembered bounds.
#include "ChainsSupport.h"

#include "app/MenuBar1.h"
#include "chains/Wtext.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "platform/Clipboard.h"
#include "platform/SQLDatabase.h"
#include "platform/Window.h"

#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class TextWindow : public ::testing::Test {
protected:
    explicit TextWindow(const QString& moreSql = QString()) : chains(moreSql) {}

    Wtext* chooseText() {
        EXPECT_TRUE(ChooseMenuItem(chains.display, "OptionsText"));
        StartedProgram::settle();
        return findWindow<Wtext>();
    }
    QString storedBounds() const { return readValue(chains.program.databasePath(), "SELECT TextW FROM ProgramPrefs"); }

    ChainsProgram chains;
};

class TextWindowAtStoredBounds : public TextWindow {
protected:
    TextWindowAtStoredBounds() : TextWindow("UPDATE ProgramPrefs SET TextW = '60,40,300,500';") {}
};

}  // namespace

TEST_F(TextWindow, TheTextCommandReportsTheChainShownAndRebuildsItOnlyWhenChosenAgain) {
    chains.build({1, 8});
    Wtext* text = chooseText();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Title(), "text");
    const QString report = text->EF1->Text();
    EXPECT_TRUE(report.startsWith("Hexagram 1:  name1" + CR));
    EXPECT_TRUE(report.contains("    nine in the 1st place:" + CR + "line1.1" + CR + "    six in the 4th place:"));
    EXPECT_TRUE(report.endsWith("  judg8" + CR));
    EXPECT_EQ(text->hexcount, 2);
    EXPECT_FALSE(text->EF1->ReadOnly());
    EXPECT_EQ(text->EF1->TextSize(), 14);
    EXPECT_EQ(text->EF1->TextFont(), M_globals::font_text);
    const int other = chains.program.app().thecheckedTextMenuItem == 0 ? 1 : 0;
    EXPECT_TRUE(ChooseMenuItem(text, "M_FONTS", other));
    EXPECT_EQ(text->EF1->TextFont(), M_FONTS(other)->Text());

    // A snapshot: the chain grows, the report stays, until Text is chosen again.
    chains.display->newhex(9, true);
    EXPECT_EQ(text->EF1->Text(), report);
    chains.display->Show();
    EXPECT_EQ(chooseText(), text);
    EXPECT_TRUE(text->EF1->Text().contains("Hexagram 3:  name9"));
    EXPECT_EQ(text->hexcount, 3);
}

TEST_F(TextWindow, AnEmptyChainGivesAnEmptyReportAndNoMessage) {
    Wtext* text = chooseText();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->EF1->Text(), "");
    EXPECT_EQ(text->hexcount, 0);
    EXPECT_TRUE(chains.program.dialogs.messages.isEmpty());
}

TEST_F(TextWindow, AChangeOfTheTablesInUseRebuildsTheOpenReport) {
    chains.build({1, 8});
    Wtext* text = chooseText();
    ASSERT_NE(text, nullptr);
    M_globals::db->SQLExecute("CREATE TABLE ENGLISH_2 AS SELECT * FROM ENGLISH_DEFAULT");
    M_globals::db->SQLExecute("UPDATE ENGLISH_2 SET NAME = 'other' || NUMBER_BOOLEAN");
    M_globals::db->SQLExecute("CREATE TABLE TRIGRAMS_2 AS SELECT * FROM TRIGRAMS_DEFAULT");
    M_globals::db->SQLExecute("UPDATE TRIGRAMS_2 SET NAME = 'new' || NUMBER_BOOLEAN");

    M_globals::TableHex = "ENGLISH_2";
    M_globals::updatewindows();
    EXPECT_TRUE(text->EF1->Text().startsWith("Hexagram 1:  other1" + CR));
    EXPECT_TRUE(text->EF1->Text().contains("  above:  tri0  ("));

    M_globals::TableTri = "TRIGRAMS_2";
    M_globals::updatewindows();
    EXPECT_TRUE(text->EF1->Text().contains("  above:  new0  (family0, body0, animal0, dir0, attr0)"));
    EXPECT_TRUE(chains.program.dialogs.messages.isEmpty());
}

TEST_F(TextWindow, CommandWClosesItFromTheFieldWhileOtherKeysAreTyped) {
    struct Case {
        Qt::KeyboardModifiers modifiers;
        bool closes;
    } cases[] = {{Qt::NoModifier, false}, {Qt::ShiftModifier, false}, {Qt::ControlModifier, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.modifiers));
        Wtext* text = chooseText();
        ASSERT_NE(text, nullptr);
        QTest::keyClick(text->EF1->textEdit(), Qt::Key_W, c.modifiers);
        StartedProgram::settle();
        EXPECT_EQ(findWindow<Wtext>() == nullptr, c.closes);
        if (!c.closes) {
            EXPECT_EQ(text->EF1->Text().toLower(), "w");
            text->Close();
        }
        StartedProgram::settle();
    }
}

TEST_F(TextWindow, TheFieldFillsTheWindowAtEverySize) {
    Wtext* text = chooseText();
    ASSERT_NE(text, nullptr);
    for (const QSize size : {QSize(640, 340), QSize(300, 200), QSize(800, 500)}) {
        SCOPED_TRACE(size.width());
        text->setBounds(50, 50, size.height(), size.width());
        StartedProgram::settle();
        EXPECT_EQ(text->EF1->geometry(), QRect(0, 0, size.width(), size.height()));
    }
}

TEST_F(TextWindow, ItShowsTheTextWindowsMenusAndBringsTheDisplayWindowForward) {
    Wtext* text = chooseText();
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(OptionsText()->Visible());
    EXPECT_FALSE(OptionsHexChains()->Visible());
    EXPECT_TRUE(OptionsTalk()->Visible());
    EXPECT_EQ(OptionsChainWindow()->Text(), "Display Window");
    EXPECT_EQ(windowAt(0), text);
    EXPECT_TRUE(ChooseMenuItem(text, "OptionsChainWindow"));
    StartedProgram::settle();
    EXPECT_EQ(windowAt(0), chains.display);
    EXPECT_NE(findWindow<Wtext>(), nullptr);
}

TEST_F(TextWindowAtStoredBounds, ItOpensAtItsStoredBoundsAndStoresThemWhenItCloses) {
    Wtext* text = chooseText();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(boundsString(*text), "60,40,300,500");
    EXPECT_EQ(text->EF1->geometry(), QRect(0, 0, 500, 300));

    text->setBounds(80, -30, 250, 450);
    text->Close();
    StartedProgram::settle();
    EXPECT_EQ(storedBounds(), "80,-30,250,450");
    // Read back negative, and moved back on the screen as it opens.
    text = chooseText();
    EXPECT_GE(text->Left(), text->screen()->availableGeometry().left());
    EXPECT_LT(text->Left(), 20);
    EXPECT_EQ(text->Top(), 80);
    EXPECT_EQ(text->Height(), 250);
    EXPECT_EQ(text->Width(), 450);
}

TEST_F(TextWindow, WithoutStoredBoundsItOpensAtItsLayoutSize) {
    Wtext* text = chooseText();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Width(), 640);
    EXPECT_EQ(text->Height(), 340);
    text->Close();
    StartedProgram::settle();
    const QStringList fields = storedBounds().split(',');
    ASSERT_EQ(fields.size(), 4);
    EXPECT_EQ(fields[2], "340");
    EXPECT_EQ(fields[3], "640");
}

TEST_F(TextWindow, CopyAndSelectAllAreEnabledAsTheFieldsTextAndSelectionAllow) {
    Wtext* text = chooseText();
    ASSERT_NE(text, nullptr);
    runEnablingPass(text);
    EXPECT_FALSE(EditCopy()->Enabled());  // an empty report
    EXPECT_FALSE(EditSelectAll()->Enabled());
    text->Close();
    StartedProgram::settle();

    chains.build({1, 8});
    text = chooseText();
    ASSERT_NE(text, nullptr);
    runEnablingPass(text);
    EXPECT_FALSE(EditCopy()->Enabled());  // nothing selected yet
    EXPECT_TRUE(ChooseMenuItem(text, "EditSelectAll"));
    EXPECT_EQ(text->EF1->SelLength(), text->EF1->Text().size());
    EXPECT_TRUE(ChooseMenuItem(text, "EditCopy"));
    EXPECT_EQ(Clipboard().Text(), text->EF1->Text());
}
