// The display window's commands as a user chooses them: the book steps, the enabling of the menu
// items, the drop of a hexagram, the clipboard pictures, trimming, printing, deleting, the
// settings window and the help.
#include "shell/ShellSupport.h"

#include "app/MenuBar1.h"
#include "app/WHelp.h"
#include "core/M_globals.h"
#include "display/HexSettings.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "input/W69changeInput.h"
#include "platform/Clipboard.h"
#include "platform/Graphics.h"
#include "platform/Slider.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The hexagram codes of the test database; book number = code + 1, so book 20 (code 19) is
// missing. A row for code 64 shows that a drop of 64 is refused by the drop itself.
QString commandsDatabase() { return validDatabaseSql({0, 1, 5, 10, 20, 21, 56, 61, 62, 63, 64}); }

class DisplayCommands : public ::testing::Test {
protected:
    DisplayCommands() : program(commandsDatabase()), display(displayWindow::instance()) {
        StartedProgram::closeInputWindow();
    }

    void build(std::initializer_list<int> codes) {
        for (int code : codes) display->newhex(code, true);
    }
    QString chain() const { return display->theHexChain; }
    bool choose(const QString& item) { return ChooseMenuItem(display, item); }
    // A click in the canvas at drawing x, as the user selects a hexagram or a transition.
    void clickAt(int x) { QTest::mouseClick(display->Canvas1, Qt::LeftButton, {}, QPoint(x, 100)); }

    StartedProgram program;
    displayWindow* display;
};

// Where the test's drag is let go: over the canvas, with or without the Option key held.
void dropOn(displayWindow* display, const QMimeData& data, bool option) {
    if (option) QTest::keyPress(display, Qt::Key_Alt, Qt::AltModifier);
    const Qt::KeyboardModifiers modifiers = option ? Qt::AltModifier : Qt::NoModifier;
    const QPointF at(100, 100);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(display->Canvas1, &enter);
    if (enter.isAccepted()) {
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(display->Canvas1, &drop);
    }
    if (option) QTest::keyRelease(display, Qt::Key_Alt, Qt::NoModifier);
}

QImage clipboardPicture() { return Clipboard().Picture().convertToFormat(QImage::Format_RGB32); }

}  // namespace

TEST(DisplayCommandTables, BookStepsReplaceTheLastHexagramAndWrapAround) {
    struct Case {
        const char* name;
        std::vector<int> codes;
        const char* item;
        const char* expected;
    } cases[] = {
        {"empty, First", {}, "bookfirst", "0,0"},
        {"empty, Last", {}, "bookLast", "63,0"},
        {"empty, Next", {}, "booknext", ""},
        {"empty, Previous", {}, "bookprevious", ""},
        {"book 64, Next", {63}, "booknext", "0,0"},
        {"book 1, Previous", {0}, "bookprevious", "63,0"},
        {"book 1, Next", {0}, "booknext", "1,0"},
        {"three, Next", {5, 10, 20}, "booknext", "5,15;10,31;21,0"},
        {"three, First", {5, 10, 20}, "bookfirst", "5,15;10,10;0,0"},
        {"the second-last hexagram", {20, 21}, "bookprevious", "20,1;21,0"},
        {"a book number without a row", {5, 10, 20}, "bookprevious", "5,15;10,30;20,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartedProgram program(commandsDatabase());
        displayWindow* display = displayWindow::instance();
        for (int code : c.codes) display->newhex(code, true);
        EXPECT_TRUE(ChooseMenuItem(display, c.item));
        EXPECT_EQ(display->theHexChain, c.expected);
        EXPECT_TRUE(program.dialogs.messages.isEmpty());
    }
}

TEST_F(DisplayCommands, BookStepsQuoteTheTableNameAndShowAnEngineError) {
    const QString quoted = "Hex \"quoted\" table";
    ASSERT_TRUE(createDatabase(program.databasePath(),
                               "CREATE TABLE \"Hex \"\"quoted\"\" table\" AS SELECT * FROM ENGLISH_DEFAULT;"));
    M_globals::TableHex = quoted;
    EXPECT_TRUE(choose("bookLast"));
    EXPECT_EQ(chain(), "63,0");

    M_globals::TableHex = "No Table";
    EXPECT_TRUE(choose("bookfirst"));
    EXPECT_EQ(program.dialogs.messages, QStringList({"no such table: No Table"}));
    EXPECT_EQ(chain(), "63,0");
}

TEST(DisplayCommandTables, TheItemsAreEnabledByChainLengthAndSelection) {
    const QStringList always = {"FileHelp", "Optionsinput", "EditDisplay", "bookfirst", "booknext", "bookprevious",
                                "bookLast", "OptionsTalk", "OptionsText", "HexChainsLoad", "HexChainsDelete"};
    const QStringList byChain = {"FilePrint", "EditCopy", "Optionstrimwindow", "Copysymbol", "EditDeleteHexagram",
                                 "OptionsChainWindow", "EditeditHex", "HexChainssave"};
    struct Case {
        const char* name;
        std::vector<int> codes;
        std::vector<int> clicks;  // canvas x of each click, in order
        const char* enabled;      // one letter per item of byChain: E enabled, - disabled
        const char* caption;      // of EditeditHex; empty: not checked
    } cases[] = {
        {"empty", {}, {}, "--------", ""},
        {"one, nothing selected", {5}, {}, "EEE-----", ""},
        {"one, the hexagram selected", {5}, {100}, "EEEE----", ""},
        {"two, nothing selected", {5, 10}, {}, "EEE-EE-E", ""},
        {"two, a transition selected", {5, 10}, {300}, "EEEEEEEE", "Edit 6and9s"},
        {"two, a hexagram selected", {5, 10}, {500}, "EEEEEEEE", "Edit Hexagram"},
        {"two, deselected: the last caption stays", {5, 10}, {300, 500, 500}, "EEE-EE-E", "Edit Hexagram"},
        {"three, the last selected", {5, 10, 20}, {1000}, "EEEEEEEE", "Edit Hexagram"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartedProgram program(commandsDatabase());
        displayWindow* display = displayWindow::instance();
        StartedProgram::closeInputWindow();
        for (int code : c.codes) display->newhex(code, true);
        runEnablingPass(display);
        // The enabling pass runs before each menu the user opens between the clicks.
        for (int x : c.clicks) {
            QTest::mouseClick(display->Canvas1, Qt::LeftButton, {}, QPoint(x, 100));
            runEnablingPass(display);
        }
        for (const QString& item : always) EXPECT_TRUE(MenuBar1::instance()->Lookup(item)->Enabled()) << item.toStdString();
        for (int i = 0; i < byChain.size(); ++i)
            EXPECT_EQ(MenuBar1::instance()->Lookup(byChain[i])->Enabled(), c.enabled[i] == 'E') << byChain[i].toStdString();
        if (*c.caption) {
            EXPECT_EQ(EditeditHex()->Text(), c.caption);
        }
    }
}

TEST_F(DisplayCommands, TalkBearsItsCheckMarkAndDeleteWithoutASelectionChangesNothing) {
    build({5, 10});
    M_globals::isspeaking = true;
    runEnablingPass(display);
    EXPECT_TRUE(OptionsTalk()->Checked());
    M_globals::isspeaking = false;
    runEnablingPass(display);
    EXPECT_FALSE(OptionsTalk()->Checked());

    EXPECT_TRUE(choose("EditDeleteHexagram"));
    EXPECT_EQ(chain(), "5,15;10,0");
}

TEST_F(DisplayCommands, DeleteRemovesTheSelectedHexagramAndAStaleSelectionIsNone) {
    build({5, 10, 20});
    clickAt(1000);  // the third hexagram
    EXPECT_TRUE(choose("EditDeleteHexagram"));
    EXPECT_EQ(chain(), "5,15;10,0");
    // The kept selection lies past the end: the commands on the selection are off and do nothing.
    runEnablingPass(display);
    EXPECT_FALSE(Copysymbol()->Enabled());
    EXPECT_FALSE(EditeditHex()->Enabled());
    EXPECT_TRUE(EditDeleteHexagram()->Enabled());
    Clipboard().setText("before");
    display->_Copysymbol_Action();
    display->_EditDeleteHexagram_Action();
    display->_EditeditHex_Action();
    EXPECT_EQ(Clipboard().Text(), "before");
    EXPECT_EQ(chain(), "5,15;10,0");
    // Copy takes the whole drawing, as with nothing selected.
    EXPECT_TRUE(choose("EditCopy"));
    EXPECT_EQ(clipboardPicture().width(), display->drawbuffer->Width());
}

TEST(DisplayCommandTables, ADroppedHexagramReplacesTheLastOneOrWithOptionIsAdded) {
    struct Case {
        const char* name;
        std::vector<int> codes;
        const char* text;
        bool option;
        const char* expected;
    } cases[] = {
        {"empty chain", {}, "7,0,56", false, "56,0"},
        {"empty chain, Option", {}, "7,0,56", true, "56,0"},
        {"replaces the last", {5, 10}, "7,0,56", false, "5,61;56,0"},
        {"Option adds", {5}, "7,0,56", true, "5,61;56,0"},
        {"Option, already the last", {56}, "7,0,56", true, "56,0"},
        {"two fields", {5}, "7,0", false, "5,0"},
        {"code 64", {5}, "7,0,64", false, "5,0"},
        {"four fields", {5}, "7,0,56,1", false, "5,0"},
        {"a fraction", {5}, "7,0,1.5", false, "5,0"},
        {"a sign", {5}, "7,0,+1", false, "5,0"},
        {"no number", {5}, "7,0,x", false, "5,0"},
        {"empty third field", {5}, "7,0,", false, "5,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartedProgram program(commandsDatabase());
        displayWindow* display = displayWindow::instance();
        StartedProgram::closeInputWindow();
        for (int code : c.codes) display->newhex(code, true);
        QMimeData data;
        data.setText(c.text);
        dropOn(display, data, c.option);
        EXPECT_EQ(display->theHexChain, c.expected);
    }
    // A drag that carries no text is not taken.
    StartedProgram program(commandsDatabase());
    displayWindow* display = displayWindow::instance();
    display->newhex(5, true);
    QMimeData picture;
    picture.setImageData(QImage(10, 10, QImage::Format_RGB32));
    dropOn(display, picture, false);
    EXPECT_EQ(display->theHexChain, "5,0");
}

TEST_F(DisplayCommands, CopyPutsTheDrawingOrTheSelectedColumnOnTheClipboardWithoutTheFrame) {
    build({5, 10, 20});
    struct Case {
        const char* name;
        std::vector<int> clicks;
        int left, width;
    } cases[] = {
        {"nothing selected", {}, 0, 1110},
        {"the first hexagram", {100}, 0, 430},
        {"the first transition", {300}, 0, 430},
        {"the last hexagram", {1000}, 860, 250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int x : c.clicks) clickAt(x);
        ASSERT_TRUE(choose("EditCopy"));
        const QImage copy = clipboardPicture();
        EXPECT_EQ(copy.width(), c.width);
        // Cut 10 rows below the lowest inked row, and exactly the drawing's pixels there.
        const QImage drawing = display->drawbuffer->toImage().convertToFormat(QImage::Format_RGB32);
        const QImage region = drawing.copy(c.left, 0, c.width, drawing.height());
        const int lowestInk = lastInkedRow(region);
        ASSERT_GT(lowestInk, 0);
        EXPECT_LT(copy.height(), drawing.height());
        EXPECT_EQ(copy.height(), lowestInk + 10);
        EXPECT_EQ(copy.convertToFormat(QImage::Format_RGB32), region.copy(0, 0, c.width, copy.height()));
        clickAt(1200);  // deselects
    }
}

TEST_F(DisplayCommands, CopySymbolGivesTheFigureAtTheDrawingSettings) {
    build({63, 0});
    clickAt(100);
    ASSERT_TRUE(choose("Copysymbol"));
    QImage figure = clipboardPicture();
    EXPECT_EQ(figure.size(), QSize(50, 45));
    EXPECT_EQ(figure.pixelColor(25, 2), M_globals::Used_upperTricolor);   // line 6, yang
    EXPECT_EQ(figure.pixelColor(25, 44), M_globals::Used_lowerTriColor);  // line 1, yang

    // A selected transition gives the figure of the hexagram before it.
    clickAt(300);
    M_globals::Used_yangLength = 120;
    M_globals::Used_HexWidth = 8;
    M_globals::Used_HexSpacing = 4;
    display->doupdate();
    ASSERT_TRUE(choose("Copysymbol"));
    figure = clipboardPicture();
    EXPECT_EQ(figure.size(), QSize(120, 68));
    EXPECT_EQ(figure.pixelColor(119, 4), M_globals::Used_upperTricolor);
}

TEST_F(DisplayCommands, TrimCutsOnlyTheEmptyBottomOfTheDrawing) {
    build({5});
    const QImage before = display->drawbuffer->toImage();
    EXPECT_TRUE(choose("Optionstrimwindow"));
    const QImage after = display->drawbuffer->toImage();
    EXPECT_EQ(after.width(), before.width());
    EXPECT_LT(after.height(), before.height());
    EXPECT_EQ(after, before.copy(0, 0, after.width(), after.height()));
    EXPECT_EQ(after.height(), lastInkedRow(before) + 10);
}

TEST_F(DisplayCommands, PrintAsksForThePageSetupUntilOneIsConfirmed) {
    build({5, 10});
    const QString pdf = program.folderPath() + "/chain.pdf";
    // Cancelled page setup: no printer dialog, nothing printed, and the next Print asks again.
    EXPECT_TRUE(choose("FilePrint"));
    EXPECT_EQ(program.dialogs.pageSetupsShown.size(), 1);
    EXPECT_EQ(program.dialogs.printerDialogsShown, 0);

    program.dialogs.pageSetups = {
        QString("yarrowen-page-setup;size=A4;orientation=portrait;margins=36,36,36,36;resolution=72,72")};
    program.dialogs.printTargets = {pdf, pdf};
    EXPECT_TRUE(choose("FilePrint"));
    EXPECT_EQ(program.dialogs.pageSetupsShown.size(), 2);
    EXPECT_EQ(program.dialogs.printerDialogsShown, 1);
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    EXPECT_TRUE(printed.contains("1) name5")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("2) name10")) << printed.toStdString();

    // Confirmed once: Print goes straight to the printer.
    QFile::remove(pdf);
    EXPECT_TRUE(choose("FilePrint"));
    EXPECT_EQ(program.dialogs.pageSetupsShown.size(), 2);
    EXPECT_EQ(program.dialogs.printerDialogsShown, 2);
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(DisplayCommands, TheSettingsWindowIsASheetAndTheChainIsRedrawnHoweverItCloses) {
    build({63, 0});
    clickAt(100);
    for (const bool set : {false, true}) {
        SCOPED_TRACE(set ? "set" : "cancel");
        const auto before = display->drawbuffer;  // held, so its address cannot come back
        bool sheet = false;
        // The user, in the sheet: longer lines, then "set" or "cancel".
        QTimer::singleShot(0, [&] {
            HexSettings* settings = findWindow<HexSettings>();
            ASSERT_NE(settings, nullptr);
            sheet = settings->isVisible() && display->blockingSheet() == settings;
            settings->SyangLength->setValue(120);
            QTest::mouseClick(set ? settings->PushButton1 : settings->PushButton2, Qt::LeftButton);
        });
        EXPECT_TRUE(choose("EditDisplay"));
        EXPECT_TRUE(sheet);
        EXPECT_EQ(findWindow<HexSettings>(), nullptr);
        // A new drawing, with the selection kept but its frame gone.
        EXPECT_NE(display->drawbuffer, before);
        EXPECT_TRUE(display->isrecordtoedit);
        EXPECT_EQ(display->recordtoedit, 1);
        // The first figure is centred in its column: at x 100 with 50-pixel lines, at 65 with 120.
        const QImage drawing = display->drawbuffer->toImage();
        const int top = 2 * M_globals::Used_textsizeTitle + 13;
        EXPECT_EQ(drawing.pixelColor(70, top + 2) == M_globals::Used_upperTricolor, set);
        EXPECT_EQ(drawing.pixelColor(110, top + 2), M_globals::Used_upperTricolor);
    }
}

TEST_F(DisplayCommands, InputEditsAndHelpOpenTheirWindows) {
    build({5, 10});
    clickAt(500);
    for (const char* item : {"Optionsinput", "EditeditHex"}) {
        SCOPED_TRACE(item);
        StartedProgram::closeInputWindow();
        EXPECT_TRUE(choose(item));
        InputWindow* input = findWindow<InputWindow>();
        ASSERT_NE(input, nullptr);
        EXPECT_TRUE(input->isVisible());
    }

    // A selected transition opens the changing-line editor on its link.
    StartedProgram::closeInputWindow();
    clickAt(300);
    EXPECT_TRUE(choose("EditeditHex"));
    W69changeInput* editor = findWindow<W69changeInput>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->HexNumber, 5);
    EXPECT_EQ(editor->old6and9, 15);
    editor->Close();

    EXPECT_TRUE(choose("FileHelp"));
    WHelp* help = findWindow<WHelp>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Title(), "Display Window Help");
    EXPECT_FALSE(help->EditField1->Text().isEmpty());
}

TEST_F(DisplayCommands, AQuitWhileTheSettingsSheetIsOpenRedrawsNothing) {
    build({5, 10});
    QPointer<displayWindow> window(display);
    const auto drawing = display->drawbuffer;  // held, so its address cannot come back
    QTimer::singleShot(0, [&] { program.app().Quit(0); });
    EXPECT_TRUE(choose("EditDisplay"));
    EXPECT_TRUE(program.app().hasShutDown());
    EXPECT_EQ(findWindow<HexSettings>(), nullptr);
    // The closed window is not drawn again, nor touched once it is gone.
    if (window) {
        EXPECT_TRUE(window->isClosed());
        EXPECT_EQ(window->drawbuffer, drawing);
    }
}
