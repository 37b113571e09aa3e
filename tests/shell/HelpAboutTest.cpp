// The help viewer, the resources and the About window.
#include "ShellSupport.h"

#include "app/AppResources.h"
#include "app/WHelp.h"
#include "app/aboutWindow.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "platform/Clipboard.h"
#include "platform/Graphics.h"
#include "platform/Resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QUrl>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

TEST(HelpViewer, ShowsTheTextWithTabsAsSevenBlanksOnceInFront) {
    StartedProgram program;
    showHelp("Some Help", "a\tb" + QString(CR) + "c");
    WHelp* viewer = WHelp::instance();
    EXPECT_EQ(frontWindow(), viewer);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Title(), "Some Help");
    EXPECT_EQ(viewer->EditField1->Text(), "a       b" + QString(CR) + "c");
    EXPECT_TRUE(viewer->EditField1->ReadOnly());
}

TEST(HelpViewer, TwoHelpCommandsInARowReuseTheViewer) {
    StartedProgram program;
    EXPECT_TRUE(ChooseMenuItem(displayWindow::instance(), "HelpGeneralHelp"));
    WHelp* viewer = WHelp::instance();
    EXPECT_EQ(viewer->Title(), "General Help");
    EXPECT_EQ(viewer->EditField1->Text(), HelpGeneral());
    EXPECT_TRUE(ChooseMenuItem(displayWindow::instance(), "FileHelp"));
    EXPECT_EQ(WHelp::instance(), viewer);
    EXPECT_EQ(viewer->Title(), "Display Window Help");
    EXPECT_EQ(viewer->EditField1->Text(), DISPLAYWINDOWHELP());
}

TEST(HelpViewer, OKKeepsTheTextSizeAndCtrlWDiscardsIt) {
    StartedProgram program;
    showHelp("First", "one");
    WHelp* viewer = WHelp::instance();
    EXPECT_EQ(viewer->EditField1->TextSize(), 10);
    viewer->PopupMenu1->setListIndex(2);
    EXPECT_EQ(viewer->EditField1->TextSize(), 14);
    QTest::mouseClick(viewer->PushButton1, Qt::LeftButton);
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_FALSE(viewer->isClosed());

    showHelp("Second", "two");
    EXPECT_EQ(WHelp::instance(), viewer);
    EXPECT_EQ(viewer->EditField1->TextSize(), 14);
    EXPECT_EQ(viewer->PopupMenu1->ListIndex(), 2);

    QTest::keyClick(viewer, Qt::Key_W);  // without Ctrl: stays open
    EXPECT_FALSE(viewer->isClosed());
    QTest::keyClick(viewer, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(viewer->isClosed());
    showHelp("Third", "three");
    WHelp* fresh = WHelp::instance();
    EXPECT_NE(fresh, viewer);
    EXPECT_EQ(fresh->EditField1->TextSize(), 10);
    EXPECT_EQ(fresh->PopupMenu1->ListIndex(), 0);

    // From the text field too, where the keys go while the user reads.
    QTest::keyClick(static_cast<QWidget*>(fresh->EditField1->textEdit()), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(fresh->isClosed());
}

TEST(HelpViewer, CopyPutsTheWholeTextOnTheClipboard) {
    StartedProgram program;
    const QString text = "first line" + QString(CR) + "second line";
    showHelp("Copy", text);
    WHelp* viewer = WHelp::instance();
    viewer->EditField1->setSelStart(2);
    viewer->EditField1->setSelLength(4);
    ASSERT_EQ(viewer->EditField1->SelText(), "rst ");
    EXPECT_TRUE(ChooseMenuItem(viewer, "EditCopy"));
    EXPECT_EQ(Clipboard().Text(), text);
}

TEST(HelpViewer, FollowsItsSizeOnlyWhenResized) {
    StartedProgram program;
    showHelp("Size", "text");
    WHelp* viewer = WHelp::instance();
    StartedProgram::settle();
    // As laid out, until the first resize.
    EXPECT_EQ(viewer->EditField1->Height(), 250);
    EXPECT_EQ(viewer->PushButton1->Top(), 263);
    for (int height : {400, 291}) {
        SCOPED_TRACE(height);
        viewer->setHeight(height);
        viewer->setWidth(700);
        StartedProgram::settle();
        EXPECT_EQ(viewer->Height(), height);
        EXPECT_EQ(viewer->EditField1->Width(), 700);
        EXPECT_EQ(viewer->EditField1->Height(), height - 50);
        EXPECT_EQ(viewer->PushButton1->Top(), height - 37);
        EXPECT_EQ(viewer->StaticText1->Top(), height - 37);
        EXPECT_EQ(viewer->PopupMenu1->Top(), height - 37);
    }
}

TEST(Resources, EachIsReadOnceAndEveryCallerGetsTheSamePicture) {
    const QString texts[] = {DISPLAYWINDOWHELP(), INPUTWINDOWHELP(), HEXSETTINGSHELP(), LISTWINDOWSHELP(),
                             TRIGRAMINPUTHELP(), WDBEDITTEXTHELP(), HelpGeneral(), W69CHANGEINPUTHELP(),
                             chainWindowhelp()};
    for (const QString& text : texts) {
        EXPECT_GT(text.size(), 200);
        EXPECT_FALSE(text.contains('\n'));  // lines end in CR, as every text of the program
    }
    ASSERT_TRUE(yin() && yang() && virevtrigramsinput());
    const int reads = resourceReads();
    EXPECT_EQ(DISPLAYWINDOWHELP(), texts[0]);
    EXPECT_EQ(yang(), yang());
    EXPECT_NE(yin(), yang());
    EXPECT_EQ(resourceReads(), reads);
    EXPECT_EQ(GetResource("TEXT", 177), std::nullopt);
    EXPECT_EQ(GetPicture(171), nullptr);

    EXPECT_EQ(yin()->Width(), 80);
    EXPECT_EQ(yin()->Height(), 15);
    EXPECT_EQ(yang()->Width(), 80);
    EXPECT_EQ(yang()->Height(), 15);
    // A yang line is whole; a yin line has its gap in the middle.
    EXPECT_NE(yang()->Pixel(40, 7), RGB(255, 255, 255));
    EXPECT_EQ(yin()->Pixel(40, 7), RGB(255, 255, 255));
    EXPECT_NE(yin()->Pixel(20, 7), RGB(255, 255, 255));
}

TEST(Resources, TheTrigramPictureShowsEachTrigramInItsBox) {
    const PicturePtr picture = virevtrigramsinput();
    ASSERT_EQ(picture->Width(), 606);
    ASSERT_EQ(picture->Height(), 113);
    // Each column's trigram and the places of its upper and lower box (59 x 40).
    struct Box {
        int trigram, left, top;
    } boxes[] = {
        {7, 23, 5},  {1, 91, 5},  {2, 163, 5},  {4, 234, 5},  {0, 306, 5},  {6, 377, 5},  {5, 448, 5},  {3, 519, 5},
        {7, 23, 65}, {1, 91, 65}, {2, 163, 65}, {4, 233, 66}, {0, 306, 66}, {6, 377, 66}, {5, 449, 65}, {3, 519, 65},
    };
    const Color white = RGB(255, 255, 255);
    for (const Box& b : boxes) {
        SCOPED_TRACE(QString("trigram %1 at %2,%3").arg(b.trigram).arg(b.left).arg(b.top).toStdString());
        EXPECT_EQ(picture->Pixel(b.left, b.top + 20), RGB(0, 0, 0));  // the box's left edge
        // The middle of lines 3, 2 and 1, from the top: coloured for yang, the gap for yin.
        const int rows[] = {b.top + 10, b.top + 20, b.top + 30};
        for (int line = 2; line >= 0; --line) {
            const bool yang = b.trigram & (1 << line);
            EXPECT_EQ(picture->Pixel(b.left + 29, rows[2 - line]) != white, yang) << "line " << line + 1;
            EXPECT_NE(picture->Pixel(b.left + 15, rows[2 - line]), white) << "line " << line + 1;
        }
    }
}

TEST(About, ShowsTheDatabaseAndTheTablesInUseAsOfItsLastActivation) {
    StartedProgram program;
    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "FileAboutyarrowen"));
    aboutWindow* about = findWindow<aboutWindow>();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(frontWindow(), about);
    EXPECT_EQ(about->StaticText2->Text(), "0.6.02");
    EXPECT_EQ(about->StaticText9->Text(), "1");
    EXPECT_EQ(about->EFdatabase->Text(), QFileInfo(program.databasePath()).absoluteFilePath());
    EXPECT_EQ(about->stTri->Text(), "TRIGRAMS_DEFAULT");
    EXPECT_EQ(about->stHex->Text(), "ENGLISH_DEFAULT");

    displayWindow::instance()->Show();
    M_globals::TableHex = "OTHER_HEX";
    EXPECT_EQ(about->stHex->Text(), "ENGLISH_DEFAULT");  // behind: not yet
    about->Show();
    EXPECT_EQ(about->stHex->Text(), "OTHER_HEX");

    QTest::mouseClick(about->PushButton4, Qt::LeftButton);
    ASSERT_EQ(program.dialogs.messages.size(), 1);
    const QStringList lines = program.dialogs.messages[0].split(CR);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "Sources for default database:  ");
    EXPECT_TRUE(lines[1].startsWith("1) ") && lines[1].endsWith(")"));
    EXPECT_TRUE(lines[2].startsWith("2) ") && lines[2].endsWith(")"));
    EXPECT_EQ(lines[3], "");
    EXPECT_FALSE(lines[4].isEmpty());

    QTest::keyClick(about, Qt::Key_W);
    EXPECT_FALSE(about->isClosed());
    QTest::keyClick(about, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(about->isClosed());
    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "FileAboutyarrowen"));
    EXPECT_NE(findWindow<aboutWindow>(), about);
    EXPECT_EQ(findWindow<aboutWindow>()->stHex->Text(), "OTHER_HEX");
}

// The database's path shows whole where it fits; a longer one shows its beginning and its file
// name with the middle elided, the whole path at hand as the tooltip and while the field has the
// focus.
TEST(About, TheDatabasePathShowsWholeOrElidedInTheMiddleWithTheWholePathAtHand) {
    StartedProgram program;
    const QString connected = M_globals::f_db;
    const QString deep = "/home/someone/a folder of studies/the book of changes/yarrowen-0.6.02/build/bin/i_virev_DB";
    for (const QString& path : {QFileInfo(connected).absoluteFilePath(), deep}) {
        SCOPED_TRACE(path.toStdString());
        M_globals::f_db = path;
        EXPECT_TRUE(ChooseMenuItem(frontWindow(), "FileAboutyarrowen"));
        aboutWindow* about = findWindow<aboutWindow>();
        ASSERT_NE(about, nullptr);
        StartedProgram::settle();
        QLineEdit* line = about->EFdatabase->lineEdit();
        const QString shown = line->text();
        EXPECT_EQ(about->EFdatabase->Text(), path);
        EXPECT_LE(line->fontMetrics().horizontalAdvance(shown), line->width() - 4);  // nothing cut at the end
        const bool fits = line->fontMetrics().horizontalAdvance(path) <= line->width() - 4;
        EXPECT_EQ(path == deep, !fits);  // the long one needs more room than the field has
        if (fits) {
            EXPECT_EQ(shown, path);
            EXPECT_EQ(line->toolTip(), "");
        } else {
            EXPECT_TRUE(shown.startsWith("/home/")) << shown.toStdString();
            EXPECT_TRUE(shown.endsWith("/i_virev_DB")) << shown.toStdString();
            EXPECT_TRUE(shown.contains(QChar(0x2026)));
            EXPECT_EQ(line->toolTip(), path);
            line->setFocus();
            StartedProgram::settle();
            ASSERT_TRUE(line->hasFocus());
            EXPECT_EQ(line->text(), path);
            line->selectAll();
            EXPECT_EQ(about->EFdatabase->SelText(), path);
            about->PushButton1->setFocus();
            StartedProgram::settle();
            EXPECT_EQ(line->text(), shown);
        }
        about->Close();
        StartedProgram::settle();
    }
    M_globals::f_db = connected;
}

TEST(About, UpdatesOpensTheReadmeBesideTheProgramOrSaysWhereItIs) {
    StartedProgram program;
    const QString readme = QFileInfo(program.folderPath() + "/README.md").absoluteFilePath();
    EXPECT_EQ(projectHomeAddress(), QUrl::fromLocalFile(readme).toString());
    struct Case {
        const char* name;
        bool present, opens;
        QString message;  // empty: none
    } cases[] = {
        {"opened", true, true, ""},
        {"nothing opens it", true, false, QString("Nothing on this computer opens the README. It is here:") + CR + readme},
        {"missing", false, true, QString("The README is not beside the program, where it belongs:") + CR + readme},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(readme);
        if (c.present) {
            QFile file(readme);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        program.dialogs.urls.clear();
        program.dialogs.messages.clear();
        program.dialogs.urlsOpen = c.opens;
        EXPECT_TRUE(ChooseMenuItem(frontWindow(), "FileAboutyarrowen"));
        aboutWindow* about = findWindow<aboutWindow>();
        ASSERT_NE(about, nullptr);
        QTest::mouseClick(about->PushButton3, Qt::LeftButton);
        EXPECT_EQ(program.dialogs.urls, c.present ? QStringList{projectHomeAddress()} : QStringList());
        EXPECT_EQ(program.dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

TEST(About, TheBuildPutsTheReadmeBesideTheProgram) {
    EXPECT_TRUE(QFileInfo::exists(QCoreApplication::applicationDirPath() + "/README.md"));
    EXPECT_TRUE(QFileInfo::exists(QCoreApplication::applicationDirPath() + "/yarrowen"));
}
