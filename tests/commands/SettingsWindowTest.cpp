// The drawing settings window: the preview, the working copy and "set" against "cancel", the
// colour picker, the fonts section and its write into ProgramPrefs, the chain pages rebuilt for a
// new short-name font.
#include "shell/ShellSupport.h"

#include "app/WHelp.h"
#include "core/M_globals.h"
#include "display/HexSettings.h"
#include "platform/DisclosureTriangle.h"
#include "platform/Rectangle.h"
#include "platform/Slider.h"
#include "platform/VectorShapes.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window that shows short names, as the chain page does; counts its rebuilds.
class ShortNamePage : public Window, public ShortNameWindow {
public:
    int rebuilds = 0;
    void UPDATE() override { ++rebuilds; }
};

class SettingsWindow : public ::testing::Test {
protected:
    // The settings window as the user sees it: open and in front.
    HexSettings* open() {
        HexSettings* settings = HexSettings::instance();
        settings->Show();
        StartedProgram::settle();
        return settings;
    }
    void execute(const QString& sql) { EXPECT_TRUE(createDatabase(program.databasePath(), sql)); }
    QString prefsValue(const QString& column) {
        return readValue(program.databasePath(), "SELECT " + column + " FROM ProgramPrefs");
    }
    void setFontsSection(HexSettings* settings, bool open) {
        if (settings->DisclosureTriangle1->Value() != open) QTest::mouseClick(settings->DisclosureTriangle1, Qt::LeftButton);
    }
    // The pop-up's row of that font; fails when the font is not installed.
    void chooseFont(PopupMenu* popup, const QString& font) {
        const int row = popup->findText(font);
        ASSERT_GE(row, 0) << font.toStdString();
        popup->setListIndex(row);
    }

    StartedProgram program;
};

struct Line {
    double x, x2, y;
};
Line line(const CurveShape& shape) {
    EXPECT_EQ(shape.Y, shape.Y2);
    return {shape.X, shape.X2, shape.Y};
}

}  // namespace

// Each slider's caption stands level with it (horizontal) or centred over it (vertical); the two
// captions over the vertical sliders keep apart, and "Line..." stands under both, clear of them.
TEST_F(SettingsWindow, SliderCaptionsSitOnTheirSliders) {
    HexSettings* settings = open();
    auto textRect = [](StaticText* label) {
        const QFontMetrics metrics(label->font());
        const int width = metrics.horizontalAdvance(label->Text());
        const int left = label->alignment() & Qt::AlignHCenter ? label->Left() + (label->Width() - width) / 2 : label->Left();
        return QRect(left, label->Top(), width, metrics.height());
    };
    struct Level { QWidget* slider; int caption; };
    for (const Level& c : {Level{settings->SyangLength, 0}, Level{settings->Syingappercent, 1}}) {
        SCOPED_TRACE(c.caption);
        EXPECT_LE(std::abs(textRect(settings->StaticText1[c.caption]).center().y() - c.slider->geometry().center().y()), 2);
    }
    for (const Level& c : {Level{settings->SHexWidth, 2}, Level{settings->Shexspacing, 3}}) {
        SCOPED_TRACE(c.caption);
        EXPECT_LE(std::abs(textRect(settings->StaticText1[c.caption]).center().x() - c.slider->geometry().center().x()), 1);
        EXPECT_LE(textRect(settings->StaticText1[c.caption]).bottom(), c.slider->geometry().top());
    }
    EXPECT_LT(textRect(settings->StaticText1[2]).right() + 4, textRect(settings->StaticText1[3]).left());
    const QRect line = textRect(settings->StaticText1[4]);
    EXPECT_GT(line.top(), std::max(settings->SHexWidth->geometry().bottom(), settings->Shexspacing->geometry().bottom()));
    EXPECT_GT(line.center().x(), settings->SHexWidth->geometry().center().x());
    EXPECT_LT(line.center().x(), settings->Shexspacing->geometry().center().x());
}

TEST_F(SettingsWindow, OpensWithTheSettingsInForceAndTheFontsSectionClosed) {
    M_globals::Used_yangLength = 120;
    M_globals::Used_YinGapPercent = 40;
    M_globals::Used_upperTricolor = RGB(200, 10, 10);
    HexSettings* settings = open();
    EXPECT_EQ(settings->Title(), "Hexagram Settings");
    EXPECT_EQ(settings->Width(), 537);
    EXPECT_EQ(settings->Height(), 240);
    EXPECT_FALSE(settings->DisclosureTriangle1->Value());
    EXPECT_EQ(settings->SyangLength->Value(), 120);
    EXPECT_EQ(settings->Syingappercent->Value(), 40);
    EXPECT_EQ(settings->SHexWidth->Value(), 5);
    EXPECT_EQ(settings->Shexspacing->Value(), 3);
    EXPECT_EQ(settings->Rupper->FillColor(), RGB(200, 10, 10));
    EXPECT_EQ(settings->Rbottom->FillColor(), RGB(30, 100, 100));
    EXPECT_EQ(settings->my_gaplength, 48);

    QTest::mouseClick(settings->DisclosureTriangle1, Qt::LeftButton);
    EXPECT_EQ(settings->Height(), 400);
    QTest::mouseClick(settings->DisclosureTriangle1, Qt::LeftButton);
    EXPECT_EQ(settings->Height(), 240);
}

TEST_F(SettingsWindow, ThePreviewDrawsAYangLineOverAYinLineWithTheSliders) {
    struct Case {
        int length, percent, width, spacing;
        Line yang, left, right;
        int gap, half;
    } cases[] = {
        {50, 20, 5, 3, {20, 70, 30}, {20, 40, 38}, {50, 70, 38}, 10, 20},       // the start values
        {230, 80, 10, 10, {20, 250, 30}, {20, 43, 50}, {227, 250, 50}, 184, 23},
        {30, 10, 1, 1, {20, 50, 30}, {20, 33, 32}, {36, 50, 32}, 3, 13},        // the right half a pixel longer
        {77, 33, 4, 2, {20, 97, 30}, {20, 46, 36}, {71, 97, 36}, 25, 26},
    };
    HexSettings* settings = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        settings->SyangLength->setValue(c.length);
        settings->Syingappercent->setValue(c.percent);
        settings->SHexWidth->setValue(c.width);
        settings->Shexspacing->setValue(c.spacing);
        const Line yang = line(*settings->Yang), left = line(*settings->yin1), right = line(*settings->yin2);
        EXPECT_EQ(yang.x, c.yang.x); EXPECT_EQ(yang.x2, c.yang.x2); EXPECT_EQ(yang.y, c.yang.y);
        EXPECT_EQ(left.x, c.left.x); EXPECT_EQ(left.x2, c.left.x2); EXPECT_EQ(left.y, c.left.y);
        EXPECT_EQ(right.x, c.right.x); EXPECT_EQ(right.x2, c.right.x2); EXPECT_EQ(right.y, c.right.y);
        EXPECT_EQ(settings->my_gaplength, c.gap);
        EXPECT_EQ(settings->my_yinlength, c.half);
        for (const auto& shape : {settings->Yang, settings->yin1, settings->yin2}) EXPECT_EQ(shape->BorderWidth, c.width);

        // What the window shows: the yang line in the upper colour, the yin halves in the lower
        // one, the background in the gap and past the end.
        const QImage shown = settings->content()->grab().toImage();
        const QColor background = shown.pixelColor(10, 10);
        EXPECT_EQ(shown.pixelColor(c.yang.x + 1, c.yang.y), M_globals::Used_upperTricolor);
        EXPECT_EQ(shown.pixelColor(c.yang.x2 - 1, c.yang.y), M_globals::Used_upperTricolor);
        EXPECT_EQ(shown.pixelColor(c.yang.x2 + 1, c.yang.y), background);
        EXPECT_EQ(shown.pixelColor(c.left.x2 - 1, c.left.y), M_globals::Used_lowerTriColor);
        EXPECT_EQ(shown.pixelColor((c.left.x2 + c.right.x) / 2, c.left.y), background);
        EXPECT_EQ(shown.pixelColor(c.right.x + 1, c.right.y), M_globals::Used_lowerTriColor);
    }
    // The slider's ends as the keyboard reaches them.
    QTest::keyClick(settings->SyangLength, Qt::Key_End);
    EXPECT_EQ(settings->my_yanglength, 230);
    QTest::keyClick(settings->SyangLength, Qt::Key_Home);
    EXPECT_EQ(settings->my_yanglength, 30);
}

TEST_F(SettingsWindow, SetPutsTheWorkingCopyIntoForceAndCancelChangesNothing) {
    for (const bool set : {false, true}) {
        SCOPED_TRACE(set ? "set" : "cancel");
        M_globals::setStartValues();
        program.dialogs.colours = {RGB(250, 0, 0), RGB(0, 250, 0)};
        HexSettings* settings = open();
        settings->SyangLength->setValue(230);
        settings->Syingappercent->setValue(80);
        settings->SHexWidth->setValue(8);
        settings->Shexspacing->setValue(6);
        QTest::mouseClick(settings->Rupper, Qt::LeftButton);
        QTest::mouseClick(settings->Rbottom, Qt::LeftButton);
        // Nothing is in force before "set".
        EXPECT_EQ(M_globals::Used_yangLength, 50);
        EXPECT_EQ(M_globals::Used_upperTricolor, RGB(30, 30, 200));
        QTest::mouseClick(set ? settings->PushButton1 : settings->PushButton2, Qt::LeftButton);
        StartedProgram::settle();
        EXPECT_EQ(findWindow<HexSettings>(), nullptr);

        EXPECT_EQ(M_globals::Used_yangLength, set ? 230 : 50);
        EXPECT_EQ(M_globals::Used_YinGapPercent, set ? 80 : 20);
        EXPECT_EQ(M_globals::Used_HexWidth, set ? 8 : 5);
        EXPECT_EQ(M_globals::Used_HexSpacing, set ? 6 : 3);
        EXPECT_EQ(M_globals::Used_GapLength, set ? 184 : 10);
        EXPECT_EQ(M_globals::Used_YinLength, set ? 23 : 20);
        EXPECT_EQ(M_globals::Used_upperTricolor, set ? RGB(250, 0, 0) : RGB(30, 30, 200));
        EXPECT_EQ(M_globals::Used_lowerTriColor, set ? RGB(0, 250, 0) : RGB(30, 100, 100));
        EXPECT_EQ(M_globals::Used_BackgroundColor, RGB(255, 255, 255));
    }
}

TEST_F(SettingsWindow, TheColourPickerStartsFromTheSwatchAndItsCancelKeepsTheColour) {
    HexSettings* settings = open();
    program.dialogs.colours = {std::nullopt, RGB(1, 2, 3)};
    QTest::mouseClick(settings->Rupper, Qt::LeftButton);  // cancelled
    EXPECT_EQ(settings->Rupper->FillColor(), RGB(30, 30, 200));
    EXPECT_EQ(settings->my_upperTriColor, RGB(30, 30, 200));
    QTest::mouseClick(settings->Rbottom, Qt::LeftButton);
    EXPECT_EQ(program.dialogs.colourPrompts, QStringList({"Top Color", "Bottom Color"}));
    ASSERT_EQ(program.dialogs.colourInitials.size(), 2u);
    EXPECT_EQ(program.dialogs.colourInitials[0], RGB(30, 30, 200));
    EXPECT_EQ(program.dialogs.colourInitials[1], RGB(30, 100, 100));
    // The chosen colour stays once the picker is gone.
    StartedProgram::settle();
    EXPECT_EQ(settings->Rbottom->FillColor(), RGB(1, 2, 3));
    EXPECT_EQ(settings->yin1->BorderColor, RGB(1, 2, 3));
    EXPECT_EQ(settings->content()->grab().toImage().pixelColor(25, 38), RGB(1, 2, 3));
}

TEST_F(SettingsWindow, AnotherActivationDiscardsWhatWasNotSetButKeepsTheFontChoices) {
    HexSettings* settings = open();
    program.dialogs.colours = {RGB(250, 0, 0)};
    QTest::mouseClick(settings->Rupper, Qt::LeftButton);
    settings->SyangLength->setValue(200);
    setFontsSection(settings, true);
    chooseFont(settings->FontMenuTitle, "DejaVu Serif");

    // The help viewer comes to the front through the window's own help command, then the user
    // comes back.
    ASSERT_TRUE(ChooseMenuItem(settings, "FileHelp"));
    WHelp* help = findWindow<WHelp>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Title(), "Hex Display Settings Window Help");
    EXPECT_EQ(frontWindow(), help);
    settings->Show();
    StartedProgram::settle();

    EXPECT_EQ(settings->Rupper->FillColor(), RGB(30, 30, 200));
    EXPECT_EQ(settings->Yang->BorderColor, RGB(30, 30, 200));
    EXPECT_EQ(settings->SyangLength->Value(), 50);
    EXPECT_EQ(settings->Yang->X2, 70);
    EXPECT_TRUE(settings->DisclosureTriangle1->Value());
    EXPECT_EQ(settings->FontMenuTitle->Text(), "DejaVu Serif");
}

TEST_F(SettingsWindow, TheFontsAreWrittenOnlyWhileTheirSectionIsOpen) {
    program.dialogs.colours = {};
    struct Case {
        const char* name;
        bool openAtSet;
    } cases[] = {{"section opened, changed, closed again", false}, {"section open", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        M_globals::LoadPrefs();
        HexSettings* settings = open();
        setFontsSection(settings, true);
        chooseFont(settings->FontMenuTitle, "DejaVu Serif");
        chooseFont(settings->FontMenuShortName, "DejaVu Sans Mono");
        EXPECT_EQ(settings->StaticText1[8]->TextFont(), "DejaVu Serif");
        setFontsSection(settings, c.openAtSet);
        QTest::mouseClick(settings->PushButton1, Qt::LeftButton);
        StartedProgram::settle();
        EXPECT_EQ(M_globals::font_title, c.openAtSet ? "DejaVu Serif" : "DejaVu Sans");
        EXPECT_EQ(M_globals::font_short, c.openAtSet ? "DejaVu Sans Mono" : "DejaVu Sans");
        EXPECT_EQ(prefsValue("font_title"), c.openAtSet ? "DejaVu Serif" : "DejaVu Sans");
        EXPECT_EQ(prefsValue("font_short"), c.openAtSet ? "DejaVu Sans Mono" : "DejaVu Sans");
        // Untouched pop-ups write their font as well; the text-field font is never written.
        EXPECT_EQ(prefsValue("font_above"), "DejaVu Sans");
        EXPECT_EQ(prefsValue("font_judgement"), "DejaVu Serif");
        EXPECT_EQ(prefsValue("font_sixnines"), "DejaVu Serif");
        EXPECT_EQ(prefsValue("font_text"), "DejaVu Sans");
    }
}

TEST_F(SettingsWindow, AFontWithoutAnInstalledMatchIsKeptAndACaseVariantChoosesTheInstalledRow) {
    execute("UPDATE ProgramPrefs SET font_text = 'untouched'");
    M_globals::font_title = "No Such Font";
    M_globals::font_short = "dejavu sans";
    HexSettings* settings = open();
    EXPECT_EQ(settings->FontMenuTitle->ListIndex(), -1);
    EXPECT_EQ(settings->StaticText1[8]->TextFont(), "No Such Font");
    EXPECT_EQ(settings->FontMenuShortName->Text(), "DejaVu Sans");
    auto* page = new ShortNamePage;
    page->startUp();
    setFontsSection(settings, true);
    QTest::mouseClick(settings->PushButton1, Qt::LeftButton);
    StartedProgram::settle();
    EXPECT_EQ(M_globals::font_title, "No Such Font");
    EXPECT_EQ(prefsValue("font_title"), "No Such Font");
    EXPECT_EQ(prefsValue("font_text"), "untouched");
    EXPECT_EQ(page->rebuilds, 0);  // a change of letter case is no change of the short-name font
    page->Close();
}

TEST_F(SettingsWindow, ChainPagesAreRebuiltOnlyWhenTheShortNameFontChanged) {
    auto* first = new ShortNamePage;
    auto* second = new ShortNamePage;
    first->startUp();
    second->startUp();
    struct Case {
        const char* popup;
        const char* font;
        int rebuildsSoFar;
    } cases[] = {
        {"FontMenuTitle", "DejaVu Serif", 0},
        {"FontMenuAbove", "DejaVu Sans Mono", 0},
        {"FontMenuShortName", "DejaVu Serif", 1},
        {"FontMenuShortName", "DejaVu Serif", 1},  // the same font again: no change
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.popup) + " " + c.font);
        HexSettings* settings = open();
        setFontsSection(settings, true);
        chooseFont(settings->findChild<PopupMenu*>(c.popup), c.font);
        QTest::mouseClick(settings->PushButton1, Qt::LeftButton);
        StartedProgram::settle();
        EXPECT_EQ(first->rebuilds, c.rebuildsSoFar);
        EXPECT_EQ(second->rebuilds, c.rebuildsSoFar);
    }
    // A colour change rebuilds no chain page.
    program.dialogs.colours = {RGB(9, 9, 9)};
    HexSettings* settings = open();
    QTest::mouseClick(settings->Rupper, Qt::LeftButton);
    QTest::mouseClick(settings->PushButton1, Qt::LeftButton);
    EXPECT_EQ(first->rebuilds, 1);
    first->Close();
    second->Close();
}

TEST_F(SettingsWindow, AFailingWriteShowsTheEnginesMessageAndWritesNothing) {
    struct Case {
        const char* name;
        const char* sql;
        const char* message;
    } cases[] = {
        {"update refused", "CREATE TRIGGER no_update BEFORE UPDATE ON ProgramPrefs "
                           "BEGIN SELECT RAISE(ABORT, 'prefs are locked'); END;", "prefs are locked"},
        {"no table", "ALTER TABLE ProgramPrefs RENAME TO Other;", "no such table: ProgramPrefs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        execute(c.sql);
        program.dialogs.messages.clear();
        HexSettings* settings = open();
        setFontsSection(settings, true);
        chooseFont(settings->FontMenuTitle, "DejaVu Serif");
        QTest::mouseClick(settings->PushButton1, Qt::LeftButton);
        StartedProgram::settle();
        EXPECT_EQ(program.dialogs.messages, QStringList({c.message}));
        EXPECT_EQ(findWindow<HexSettings>(), nullptr);
    }
    execute("ALTER TABLE Other RENAME TO ProgramPrefs; DROP TRIGGER no_update;");
    EXPECT_EQ(prefsValue("font_title"), "DejaVu Sans");
}

TEST_F(SettingsWindow, CommandWClosesWithoutApplyingAndWAloneDoesNot) {
    for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        HexSettings* settings = open();
        settings->SyangLength->setValue(100);
        QTest::keyClick(settings, Qt::Key_W);
        EXPECT_EQ(findWindow<HexSettings>(), settings);
        QTest::keyClick(settings, Qt::Key_W, modifiers);
        StartedProgram::settle();
        EXPECT_EQ(findWindow<HexSettings>(), nullptr);
        EXPECT_EQ(M_globals::Used_yangLength, 50);
    }
}
