// The window layer under the program's windows: instances, the window list, sheets and the
// controls.
#include "platform/Application.h"
#include "platform/Beep.h"
#include "platform/Clipboard.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Listbox.h"
#include "platform/Window.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace {

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A running application without windows of its own.
class PlatformFixture : public ::testing::Test {
protected:
    void SetUp() override { application.Start(); }
    void TearDown() override {
        closeAllWindows();
        settle();
    }
    Application application;
};

// A window that notes its events.
class NotingWindow : public Window {
public:
    QStringList events;
    void Event_Open() override { events << "open"; }
    void Event_Close() override { events << "close"; }
    void Event_Activate() override { events << "activate"; }
};
class FirstKind : public NotingWindow {};
class SecondKind : public NotingWindow {};

// A window whose button closes it and then goes on using the window.
class SelfClosingWindow : public Window {
public:
    SelfClosingWindow() {
        button = new PushButton(this, "PushButton1", 10, 10, 80, 20, "close");
        connect(button, &PushButton::Action, this, [this] {
            Close();
            setTitle("still here");  // the window is deleted later, not under this handler
        });
    }
    PushButton* button;
};

// Windows of a given content size; a placed one also has a position of its own.
template <int Kind>
class SizedWindow : public Window {
public:
    static inline QSize size{200, 100};
    static inline std::optional<QPoint> position;
    SizedWindow() {
        if (position) setBounds(position->y(), position->x(), size.height(), size.width());
        else {
            setWidth(size.width());
            setHeight(size.height());
        }
        setResizeable(false);
    }
};
using OwnerWindow = SizedWindow<0>;
using OpenedWindow = SizedWindow<1>;

// A window that says something while it opens, before it is on screen.
class TellingWindow : public SizedWindow<2> {
public:
    void Event_Open() override { MsgBox("opening"); }
};

QRect availableArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

}  // namespace

TEST_F(PlatformFixture, EachWindowClassHasOneInstanceMadeByItsAccessorAndOpenedAtOnce) {
    FirstKind* first = windowInstance<FirstKind>();
    EXPECT_EQ(first->events, QStringList({"open", "activate"}));
    EXPECT_EQ(windowInstance<FirstKind>(), first);
    SecondKind* second = windowInstance<SecondKind>();
    EXPECT_NE(static_cast<Window*>(second), static_cast<Window*>(first));
    EXPECT_EQ(WindowCount(), 2);
    EXPECT_EQ(windowAt(0), second);
    EXPECT_EQ(windowAt(1), first);
    EXPECT_EQ(windowAt(2), nullptr);
}

TEST_F(PlatformFixture, TheListGoesFrontToBackByActivation) {
    FirstKind* first = windowInstance<FirstKind>();
    SecondKind* second = windowInstance<SecondKind>();
    first->events.clear();
    second->events.clear();

    first->Show();
    EXPECT_EQ(frontWindow(), first);
    EXPECT_EQ(first->events, QStringList{"activate"});
    first->Show();  // already in front: no second activation
    EXPECT_EQ(first->events, QStringList{"activate"});

    first->Hide();  // to the back; the next one comes to the front
    EXPECT_EQ(windowAt(1), first);
    EXPECT_EQ(frontWindow(), second);
    EXPECT_EQ(second->events, QStringList{"activate"});
    EXPECT_FALSE(first->Visible());

    QPointer<SecondKind> closed = second;
    EXPECT_TRUE(second->Close());
    EXPECT_EQ(second->events, QStringList({"activate", "close"}));
    EXPECT_EQ(WindowCount(), 1);
    EXPECT_EQ(findWindow<SecondKind>(), nullptr);
    EXPECT_TRUE(closed);  // deleted later
    settle();
    EXPECT_FALSE(closed);
    EXPECT_NE(windowInstance<SecondKind>(), nullptr);  // a new one
}

TEST_F(PlatformFixture, AWindowClosedByItsOwnHandlerIsDeletedAfterTheHandler) {
    QPointer<SelfClosingWindow> window = windowInstance<SelfClosingWindow>();
    QTest::mouseClick(window->button, Qt::LeftButton);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isClosed());
    EXPECT_EQ(window->Title(), "still here");
    settle();
    EXPECT_FALSE(window);
}

TEST_F(PlatformFixture, ASheetStaysInFrontOfItsParent) {
    FirstKind* parent = windowInstance<FirstKind>();
    SecondKind* sheet = windowInstance<SecondKind>();
    sheet->setSheetParent(parent);
    EXPECT_EQ(parent->blockingSheet(), sheet);
    EXPECT_TRUE(sheet->isVisible());  // a window on screen stays there as it becomes a sheet
    parent->Show();
    EXPECT_EQ(windowAt(0), sheet);
    EXPECT_EQ(windowAt(1), parent);
}

TEST_F(PlatformFixture, AModalSheetReturnsWhenItCloses) {
    FirstKind* parent = windowInstance<FirstKind>();
    QPointer<SecondKind> sheet = windowInstance<SecondKind>();
    QTimer::singleShot(0, sheet, [sheet] { sheet->Close(); });
    sheet->ShowModalWithin(parent);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->isClosed());
    EXPECT_EQ(frontWindow(), parent);
}

TEST_F(PlatformFixture, TextControlsKeepCarriageReturnLineEnds) {
    auto* window = windowInstance<FirstKind>();
    const QString text = "one" + QString(QChar(13)) + "two";
    auto* field = new EditField(window, "EditField1", 0, 0, 200, 100, true);
    field->setText(text);
    EXPECT_EQ(field->Text(), text);
    EXPECT_EQ(field->textEdit()->toPlainText(), "one\ntwo");  // shown on two lines
    field->setSelStart(field->Text().size());
    QTest::keyClick(field->textEdit(), Qt::Key_Return);
    QTest::keyClicks(field->textEdit(), "x");
    EXPECT_EQ(field->Text(), text + QChar(13) + "x");
    field->setSelStart(1);
    field->setSelLength(5);
    EXPECT_EQ(field->SelText(), "ne" + QString(QChar(13)) + "tw");

    auto* label = new StaticText(window, "StaticText1", 0, 120, 200, 40, text);
    EXPECT_EQ(label->Text(), text);
    EXPECT_EQ(static_cast<QLabel*>(label)->text(), "one\ntwo");
    EXPECT_EQ(window->findChild<StaticText*>("StaticText1"), label);
    label->setIndex(3);
    EXPECT_EQ(window->findChild<StaticText*>("StaticText1(3)"), label);

    // Text on the clipboard from other programs: each line end, "\r\n" too, is one CR.
    for (const char* pasted : {"one\ntwo", "one\r\ntwo"}) {
        SCOPED_TRACE(pasted);
        QGuiApplication::clipboard()->setText(pasted);
        EXPECT_EQ(Clipboard().Text(), text);
    }
}

// A text wider than its control widens the control about the side or centre the text keeps; a
// window edge it would cross moves it back in; a text that fits, or wraps within the height, keeps
// the layout's rectangle.
TEST_F(PlatformFixture, ALabelOrButtonGrowsToItsWholeTextAboutItsAlignment) {
    auto* window = windowInstance<FirstKind>();
    window->setWidth(300);
    const QString longText = "a caption much longer than its place";
    struct Case {
        const char* name;
        int left, width, height, align;
        bool multiline;
        const char* text;
        enum { Kept, LeftKept, CentreKept, RightKept, AtLeftEdge, AtWindowEdge } expect;
    };
    const Case cases[] = {
        {"fits", 20, 200, 20, 1, false, "short", Case::Kept},
        {"left", 20, 40, 20, 1, false, nullptr, Case::LeftKept},
        {"centred", 130, 40, 20, 2, false, nullptr, Case::CentreKept},
        {"left edge", 10, 40, 20, 2, false, nullptr, Case::AtLeftEdge},
        {"right", 200, 40, 20, 3, false, nullptr, Case::RightKept},
        {"right edge", 250, 40, 20, 1, false, nullptr, Case::AtWindowEdge},
        {"wraps in its height", 20, 120, 80, 1, true, nullptr, Case::Kept},
        {"too low to wrap", 20, 120, 20, 1, true, nullptr, Case::LeftKept},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = c.text ? QString(c.text) : longText;
        auto* label = new StaticText(window, c.name, c.left, 10, c.width, c.height, "");
        label->setTextAlign(c.align);
        label->setMultiline(c.multiline);
        label->setText(text);
        const int needed = label->fontMetrics().horizontalAdvance(text);
        switch (c.expect) {
        case Case::Kept: EXPECT_EQ(label->geometry(), QRect(c.left, 10, c.width, c.height)); break;
        case Case::LeftKept: EXPECT_EQ(label->Left(), c.left); break;
        case Case::CentreKept: EXPECT_NEAR(label->Left() + label->Width() / 2.0, c.left + c.width / 2.0, 1); break;
        case Case::RightKept: EXPECT_EQ(label->Left() + label->Width(), c.left + c.width); break;
        case Case::AtLeftEdge: EXPECT_EQ(label->Left(), 0); break;
        case Case::AtWindowEdge: EXPECT_EQ(label->Left() + label->Width(), 300); break;
        }
        if (c.expect != Case::Kept) {
            EXPECT_GE(label->Width(), needed);
        }
        EXPECT_EQ(label->Top(), 10);
        EXPECT_EQ(label->Height(), c.height);
    }
    // A button grows about its centre, when its caption changes too; a narrow caption keeps its width.
    auto* button = new PushButton(window, "PushButton1", 100, 50, 40, 20, "OK");
    EXPECT_EQ(button->geometry(), QRect(100, 50, 40, 20));
    button->setCaption(longText);
    EXPECT_GT(button->Width(), button->fontMetrics().horizontalAdvance(longText));
    EXPECT_NEAR(button->Left() + button->Width() / 2.0, 120, 1);
}

// A text far too long for any window is shown cut, with an ellipsis, to what the window holds; the
// program reads it back whole, and the tool tip shows it.
TEST_F(PlatformFixture, AHugeTextIsShownCutToItsWindowAndKeptWhole) {
    auto* window = windowInstance<FirstKind>();
    window->setWidth(300);
    const QString huge = QString("Heaven ").repeated(150000);  // a megabyte
    struct Case {
        const char* name;
        QString text;
        bool multiline;
    };
    const Case cases[] = {
        {"one line", huge, false},
        {"wrapped", huge, true},
        {"a short line under a huge one", huge + QChar(13) + "the lake", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* label = new StaticText(window, "label", 20, 10, 100, 40, "");
        label->setMultiline(c.multiline);
        label->setText(c.text);
        EXPECT_EQ(label->Text(), c.text);
        EXPECT_GE(label->Left(), 0);
        EXPECT_LE(label->Left() + label->Width(), 300);
        const QStringList lines = label->QLabel::text().split('\n');
        EXPECT_TRUE(lines.first().endsWith(QChar(0x2026)));
        const QRect room = label->contentsRect();
        const QRect shown = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 32000),
                                                              c.multiline ? Qt::TextWordWrap : 0, label->QLabel::text());
        EXPECT_LE(shown.width(), room.width());
        if (c.multiline) {
            EXPECT_LE(shown.height(), room.height());
        }
        EXPECT_EQ(lines.last(), lines.size() > 1 ? "the lake" : lines.first());
        EXPECT_TRUE(label->toolTip().contains("Heaven Heaven"));
        EXPECT_LT(label->toolTip().size(), 3000);
        // Shortened again, the text is whole and needs no tip.
        label->setText("the lake");
        EXPECT_EQ(label->QLabel::text(), "the lake");
        EXPECT_TRUE(label->toolTip().isEmpty());
        delete label;
    }
    auto* list = new Listbox(window, "list", 0, 60, 300, 100, 2);
    list->AddRows({{huge, "1"}, {"short", huge}});
    list->AddRow("added");
    list->setCell(2, 1, huge);
    for (const auto& [row, column] : {std::pair{0, 0}, {1, 1}, {2, 1}}) {
        SCOPED_TRACE(QString("row %1, column %2").arg(row).arg(column).toStdString());
        EXPECT_EQ(list->Cell(row, column), huge);
        EXPECT_LT(list->topLevelItem(row)->text(column).size(), 5000);
        EXPECT_TRUE(list->topLevelItem(row)->text(column).endsWith(QChar(0x2026)));
        EXPECT_TRUE(list->topLevelItem(row)->toolTip(column).contains("Heaven Heaven"));
    }
    EXPECT_EQ(list->Cell(0, 1), "1");
    EXPECT_EQ(list->Cell(1, 0), "short");
    list->setCell(2, 1, "short again");
    EXPECT_EQ(list->Cell(2, 1), "short again");
    EXPECT_TRUE(list->topLevelItem(2)->toolTip(1).isEmpty());
}

TEST_F(PlatformFixture, ReturnAndEscapePushTheDefaultAndTheCancelButton) {
    auto* window = windowInstance<FirstKind>();
    auto* ok = new PushButton(window, "ok", 10, 10, 80, 20, "set");
    auto* cancel = new PushButton(window, "cancel", 100, 10, 80, 20, "cancel");
    ok->setDefault(true);
    cancel->setCancel(true);
    QStringList pushed;
    QObject::connect(ok, &PushButton::Action, [&] { pushed << "set"; });
    QObject::connect(cancel, &PushButton::Action, [&] { pushed << "cancel"; });
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(pushed, QStringList({"set", "cancel"}));
    ok->setVisible(false);  // a hidden default button is not pushed
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(pushed.size(), 2);
    EXPECT_FALSE(ok->Visible());
    EXPECT_TRUE(cancel->Visible());
}

TEST_F(PlatformFixture, PopUpsReportEveryChangeAndScrollBarsKeepTheirMaximum) {
    auto* window = windowInstance<FirstKind>();
    auto* popup = new PopupMenu(window, "PopupMenu1", 0, 0, 60, 20);
    for (const char* row : {"10", "12", "14"}) popup->AddRow(row);
    int changes = 0;
    QObject::connect(popup, &PopupMenu::Change, [&] { ++changes; });
    popup->setListIndex(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(popup->Text(), "14");

    auto* bar = new ScrollBar(window, "SB", 0, 30, 200, 15, true);
    bar->setMinimum(0);
    bar->setMaximum(-40);
    EXPECT_EQ(bar->Maximum(), -40);
    EXPECT_EQ(bar->Value(), 0);
    bar->setMaximum(100);
    bar->setValue(70);
    EXPECT_EQ(bar->Value(), 70);

    // A control's visibility is its own: shown in a hidden window.
    window->Hide();
    EXPECT_TRUE(bar->Visible());
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(PlatformFixture, WindowsOpenWhollyOnTheScreenAndOverTheWindowTheyCameFrom) {
    const QRect area = availableArea();
    struct Case {
        const char* name;
        QPoint owner;                   // the owner's top left
        QSize size;                     // the opened window's content size
        std::optional<QPoint> position; // the opened window's own position, if it has one
        bool sheet;
        bool centred;                   // centred over the owner (else only on the screen)
        bool onScreen = false;          // placed on the owner's screen, not over it
    } cases[] = {
        {"a window without a place of its own", {100, 120}, {200, 100}, std::nullopt, false, true},
        {"a sheet", {150, 80}, {260, 150}, std::nullopt, true, true},
        {"a sheet placed on its window's screen", {150, 80}, {260, 150}, std::nullopt, true, false, true},
        {"a sheet of a window in the corner", {area.right() - 320, area.bottom() - 240}, {400, 300},
         std::nullopt, true, false},
        {"a window placed below the bottom", {100, 100}, {200, 150}, QPoint(50, area.bottom() - 40), false, false},
        {"a window placed off the left and top", {100, 100}, {200, 150}, QPoint(-150, -90), false, false},
        {"a fixed window larger than the screen", {100, 100}, {area.width() + 50, area.height() + 50},
         std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OwnerWindow::size = {300, 200};
        OwnerWindow::position = c.owner;
        OpenedWindow::size = c.size;
        OpenedWindow::position = c.position;
        OwnerWindow* owner = windowInstance<OwnerWindow>();
        ASSERT_TRUE(area.contains(owner->frameGeometry()));
        OpenedWindow* opened = new OpenedWindow();
        if (c.onScreen) opened->setPlacement(Window::Placement::OnItsWindowsScreen);
        if (c.sheet) opened->setSheetParent(owner);
        opened->startUp();
        ASSERT_TRUE(opened->isVisible());
        EXPECT_EQ(QSize(opened->Width(), opened->Height()), c.size);
        const QRect frame = opened->frameGeometry();
        if (c.size.width() < area.width()) {
            EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y();
        } else {  // its top left corner, with the title and menus, shows
            EXPECT_EQ(frame.topLeft(), area.topLeft());
        }
        if (c.centred) {
            const QPoint offset = opened->geometry().center() - owner->geometry().center();
            EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
        }
        if (c.onScreen) {
            const QPoint offset = frame.center() - area.center();
            EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
        }
        closeAllWindows();
        settle();
    }
}

// A dialog belongs to the front window of the platform's list, whatever window the window system
// has made active meanwhile; one still opening is first placed where it will show, so the dialog
// is centred over it there.
TEST_F(PlatformFixture, ADialogIsCentredOverTheWindowItBelongsToEvenOneStillOpening) {
    ScriptedDialogs dialogs;
    MsgBox("no window");
    const QRect area = availableArea();
    OwnerWindow::size = {300, 200};
    OwnerWindow::position = area.topLeft() + QPoint(10, 40);
    OwnerWindow* owner = windowInstance<OwnerWindow>();
    TellingWindow::size = {500, 400};  // over a window in the corner: moved on to the screen
    TellingWindow::position = std::nullopt;
    TellingWindow* opened = windowInstance<TellingWindow>();
    owner->Show();
    MsgBox("behind");
    ASSERT_EQ(dialogs.messages, QStringList({"no window", "opening", "behind"}));
    ASSERT_EQ(dialogs.owners.size(), 3u);
    EXPECT_EQ(dialogs.owners[0], nullptr);
    EXPECT_EQ(dialogs.owners[1], opened);
    EXPECT_EQ(dialogs.ownerCentres[1], opened->geometry().center());  // where it came on screen
    EXPECT_NE(opened->geometry().center(), owner->geometry().center());
    EXPECT_EQ(dialogs.owners[2], owner);
}

TEST(ListColumns, EachColumnKeepsItsContentsWidthWhileAllFitAndTakesItsShareWhereItIsMore) {
    struct Case {
        const char* name;
        std::vector<int> natural;
        std::vector<double> shares;
        int available;
        std::vector<int> expected;
    } cases[] = {
        {"contents, room to spare in proportion", {50, 100}, {}, 300, {100, 200}},
        {"contents, too narrow: the widest cut", {50, 200, 60}, {}, 200, {50, 90, 60}},
        {"shares that all hold their contents", {100, 52, 40, 50}, {0.6, 0.1, 0.1, 0.2}, 520, {312, 52, 52, 104}},
        {"a share below its contents: the others give way", {100, 62, 40, 50}, {0.6, 0.1, 0.1, 0.2}, 520, {304, 62, 51, 102}},
        {"shares, too narrow: the widest cut", {100, 62, 40, 50}, {0.6, 0.1, 0.1, 0.2}, 200, {55, 55, 40, 50}},
        {"a share of 0 hides its column", {100, 60}, {1.0, 0.0}, 300, {300, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fitColumnWidths(c.natural, c.shares, c.available), c.expected);
    }
}

TEST_F(PlatformFixture, ABeepIsAlsoSeenAsABriefTintOverTheWindowInFront) {
    FirstKind* back = windowInstance<FirstKind>();
    SecondKind* front = windowInstance<SecondKind>();
    ASSERT_EQ(frontWindow(), front);
    const int beeps = beepCount();
    Beep();
    EXPECT_EQ(beepCount(), beeps + 1);
    QPointer<QWidget> tint = front->findChild<QWidget*>("beepFlash");
    ASSERT_TRUE(tint);
    EXPECT_TRUE(tint->isVisible());
    EXPECT_EQ(tint->geometry(), front->rect());
    EXPECT_TRUE(tint->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(back->findChild<QWidget*>("beepFlash"), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tint.isNull(); }, 5000));  // it goes by itself
}

TEST_F(PlatformFixture, AWindowWithoutACloseBoxAsksForNoneAndRefusesAClose) {
    FirstKind* plain = windowInstance<FirstKind>();
    SecondKind* boxless = windowInstance<SecondKind>();
    boxless->setCloseButton(false);
    EXPECT_TRUE(plain->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(boxless->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(boxless->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(boxless->windowFlags() & Qt::WindowMaximizeButtonHint);
    boxless->setResizeable(false);  // a fixed size cannot be maximised
    EXPECT_FALSE(boxless->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(boxless->isVisible());

    // A close box that the window manager draws anyway: the window stays and the refusal shows.
    const int beeps = beepCount();
    boxless->close();
    EXPECT_FALSE(boxless->isClosed());
    EXPECT_TRUE(boxless->isVisible());
    EXPECT_EQ(beepCount(), beeps + 1);
    plain->close();
    EXPECT_TRUE(plain->isClosed());
    EXPECT_EQ(beepCount(), beeps + 1);
}

namespace {

// A window that refuses to close while it is told to, counting the times it is asked (beyond its
// own life, since a closed window is deleted).
class RefusingWindow : public NotingWindow {
public:
    bool refuse = true;
    static inline int asked = 0;
    bool Event_CancelClose() override {
        ++asked;
        return refuse;
    }
};

}  // namespace

TEST(PlatformQuit, AWindowThatRefusesToCloseCallsTheQuitOff) {
    Application application;
    application.Start();
    RefusingWindow::asked = 0;
    FirstKind* first = windowInstance<FirstKind>();
    RefusingWindow* refusing = windowInstance<RefusingWindow>();
    const QPointer<Window> firstAlive(first), refusingAlive(refusing);

    application.Quit(3);
    settle();
    EXPECT_EQ(RefusingWindow::asked, 1);
    EXPECT_FALSE(application.hasShutDown());
    EXPECT_FALSE(application.quitRequested());
    EXPECT_EQ(WindowCount(), 2);  // neither the refusing window nor the other one closed
    EXPECT_FALSE(first->events.contains("close"));

    refusing->refuse = false;
    application.Quit(4);
    settle();
    EXPECT_EQ(RefusingWindow::asked, 2);  // asked once more, and not again while closing
    EXPECT_TRUE(application.hasShutDown());
    EXPECT_EQ(application.exitCode(), 4);
    EXPECT_EQ(WindowCount(), 0);
    settle();
    EXPECT_FALSE(firstAlive);
    EXPECT_FALSE(refusingAlive);
}

TEST_F(PlatformFixture, BoundsSetByCodeAtTheLimitsOfIntAreHeldWithoutOverflow) {
    FirstKind* window = windowInstance<FirstKind>();
    const int most = std::numeric_limits<int>::max(), least = std::numeric_limits<int>::min();
    struct Case {
        int top, left, height, width;
    } cases[] = {{most, most, most, most}, {least, least, least, least}, {0, 0, most, most}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.top);
        window->setBounds(c.top, c.left, c.height, c.width);
        EXPECT_GE(window->Height(), 0);
        EXPECT_GE(window->Width(), 0);
        window->setHeight(c.height);
        window->setWidth(c.width);
        window->keepOnScreen();
        EXPECT_TRUE(availableArea().intersects(window->geometry()));
    }
    const WindowBounds parsed = parseBounds("99999999999,-99999999999,2147483648,x");
    EXPECT_EQ(parsed.Top, most);
    EXPECT_EQ(parsed.Left, least);
    EXPECT_EQ(parsed.Height, most);
    EXPECT_EQ(parsed.Width, 0);
    EXPECT_FALSE(applyStoredBounds(*window, parsed));
}
