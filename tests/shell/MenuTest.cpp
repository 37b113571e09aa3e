// The menu bar as data, binding by item name, the enabling pass, the menu profiles and the
// text-font menu.
#include "ShellSupport.h"

#include "app/MenuBar1.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "input/InputWindow.h"
#include "lists/ListsWindow.h"
#include "platform/Fonts.h"
#include "platform/Window.h"

#include <QAction>
#include <QFontDatabase>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A fresh menu bar for an application that has not started.
class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        MenuBar1::release();
        app = std::make_unique<App>();
        app->setMenuBar(MenuBar1::instance());
    }
    void TearDown() override { app.reset(); }
    std::unique_ptr<App> app;
};

// The tree, depth first: the menu, then each item indented by its depth.
QStringList describe(const MenuItem* item, int depth) {
    QStringList lines;
    const char* kinds[] = {"", " [Apple]", " [Quit]"};
    lines << QString(depth * 2, ' ') + item->Name() + " \"" + item->Text() + "\"" +
                 (item->KeyboardShortcut().isEmpty() ? QString() : " " + item->KeyboardShortcut()) +
                 kinds[static_cast<int>(item->kind())];
    for (int i = 0; i < item->Count(); ++i) lines << describe(item->Item(i), depth + 1);
    return lines;
}

// A window that binds handlers under the names given and can set items in its enabling pass.
class HandlerWindow : public Window {
public:
    QStringList bindAs;
    QStringList chosen;
    std::function<void()> enabling;
    void AddMenuHandlers() override {
        for (const QString& name : bindAs)
            AddMenuHandler(name, [this, name] {
                chosen << name;
                return false;
            });
    }
    void Event_EnableMenuItems() override {
        if (enabling) enabling();
    }
};

HandlerWindow* openHandlerWindow(QStringList names, std::function<void()> enabling = {}) {
    auto* window = new HandlerWindow();
    window->bindAs = std::move(names);
    window->enabling = std::move(enabling);
    window->startUp();
    return window;
}

}  // namespace

TEST_F(MenuFixture, TheMenuBarHoldsItsFourMenusWithEveryItemCaptionShortcutAndClass) {
    const QStringList expected = {
        "FileMenu \"&File\"",
        "  FilePageSetup \"Page Setup...\"",
        "  FilePrint \"Print...\" Cmd+P",
        "  UntitledItem \"-\"",
        "  FileHelps \"Help\"",
        "    FileHelp \"Window Help\" Cmd+?",
        "    HelpGeneralHelp \"General Help\"",
        "  UntitledItem \"-\"",
        "  FileDatabase \"DataBase\"",
        "    DataBaseCurrentHexDataTable \"Current Hex Data Table\" Cmd+H",
        "    DataBaseCurrentTrigramdataTable \"Current Trigram Data Table\" Cmd+Option+H",
        "    UntitledItem \"-\"",
        "    Filegetdbscheme \"Display Database Schema\"",
        "    UntitledItem \"-\"",
        "    DataBaseOpen \"Open...\"",
        "    DataBaseCopy \"Copy ...\"",
        "  UntitledItem \"-\" [Quit]",
        "  FileAboutyarrowen \"About yarrowen...\" [Apple]",
        "  FilePreferences \"Preferences...\"",  // a plain item: it must not quit
        "  UntitledItem \"-\" [Quit]",
        "  FileQuit \"Quit\" Cmd+Q [Quit]",
        "EditMenu \"&Edit\"",
        "  EditUndo \"&Undo\" Cmd+Z",
        "  UntitledMenu1 \"-\"",
        "  EditCut \"Cu&t\" Cmd+X",
        "  EditCopy \"&Copy\" Cmd+C",
        "  Copysymbol \"Copy symbol\"",
        "  EditPaste \"&Paste\" Cmd+V",
        "  EditClear \"Clear\"",
        "  UntitledMenu0 \"-\"",
        "  EditSelectAll \"Select &All\" Cmd+A",
        "  UntitledItem \"-\"",
        "  EditDisplay \"display...\" Cmd+Option+d",
        "  EdittextFont \"text Font\"",
        "    M_FONTS \"untitled\"",
        "  EditeditHex \"Edit Hexagram\" Cmd+E",
        "  EditDeleteHexagram \"Delete Hexagram\" Cmd+D",
        "OptionsMenu \"Options\"",
        "  OptionsClearWindow \"Clear Window\"",
        "  Optionsbook \"Book\"",
        "    bookfirst \"First\"",
        "    booknext \"Next\" Cmd+Option+N",
        "    bookprevious \"Previous\" Cmd+Option+P",
        "    bookLast \"Last\"",
        "  OptionsText \"Text\" Cmd+T",
        "  OptionsTalk \"Talk\" Cmd+Option+T",
        "  Optionsinput \"input\" Cmd+i",
        "  OptionsTables \"Tables\"",
        "    Tablesshow \"show\"",
        "    Tablescopy \"copy...\"",
        "    Tablesedit \"edit\"",
        "    Tablesarchive \"archive\"",
        "      archiveexport \"export...\"",
        "      archiveimport \"import...\"",
        "    UntitledItem \"-\"",
        "    Tablesdelete \"delete\"",
        "    UntitledItem \"-\"",
        "    TablesUse \"Use\"",
        "  OptionsHexChains \"Hex Chains\"",
        "    HexChainssave \"Save\"",
        "    HexChainsLoad \"Load\" Cmd+L",
        "    HexChainsDelete \"Delete\"",
        "  OptionsDisplay \"Add to Display\"",
        "    DisplayAddtoChain \"Add to Chain\" Cmd+A",
        "    DisplayEditLastHex \"Edit Last Hex\" Cmd+Option+A",
        "  UntitledItem \"-\"",
        "  OptionsChainWindow \"Show Chain Window\"",
        "  UntitledItem \"-\"",
        "  Optionstrimwindow \"Trim This Window\"",
        "dbeditOptionsMenu \"db edit Options\"",
        "  dbeditOptionsUseNumber \"Use Number\"",
        "    UseNumberBook \"Book\"",
        "    UseNumberBoolean \"Boolean\"",
        "  dbeditOptionsGotoRecord \"Goto Record...\"",
    };
    MenuBar1* bar = MenuBar1::instance();
    QStringList actual;
    for (int i = 0; i < bar->Count(); ++i) actual << describe(bar->Item(i), 0);
    EXPECT_EQ(actual, expected);

    struct Count {
        int menu, items;
    } counts[] = {{0, 21}, {1, 16}, {2, 32}, {3, 5}};
    for (const Count& c : counts) {
        SCOPED_TRACE(c.menu);
        EXPECT_EQ(1 + static_cast<int>(bar->Item(c.menu)->descendants().size()), c.items);
    }
    const auto all = bar->descendants();
    EXPECT_EQ(all.size(), 74u);
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](MenuItem* item) { return item->isSeparator(); }), 13);
    for (MenuItem* item : all) EXPECT_TRUE(item->AutoEnable) << item->Name().toStdString();

    EXPECT_EQ(MenuBar1::instance(), bar);  // a second call builds nothing
    EXPECT_EQ(bar->descendants().size(), 74u);
}

TEST_F(MenuFixture, ItemAccessorsFindTheItemsOfTheApplicationsBar) {
    EXPECT_EQ(FileAboutyarrowen()->Text(), "About yarrowen...");
    EXPECT_EQ(FileAboutyarrowen()->kind(), MenuItem::Kind::Apple);
    EXPECT_EQ(bookLast()->Text(), "Last");
    EXPECT_EQ(M_FONTS(0)->Text(), "untitled");
    EXPECT_EQ(M_FONTS(1), nullptr);
    EXPECT_EQ(qtShortcut("Cmd+Option+d"), "Ctrl+Alt+D");
    EXPECT_EQ(qtShortcut("Cmd+i"), "Ctrl+I");
    EXPECT_EQ(qtShortcut("Cmd+?"), "Ctrl+?");
}

TEST(MenuBinding, AHandlerBoundUnderANameInAnyLetterCaseServesTheItem) {
    StartedProgram program;
    struct Case {
        const char* boundAs;
        const char* item;
    } cases[] = {{"booklast", "bookLast"}, {"editcopy", "EditCopy"}, {"EDITDISPLAY", "EditDisplay"}, {"FilePrint", "FilePrint"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boundAs);
        HandlerWindow* window = openHandlerWindow({c.boundAs});
        EXPECT_TRUE(ChooseMenuItem(window, c.item));
        EXPECT_EQ(window->chosen, QStringList{c.boundAs});
        // The menu bar's own action reaches it as well.
        window->chosen.clear();
        auto* action = window->menuBar()->findChild<QAction*>(c.item);
        ASSERT_NE(action, nullptr);
        runEnablingPass(window);
        action->trigger();
        EXPECT_EQ(window->chosen, QStringList{c.boundAs});
        window->Close();
    }
}

TEST(MenuBinding, TheApplicationsHandlersAnswerWhateverWindowIsInFront) {
    StartedProgram program;
    HandlerWindow* window = openHandlerWindow({});
    EXPECT_TRUE(ChooseMenuItem(window, "DataBaseCurrentHexDataTable"));
    ListsWindow* lists = findWindow<ListsWindow>();
    ASSERT_NE(lists, nullptr);
    EXPECT_EQ(lists->Listis, 0);
    EXPECT_EQ(lists->Title(), "Hexagrams: Table = ENGLISH_DEFAULT");
    // The same lists window switches to the trigram table and comes to the front.
    EXPECT_TRUE(ChooseMenuItem(window, "DataBaseCurrentTrigramdataTable"));
    EXPECT_EQ(findWindow<ListsWindow>(), lists);
    EXPECT_EQ(lists->Listis, 1);
    EXPECT_EQ(lists->Title(), "Trigrams: Table = TRIGRAMS_DEFAULT");
    EXPECT_EQ(frontWindow(), lists);
    EXPECT_TRUE(ChooseMenuItem(lists, "Filegetdbscheme"));
    EXPECT_EQ(lists->Title(), "Schema");
}

TEST(MenuBinding, AShortcutRunsTheEnablingPassFirstAndReachesTheWindowOrTheApplication) {
    StartedProgram program;
    findWindow<InputWindow>()->Close();  // its sheet no longer holds the display window
    bool ready = false;
    HandlerWindow* window = openHandlerWindow({"FilePrint"}, [&ready] { FilePrint()->setEnabled(ready); });
    StartedProgram::settle();
    ASSERT_EQ(frontWindow(), window);
    runEnablingPass(window);
    ASSERT_FALSE(FilePrint()->Enabled());

    ready = true;  // no pass has run since: the shortcut's own pass must enable it
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(window->chosen, QStringList{"FilePrint"});

    QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier);
    StartedProgram::settle();
    ListsWindow* lists = findWindow<ListsWindow>();
    ASSERT_NE(lists, nullptr);
    EXPECT_EQ(lists->Listis, 0);
}

TEST(MenuEnabling, TheApplicationsItemsAreEnabledWithAnyWindowInFrontOrNone) {
    StartedProgram program;
    const char* applicationItems[] = {"OptionsClearWindow", "Filegetdbscheme", "DataBaseCurrentHexDataTable",
                                      "DataBaseCurrentTrigramdataTable", "EdittextFont", "FileAboutyarrowen",
                                      "FilePageSetup", "HelpGeneralHelp", "DataBaseOpen", "DataBaseCopy"};
    MenuBar* bar = program.app().menuBar();
    for (Window* front : {static_cast<Window*>(nullptr), static_cast<Window*>(displayWindow::instance()),
                          static_cast<Window*>(openHandlerWindow({}))}) {
        SCOPED_TRACE(front ? front->metaObject()->className() : "no window");
        runEnablingPass(front);
        for (const char* name : applicationItems) EXPECT_TRUE(bar->Lookup(name)->Enabled()) << name;
        // Sub-menus open while one of their items is enabled.
        EXPECT_TRUE(bar->Lookup("FileHelps")->Enabled());
        EXPECT_TRUE(bar->Lookup("FileDatabase")->Enabled());
        EXPECT_TRUE(bar->Lookup("FileQuit")->Enabled());
        // Shown, and disabled: it has no command.
        EXPECT_TRUE(bar->Lookup("FilePreferences")->Visible());
        EXPECT_FALSE(bar->Lookup("FilePreferences")->Enabled());
        for (const char* name : {"EditUndo", "EditCut", "EditPaste", "EditClear", "EditSelectAll"})
            EXPECT_FALSE(bar->Lookup(name)->Enabled()) << name;
    }
}

TEST(MenuEnabling, AnItemAWindowDisablesStaysDisabledThoughTheWindowHandlesIt) {
    StartedProgram program;
    HandlerWindow* window = openHandlerWindow({"FilePrint", "FileHelp"}, [] { FilePrint()->setEnabled(false); });
    runEnablingPass(window);
    EXPECT_FALSE(FilePrint()->Enabled());
    EXPECT_TRUE(FileHelp()->Enabled());
    EXPECT_FALSE(ChooseMenuItem(window, "FilePrint"));
    EXPECT_TRUE(window->chosen.isEmpty());
}

TEST(MenuEnabling, TwoEnabledItemsNeverShareAShortcut) {
    StartedProgram program;
    HandlerWindow* window = openHandlerWindow({"EditSelectAll", "DisplayAddtoChain"});
    window->Event_Activate();
    M_globals::checkmenus(1);  // the lists window's profile shows "Add to Display"
    runEnablingPass(window);
    MenuItem* selectAll = program.app().menuBar()->Lookup("EditSelectAll");
    ASSERT_TRUE(selectAll->Enabled());
    ASSERT_TRUE(DisplayAddtoChain()->Enabled());
    EXPECT_TRUE(selectAll->shortcutActive());
    EXPECT_FALSE(DisplayAddtoChain()->shortcutActive());
    auto* first = window->menuBar()->findChild<QAction*>("EditSelectAll");
    auto* second = window->menuBar()->findChild<QAction*>("DisplayAddtoChain");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->shortcut().toString(), "Ctrl+A");
    EXPECT_TRUE(second->shortcut().isEmpty());

    // With the first one disabled the other takes the keys.
    window->enabling = [] { Application::instance()->menuBar()->Lookup("EditSelectAll")->setEnabled(false); };
    runEnablingPass(window);
    EXPECT_TRUE(DisplayAddtoChain()->shortcutActive());
    EXPECT_EQ(second->shortcut().toString(), "Ctrl+A");
}

TEST_F(MenuFixture, EachWindowKindShowsItsMenuProfile) {
    const char* items[] = {"OptionsMenu",        "dbeditOptionsMenu", "EditDeleteHexagram", "OptionsTalk",
                           "OptionsClearWindow", "Optionsbook",       "OptionsText",        "Optionsinput",
                           "OptionsHexChains",   "EditDisplay",       "EditeditHex",        "Copysymbol",
                           "OptionsChainWindow", "OptionsTables",     "OptionsDisplay"};
    // One letter per item above: S shown, H hidden, - as before (everything starts shown).
    struct Case {
        int mode;
        const char* profile;
        const char* chainCaption;
    } cases[] = {
        {0, "SHSSSSSSSSSSSHH", "Chain Window"},      {1, "SHHHHHHHHHHHSSS", "Display Window"},
        {2, "SHHSHHHHHHHHSHH", "Display Window"},    {3, "SH-SHHHHHHHHSHH", "Display Window"},
        {4, "HS-------------", "Show Chain Window"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        MenuBar1::release();
        app->setMenuBar(MenuBar1::instance());
        M_globals::checkmenus(c.mode);
        for (int i = 0; i < 15; ++i)
            EXPECT_EQ(MenuBar1::instance()->Lookup(items[i])->Visible(), c.profile[i] != 'H') << items[i];
        EXPECT_EQ(OptionsChainWindow()->Text(), c.chainCaption);
    }
}

TEST_F(MenuFixture, AProfileLeavesWhatItDoesNotTouchAsThePreviousWindowLeftIt) {
    auto visibility = [] {
        QString shown;
        for (MenuItem* item : MenuBar1::instance()->descendants()) shown += item->Visible() ? 'S' : 'H';
        return shown;
    };
    M_globals::checkmenus(0);
    const QString afterDisplay = visibility();
    for (int mode : {5, -1, 99}) {
        M_globals::checkmenus(mode);
        EXPECT_EQ(visibility(), afterDisplay) << mode;
    }
    M_globals::checkmenus(3);  // the text window after the display window
    EXPECT_TRUE(EditDeleteHexagram()->Visible());
    M_globals::checkmenus(1);
    EXPECT_FALSE(EditDeleteHexagram()->Visible());

    M_globals::checkmenus(0);
    M_globals::checkmenus(4);  // the hexagram-text editor; the trigram editor then changes nothing
    EXPECT_FALSE(OptionsMenu()->Visible());
    EXPECT_TRUE(dbeditOptionsMenu()->Visible());
    for (MenuItem* item : {EditDisplay(), EditeditHex(), EditDeleteHexagram(), Copysymbol()})
        EXPECT_TRUE(item->Visible()) << item->Name().toStdString();
}

namespace {

// The action of that item in the window's own menu bar.
QAction* barAction(Window* window, const QString& itemName) {
    for (QAction* action : window->menuBar()->findChildren<QAction*>())
        if (action->objectName() == itemName) return action;
    for (QMenu* menu : window->menuBar()->findChildren<QMenu*>())
        if (menu->menuAction()->objectName() == itemName) return menu->menuAction();
    return nullptr;
}

// Which of the profile's telling items the window's bar shows: one letter per item, S or H.
QString barProfile(Window* window) {
    QString shown;
    for (const char* item : {"OptionsMenu", "dbeditOptionsMenu", "EditDeleteHexagram", "OptionsTables"}) {
        QAction* action = barAction(window, item);
        shown += !action ? '?' : action->isVisible() ? 'S' : 'H';
    }
    return shown;
}

}  // namespace

TEST(MenuBars, EachWindowsBarShowsItsOwnKindsMenusWhicheverWindowWasActiveLast) {
    StartedProgram program;
    displayWindow* display = displayWindow::instance();
    ListsWindow* lists = ListsWindow::instance();
    lists->Show();
    WdbEditText* editor = WdbEditText::instance();
    editor->wakeup("ENGLISH_DEFAULT", true);
    editor->Show();
    StartedProgram::settle();
    ASSERT_EQ(frontWindow(), editor);
    // The model holds the editor's profile; every other bar keeps its own.
    const QString displays = "SHSH", listss = "SHHS", editors = "HSHS";
    EXPECT_EQ(barProfile(editor), editors);
    EXPECT_EQ(barProfile(display), displays);
    EXPECT_EQ(barProfile(lists), listss);
    EXPECT_EQ(barAction(display, "OptionsChainWindow")->text(), "Chain Window");
    EXPECT_EQ(barAction(lists, "OptionsChainWindow")->text(), "Display Window");

    // The trigram editor has no profile: it keeps the one in front before it came.
    TRIGRAMINPUT* trigrams = TRIGRAMINPUT::instance();
    trigrams->wakeup("TRIGRAMS_DEFAULT", false);
    trigrams->Show();
    StartedProgram::settle();
    EXPECT_EQ(barProfile(trigrams), editors);

    for (Window* window : std::vector<Window*>{display, lists, editor, trigrams, display}) {
        SCOPED_TRACE(window->Title().toStdString());
        window->Show();
        StartedProgram::settle();
        EXPECT_EQ(barProfile(editor), editors);
        EXPECT_EQ(barProfile(display), displays);
        EXPECT_EQ(barProfile(lists), listss);
        EXPECT_EQ(barProfile(trigrams), editors);
    }

    // Enabling too: the lists window's enabling pass leaves the display window's items as its
    // own pass set them.
    display->Show();
    StartedProgram::settle();
    const bool displayEnabled = barAction(display, "EditDisplay")->isEnabled();
    EXPECT_TRUE(displayEnabled);
    lists->Show();
    StartedProgram::settle();
    EXPECT_FALSE(EditDisplay()->Enabled());
    EXPECT_TRUE(barAction(display, "EditDisplay")->isEnabled());
}

TEST(TextFontMenu, ListsTheInstalledFontsAndChecksTheTextFont) {
    StartedProgram program(databaseSql("tri", "dejavu serif", ""));
    const int fonts = FontCount();
    ASSERT_GT(fonts, 1);
    int checked = 0;
    for (int i = 0; i < fonts; ++i) {
        MenuItem* item = M_FONTS(i);
        ASSERT_NE(item, nullptr) << i;
        EXPECT_EQ(item->Text(), Font(i));
        EXPECT_EQ(item->parentItem(), EdittextFont());
        if (item->Checked()) ++checked;
    }
    EXPECT_EQ(M_FONTS(fonts), nullptr);
    EXPECT_EQ(checked, 1);
    // The stored name differs from the installed one in letter case: it is kept as stored.
    EXPECT_EQ(M_globals::font_text, "dejavu serif");
    EXPECT_EQ(M_FONTS(program.app().thecheckedTextMenuItem)->Text(), "DejaVu Serif");
    EXPECT_TRUE(M_FONTS(program.app().thecheckedTextMenuItem)->Checked());
}

TEST(Fonts, EachFamilyIsListedOnceByItsPlainNameAndStoredNamesWithAFoundryCountAsPlain) {
    struct Case {
        const char* name;
        const char* plain;
    } cases[] = {{"C059 [urw]", "C059"}, {"C059 [UKWN]", "C059"}, {"DejaVu Sans", "DejaVu Sans"},
                 {"Noto Sans Mono [GOOG] ", "Noto Sans Mono"}, {"[urw]", "[urw]"}, {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(plainFamily(c.name), c.plain) << c.name;

    StartedProgram program(databaseSql("tri", "DejaVu Sans [foundry]", ""));
    QStringList listed;
    for (int i = 0; i < FontCount(); ++i) {
        EXPECT_EQ(Font(i), plainFamily(Font(i)));
        EXPECT_FALSE(listed.contains(Font(i), Qt::CaseInsensitive)) << Font(i).toStdString();
        listed << Font(i);
    }
    for (const QString& family : QFontDatabase::families()) EXPECT_TRUE(fontInstalled(plainFamily(family)));
    EXPECT_EQ(M_globals::font_text, "DejaVu Sans");  // stored with a foundry, read as its family
}

namespace {

// A window with text fields: notes when it is re-fonted, in the order of all such windows.
QStringList refonted;
class FieldsWindow : public Window {
public:
    explicit FieldsWindow(QString name) : name(std::move(name)) {}
    void applyTextFont() override { refonted << name + ":" + M_globals::font_text; }
    QString name;
};

}  // namespace

TEST(TextFontMenu, ChoosingAFontRefontsTheOpenWindowsRearmostFirst) {
    StartedProgram program(databaseSql("tri", "DejaVu Sans", ""));
    App& app = program.app();
    const int before = app.thecheckedTextMenuItem;
    const int other = before == 0 ? 1 : 0;
    for (const char* name : {"back", "front"}) (new FieldsWindow(name))->startUp();
    refonted.clear();

    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "M_FONTS", before));  // the checked one: nothing happens
    EXPECT_TRUE(refonted.isEmpty());
    EXPECT_EQ(M_globals::font_text, "DejaVu Sans");

    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "M_FONTS", other));
    const QString font = Font(other);
    EXPECT_EQ(M_globals::font_text, font);
    EXPECT_EQ(app.thecheckedTextMenuItem, other);
    EXPECT_TRUE(M_FONTS(other)->Checked());
    EXPECT_FALSE(M_FONTS(before)->Checked());
    EXPECT_EQ(refonted, (QStringList{"back:" + font, "front:" + font}));
}
