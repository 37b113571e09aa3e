// Every window kind on the shipped database, in the states with the longest texts: no label,
// heading, caption or button shows less than its whole text at the fonts in use, and every window
// has a title of its own.
#include "ShellSupport.h"

#include "app/AppResources.h"
#include "app/WHelp.h"
#include "app/aboutWindow.h"
#include "chains/ChainPage.h"
#include "chains/Whexchains.h"
#include "chains/Wtext.h"
#include "display/HexSettings.h"
#include "display/displayWindow.h"
#include "editors/GotoHexWindow.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "input/InputWindow.h"
#include "input/W69changeInput.h"
#include "lists/ListsWindow.h"
#include "lists/TableInputWindow.h"
#include "platform/CheckBox.h"
#include "platform/DisclosureTriangle.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

namespace {

// The room a button's style leaves for its caption.
int captionRoom(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (qobject_cast<QPushButton*>(button))
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    option.rect = button->rect();
    const QStyle::SubElement contents =
        qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(contents, &option, button).width();
}

// Fails for every shown label or button whose text is wider than the control, or than the window
// at the place its alignment puts the text. The window's width, not its content area's: the area
// takes its size only when the window is first shown.
void expectWholeTexts(Window* window, const QString& state) {
    SCOPED_TRACE((window->Title() + " / " + state).toStdString());
    EXPECT_NE(window->Title(), "Untitled");
    QWidget* area = window->content();
    for (QLabel* label : area->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(area) || label->text().isEmpty()) continue;
        SCOPED_TRACE(label->objectName().toStdString() + ": " + label->text().toStdString());
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        int textWidth = 0;
        if (label->wordWrap()) {
            const QRect wrapped = metrics.boundingRect(QRect(0, 0, room.width(), 32000), Qt::TextWordWrap, label->text());
            textWidth = wrapped.width();
            EXPECT_LE(wrapped.height(), room.height()) << "wrapped lines below the label";
        } else {
            for (const QString& line : label->text().split('\n'))
                textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
        }
        EXPECT_LE(textWidth, room.width());
        int textLeft = label->x() + room.x();
        if (label->alignment() & Qt::AlignRight) textLeft += room.width() - textWidth;
        else if (label->alignment() & Qt::AlignHCenter) textLeft += (room.width() - textWidth) / 2;
        EXPECT_GE(textLeft, 0);
        EXPECT_LE(textLeft + textWidth, window->Width());
    }
    for (QAbstractButton* button : area->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(area) || button->text().isEmpty()) continue;
        SCOPED_TRACE(button->objectName().toStdString() + ": " + button->text().toStdString());
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), captionRoom(button));
        EXPECT_GE(button->x(), 0);
        EXPECT_LE(button->x() + button->width(), window->Width());
    }
}

QByteArray shippedDatabase() {
    QFile file("i_virev_DB.shipped");  // beside the tests, in the bin folder
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

}  // namespace

TEST(WholeTexts, EveryWindowShowsEveryCaptionWhole) {
    StartedProgram program(StartedProgram::RawFile{shippedDatabase()});
    ASSERT_TRUE(program.started);
    auto settle = [] { StartedProgram::settle(); };

    // The input window on every trigram, above and below, with both captions of its check box.
    InputWindow* input = InputWindow::instance();
    input->wakeup(false);
    for (int t = 0; t < 8; ++t) {
        input->Rtop_MouseDown(t);
        input->Rbottom_MouseDown(t);
        for (const bool checked : {false, true}) {
            input->CBnewHex->setValue(checked);
            expectWholeTexts(input, QString("trigram %1").arg(t));
        }
    }
    input->Close();
    settle();

    displayWindow* display = displayWindow::instance();
    display->newhex(62, true);
    display->newhex(1, true);
    settle();
    expectWholeTexts(display, "two hexagrams");

    W69changeInput* changes = W69changeInput::instance();
    changes->wakeup(1, 63);
    settle();
    expectWholeTexts(changes, "every line changing");
    changes->Close();

    HexSettings* settings = HexSettings::instance();
    settle();
    expectWholeTexts(settings, "fonts closed");
    settings->DisclosureTriangle1->setValue(true);
    settings->DisclosureTriangle1_Action();
    settle();
    expectWholeTexts(settings, "fonts open");
    settings->Close();
    settle();

    // The saved-chains window in its three modes and with both warnings in its heading.
    Whexchains* saved = Whexchains::instance();
    for (const int mode : {0, 2, 1}) {
        saved->wakeup(mode);
        settle();
        expectWholeTexts(saved, QString("mode %1").arg(mode));
    }
    saved->ef1[0]->setText(saved->ListBox1->Cell(0, 0));
    saved->PBsave->Push();
    expectWholeTexts(saved, "name warning");
    saved->ef1[0]->setText("a chain of two");
    saved->PBsave->Push();  // stored; the window closes
    settle();
    saved = Whexchains::instance();
    saved->wakeup(1);
    saved->ef1[0]->setText("the same chain again");
    saved->PBsave->Push();
    settle();
    expectWholeTexts(saved, "chain warning");
    saved->Close();
    settle();

    ChainPage* page = ChainPage::instance();
    page->wakeup(display->theHexChain);
    settle();
    expectWholeTexts(page, "the displayed chain");

    Wtext* report = Wtext::instance();
    report->wakeup();
    settle();
    expectWholeTexts(report, "the chain report");

    ListsWindow* lists = ListsWindow::instance();
    for (const int mode : {0, 1, 2}) {
        lists->WakeUp(mode);
        settle();
        expectWholeTexts(lists, QString("mode %1").arg(mode));
    }

    TableInputWindow* newTable = TableInputWindow::instance();
    for (const auto& [kind, table] : {std::pair{0, "ENGLISH_DEFAULT"}, std::pair{1, "TRIGRAMS_DEFAULT"}}) {
        newTable->wakeup(kind, table);
        settle();
        expectWholeTexts(newTable, table);
    }
    newTable->PB_default->Push();  // no creator: refused in the message line
    expectWholeTexts(newTable, "refused");
    newTable->Close();
    settle();

    // The editors on every record, so on the longest names the tables hold.
    WdbEditText* hexEditor = WdbEditText::instance();
    hexEditor->wakeup("ENGLISH_DEFAULT", false);
    for (int book = 1; book <= 64; ++book) {
        hexEditor->gotorecord(book, false);
        expectWholeTexts(hexEditor, QString("book %1").arg(book));
    }
    hexEditor->Close();
    settle();

    TRIGRAMINPUT* trigramEditor = TRIGRAMINPUT::instance();
    trigramEditor->wakeup("TRIGRAMS_DEFAULT", true);
    for (int t = 0; t < 8; ++t) {
        expectWholeTexts(trigramEditor, QString("record %1").arg(t));
        trigramEditor->PushButton2->Push();  // NEXT
    }
    trigramEditor->Close();
    settle();

    GotoHexWindow* goTo = GotoHexWindow::instance();
    for (const bool book : {true, false}) {
        goTo->wakeup(book, 1);
        settle();
        expectWholeTexts(goTo, book ? "book" : "boolean");
    }
    goTo->Close();

    showHelp("Hex Display Settings Window Help", HEXSETTINGSHELP());
    settle();
    expectWholeTexts(WHelp::instance(), "help");

    aboutWindow* about = aboutWindow::instance();
    settle();
    expectWholeTexts(about, "about");
}
