// Both record editors: typed texts are never dropped without asking, on every way off the row or
// out of the window, and a write that cannot be made says why and never reports success.
#include "EditorSupport.h"

#include "editors/GotoHexWindow.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "platform/Controls.h"
#include "platform/Menus.h"

#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const char* const UnsavedQuestion = "Do you want to save the changes to ";
const char* const KeptMessage = "the row is kept as it is";

// A trigger that makes the engine refuse every change of the two editable tables.
QString refusingWrites() {
    return QString("CREATE TRIGGER keep_hex BEFORE UPDATE ON MY_HEX BEGIN SELECT RAISE(ABORT, '%1'); END;"
                   "CREATE TRIGGER keep_tri BEFORE UPDATE ON MY_TRI BEGIN SELECT RAISE(ABORT, '%1'); END;")
        .arg(KeptMessage);
}

int unsavedQuestions(const StartedProgram& program) {
    int count = 0;
    for (const MessageDialog& question : program.dialogs.questions)
        if (question.Message.startsWith(UnsavedQuestion)) ++count;
    return count;
}

// One editor as the tests drive it: opened editable on its table's first row, with "typed" typed
// into its first field.
struct Editor {
    const char* name;
    std::function<Window*()> openAndType;
    std::function<EditField*(Window*)> firstField;
    std::function<QString(Window*)> rowLabel;
    const char* firstRowLabel;
    const char* storedSql;  // the first field's column in the first row
    const char* original;
    const char* question;
};

WdbEditText* hexEditor(Window* window) { return static_cast<WdbEditText*>(window); }
TRIGRAMINPUT* trigramEditor(Window* window) { return static_cast<TRIGRAMINPUT*>(window); }

const Editor HexEditor{
    "hexagram-text editor",
    [] {
        WdbEditText* editor = WdbEditText::instance();
        editor->wakeup("MY_HEX", false);
        StartedProgram::settle();
        typeInto(editor->EFname, "typed");
        return editor;
    },
    [](Window* w) { return hexEditor(w)->EFname; },
    [](Window* w) { return hexEditor(w)->STBook->Text(); },
    "book = 1,",
    "SELECT NAME FROM MY_HEX WHERE NUMBER_BOOLEAN=0",
    "mine0",
    "Do you want to save the changes to book number 1 of the table MY_HEX?",
};

const Editor TrigramEditor{
    "trigram editor",
    [] {
        TRIGRAMINPUT* editor = TRIGRAMINPUT::instance();
        editor->wakeup("MY_TRI", true);
        StartedProgram::settle();
        typeInto(editor->EFtri[0], "typed");
        return editor;
    },
    [](Window* w) { return trigramEditor(w)->EFtri[0]; },
    [](Window* w) { return trigramEditor(w)->StaticText1->Text(); },
    "NUMBER = 0",
    "SELECT NAME FROM MY_TRI WHERE NUMBER_BOOLEAN=0",
    "tri0",
    "Do you want to save the changes to trigram number 0 of the table MY_TRI?",
};

// A way off the row or out of the window, and what shows that it was taken.
struct Way {
    const char* name;
    std::function<void(StartedProgram&, Window*)> take;
    std::function<bool(StartedProgram&, const QPointer<Window>&)> taken;
};

bool windowGone(StartedProgram&, const QPointer<Window>& window) { return !window || window->isClosed(); }

std::vector<Way> commonWays(const Editor& editor, std::function<QWidget*(Window*)> closeButton,
                            std::function<void(Window*)> reopenOnTheDefaultTable) {
    return {
        {"close button", [=](StartedProgram&, Window* w) { clickOn(closeButton(w)); }, windowGone},
        {"Command-W",
         [=](StartedProgram&, Window* w) {
             QTest::keyClick(editor.firstField(w)->lineEdit(), Qt::Key_W, Qt::ControlModifier);
         },
         windowGone},
        {"close box", [](StartedProgram&, Window* w) { w->close(); }, windowGone},
        {"reopening on another table", [=](StartedProgram&, Window* w) { reopenOnTheDefaultTable(w); },
         [](StartedProgram&, const QPointer<Window>& w) { return w && w->Title().contains("DEFAULT"); }},
        {"quitting", [](StartedProgram& program, Window*) { program.app().Quit(0); },
         [](StartedProgram& program, const QPointer<Window>&) { return program.app().hasShutDown(); }},
        {"switching the database file",
         [](StartedProgram& program, Window* w) {
             const QString file = QDir(program.folderPath()).filePath("other_DB");
             ASSERT_TRUE(createDatabase(file, validDatabaseSql()));
             program.dialogs.files = {file};
             program.dialogs.buttons.push_front(DialogButton::Action);  // "Yes", connect to another file
             ChooseMenuItem(w, "DataBaseOpen");
         },
         windowGone},
    };
}

std::vector<Way> hexWays() {
    std::vector<Way> ways = {
        {"next", [](StartedProgram&, Window* w) { clickOn(hexEditor(w)->PBnext); },
         [](StartedProgram&, const QPointer<Window>& w) { return w && hexEditor(w)->STBook->Text() == "book = 2,"; }},
        {"previous", [](StartedProgram&, Window* w) { clickOn(hexEditor(w)->PBprevious); },
         [](StartedProgram&, const QPointer<Window>& w) { return w && hexEditor(w)->STBook->Text() == "book = 64,"; }},
        {"go to",
         [](StartedProgram&, Window* w) {
             ChooseMenuItem(w, "dbeditOptionsGotoRecord");
             StartedProgram::settle();
             GotoHexWindow* dialog = findWindow<GotoHexWindow>();
             ASSERT_NE(dialog, nullptr);
             QTest::keyClicks(dialog->EditField1->lineEdit(), "22");
             clickOn(dialog->PushButton1);
         },
         [](StartedProgram&, const QPointer<Window>& w) { return w && hexEditor(w)->STBook->Text() == "book = 22,"; }},
    };
    for (Way& way : commonWays(
             HexEditor, [](Window* w) { return hexEditor(w)->PushButton1; },
             [](Window* w) { hexEditor(w)->wakeup("ENGLISH_DEFAULT", true); }))
        ways.push_back(way);
    return ways;
}

std::vector<Way> trigramWays() {
    std::vector<Way> ways = {
        {"NEXT", [](StartedProgram&, Window* w) { clickOn(trigramEditor(w)->PushButton2); },
         [](StartedProgram&, const QPointer<Window>& w) {
             return w && trigramEditor(w)->StaticText1->Text() == "NUMBER = 1";
         }},
    };
    for (Way& way : commonWays(
             TrigramEditor, [](Window* w) { return trigramEditor(w)->PushButton3; },
             [](Window* w) { trigramEditor(w)->wakeup("TRIGRAMS_DEFAULT", false); }))
        ways.push_back(way);
    return ways;
}

enum class Answer { Save, SaveFails, DontSave, Cancel };

}  // namespace

TEST(EditorUnsavedChanges, EveryWayOffADirtyRowAsksAndDoesWhatWasChosen) {
    struct Choice {
        const char* name;
        Answer answer;
    };
    const Choice choices[] = {
        {"Save", Answer::Save}, {"Save, refused by the engine", Answer::SaveFails}, {"Don't Save", Answer::DontSave},
        {"Cancel", Answer::Cancel}};
    const std::pair<const Editor*, std::vector<Way>> editors[] = {{&HexEditor, hexWays()}, {&TrigramEditor, trigramWays()}};
    for (const auto& [editor, ways] : editors) {
        for (const Way& way : ways) {
            for (const Choice& choice : choices) {
                SCOPED_TRACE(std::string(editor->name) + ", " + way.name + ", " + choice.name);
                StartedProgram program(editorDatabaseSql() + (choice.answer == Answer::SaveFails ? refusingWrites() : QString()));
                const QPointer<Window> window = editor->openAndType();
                ASSERT_TRUE(window);
                const DialogButton button = choice.answer == Answer::DontSave ? DialogButton::AlternateAction
                                            : choice.answer == Answer::Cancel ? DialogButton::Cancel
                                                                              : DialogButton::Action;
                program.dialogs.buttons = {button};
                way.take(program, window);
                StartedProgram::settle();

                // Asked once, with the three answers.
                EXPECT_EQ(unsavedQuestions(program), 1);
                for (const MessageDialog& question : program.dialogs.questions) {
                    if (!question.Message.startsWith(UnsavedQuestion)) continue;
                    EXPECT_EQ(question.Message, editor->question);
                    EXPECT_EQ(question.ActionButtonCaption, "Save");
                    EXPECT_TRUE(question.AlternateActionButtonVisible);
                    EXPECT_EQ(question.AlternateActionButtonCaption, "Don't Save");
                    EXPECT_TRUE(question.CancelButtonVisible);
                    EXPECT_EQ(question.CancelButtonCaption, "Cancel");
                }

                const bool saved = choice.answer == Answer::Save;
                const bool left = saved || choice.answer == Answer::DontSave;
                EXPECT_EQ(readValue(program.databasePath(), editor->storedSql), saved ? "typed" : editor->original);
                EXPECT_EQ(way.taken(program, window), left);
                if (!left) {
                    // Nothing dropped: the window stays on the row with the typed text.
                    EXPECT_TRUE(window && !window->isClosed());
                    if (window) {
                        EXPECT_EQ(editor->firstField(window)->Text(), "typed");
                        EXPECT_EQ(editor->rowLabel(window), editor->firstRowLabel);
                    }
                    EXPECT_FALSE(program.app().hasShutDown());
                }
                EXPECT_EQ(program.dialogs.messages,
                          choice.answer == Answer::SaveFails ? QStringList{KeptMessage} : QStringList{});
                program.dialogs.buttons = {DialogButton::AlternateAction};  // the test's own quit drops the text
            }
        }
    }
}

TEST(EditorUnsavedChanges, OnlyATextThatDiffersFromTheRowAsShownIsAskedAbout) {
    struct Case {
        const char* what;
        std::function<void(EditField*)> edit;
        bool record;  // pressed "record" before leaving
        bool asked;
    };
    const Case cases[] = {
        {"a letter typed and taken back",
         [](EditField* field) {
             field->lineEdit()->setFocus();
             field->lineEdit()->end(false);
             QTest::keyClick(field->lineEdit(), Qt::Key_X);
             QTest::keyClick(field->lineEdit(), Qt::Key_Backspace);
         },
         false, false},
        {"the text typed anew as it was", [](EditField* field) { typeInto(field, field->Text()); }, false, false},
        {"a change recorded", [](EditField* field) { typeInto(field, "recorded"); }, true, false},
        {"a blank added in front", [](EditField* field) { typeInto(field, " " + field->Text()); }, false, true},
    };
    for (const Editor* editor : {&HexEditor, &TrigramEditor}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(editor->name) + ", " + c.what);
            StartedProgram program(editorDatabaseSql());
            Window* window = editor->openAndType();
            typeInto(editor->firstField(window), editor->original);  // back to the text shown
            c.edit(editor->firstField(window));
            if (c.record) {
                QWidget* record = editor == &HexEditor ? static_cast<QWidget*>(hexEditor(window)->PBrecord)
                                                       : trigramEditor(window)->PushButton1;
                clickOn(record);
            }
            program.dialogs.buttons = {DialogButton::Cancel};
            const QPointer<Window> open(window);
            window->Close();
            StartedProgram::settle();
            EXPECT_EQ(unsavedQuestions(program), c.asked ? 1 : 0);
            EXPECT_EQ(!open || open->isClosed(), !c.asked);
            program.dialogs.buttons = {DialogButton::AlternateAction};
        }
    }
}

TEST(EditorSaving, AColumnTheTableLacksIsNamedAndNothingIsSaid) {
    struct Case {
        const char* what;
        const char* table;
        std::function<Window*()> openAndRecord;
        const char* message;
    };
    const Case cases[] = {
        {"hexagram-text table without ShortName", "NO_SHORT",
         [] {
             WdbEditText* editor = WdbEditText::instance();
             editor->wakeup("NO_SHORT", false);
             typeInto(editor->EFname, "new name");
             typeInto(editor->efshort, "short");
             clickOn(editor->PBrecord);
             return editor;
         },
         "The table NO_SHORT has no column ShortName."},
        {"trigram table without verb", "NO_VERB",
         [] {
             TRIGRAMINPUT* editor = TRIGRAMINPUT::instance();
             editor->wakeup("NO_VERB", true);
             typeInto(editor->EFtri[0], "new name");
             typeInto(editor->EFtri[7], "a verb");  // the field of the missing column shows empty
             clickOn(editor->PushButton1);
             return editor;
         },
         "The table NO_VERB has no column verb."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartedProgram program(editorDatabaseSql() +
                               "CREATE TABLE NO_SHORT AS SELECT * FROM MY_HEX; ALTER TABLE NO_SHORT DROP COLUMN ShortName;"
                               "CREATE TABLE NO_VERB AS SELECT * FROM MY_TRI; ALTER TABLE NO_VERB DROP COLUMN verb;"
                               "INSERT INTO TheTables VALUES ('NO_SHORT', 0, 1, 0, 'test'), ('NO_VERB', 1, 1, 0, 'test');");
        const QByteArray before = fileHash(program.databasePath());
        c.openAndRecord();
        StartedProgram::settle();
        EXPECT_EQ(program.dialogs.messages, QStringList{c.message});
        EXPECT_TRUE(program.dialogs.questions.empty());  // no "Record has been saved."
        EXPECT_EQ(fileHash(program.databasePath()), before);
        program.dialogs.buttons = {DialogButton::AlternateAction};
    }
}
