// Selecting a hexagram or a transition with the mouse, the frame that shows it, and Talk mode.
#include "DisplaySupport.h"

#include "app/MenuBar1.h"
#include "core/M_globals.h"
#include "platform/Menus.h"
#include "platform/VectorShapes.h"

#include <QTest>

namespace {
const QString Tab(QChar(9));
}

using Selection = DisplayTest;

TEST_F(Selection, AClickSelectsWhatItHitsAndFramesIt) {
    build({63, 0, 21});
    struct Case {
        int x;
        int number;  // 0: nothing hit, the selection is cleared
        bool transition;
        double frameX, frameWidth;
    } cases[] = {
        {100, 1, false, 127, 247}, {300, 1, true, 335, 185},  {500, 2, false, 557, 247},
        {1000, 3, false, 987, 247}, {1200, 0, false, 0, 0},    // no transition after the last
        {250, 0, false, 0, 0},      {430, 0, false, 0, 0},      {680, 0, false, 0, 0},
        {750, 2, true, 765, 185},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        clickAt(c.x == 100 ? 500 : 100);  // something else selected before each click
        clickAt(c.x);
        if (!c.number) {
            EXPECT_FALSE(display->isrecordtoedit);
            EXPECT_EQ(display->recordtoedit, -1);
            EXPECT_EQ(display->selbuffer->Count(), 0);
            continue;
        }
        EXPECT_TRUE(display->isrecordtoedit);
        EXPECT_EQ(display->recordtoedit, c.number);
        EXPECT_EQ(display->recordtoeditis6and9, c.transition);
        ASSERT_EQ(display->selbuffer->Count(), 1);
        EXPECT_EQ(display->selbuffer->Item(0), display->RectSel);
        EXPECT_EQ(display->RectSel->X, c.frameX);
        EXPECT_EQ(display->RectSel->Width, c.frameWidth);
        EXPECT_EQ(display->RectSel->Y, 250);
        EXPECT_EQ(display->RectSel->Height, 500);
    }
}

TEST_F(Selection, TheFrameIsABlackBorderOverTheWholeHeight) {
    build({63, 0, 21});
    clickAt(500);  // hexagram 2: x 433.5 .. 680.5
    const QImage frame = overlay();
    struct Point {
        int x, y;
        bool black;
    } points[] = {
        {433, 250, true}, {434, 250, true}, {680, 250, true}, {681, 250, true},  // the two sides, 2 wide
        {436, 250, false}, {557, 250, false}, {679, 250, false},                // not filled
        {432, 250, false}, {682, 250, false},
        {557, 0, true}, {557, 499, true},  // top and bottom edges at the picture's edges
    };
    for (const Point& p : points) {
        const QColor colour = frame.pixelColor(p.x, p.y);
        EXPECT_EQ(colour == QColor(0, 0, 0) && colour.alpha() == 255, p.black) << p.x << "," << p.y;
    }
    EXPECT_FALSE(hasInk(drawing(), 433, 250, 2, 1)) << "the frame lies in the overlay, not the drawing";

    // The canvas paints the frame over the drawing, at the scroll offset.
    display->scrollbarH->setValue(430);
    const QImage shown = display->Canvas1->grab().toImage();
    EXPECT_EQ(shown.pixelColor(4, 250), QColor(0, 0, 0));
    EXPECT_EQ(shown.pixelColor(100, 39), QColor(30, 30, 200));  // figure 2 (code 0), left half of line 6
}

TEST_F(Selection, TheFrameLeavesTheTransitionTextClear) {
    build({63, 0, 21});
    // The first transition's text: its inked columns in the gap, and a row through its lines.
    const QImage text = drawing();
    int left = -1, right = -1, row = -1;
    for (int x = 250; x < 430; ++x)
        if (const int first = firstInkRow(text, x, 0, 1, text.height()); first >= 0) {
            if (left < 0) left = x, row = first + 4;
            right = x;
        }
    ASSERT_GE(left, 250);
    EXPECT_GE(left, 256) << "the text starts a few pixels into its gap";
    struct Case {
        const char* what;
        int click;
    } cases[] = {{"hexagram 1", 100}, {"transition 1", 300}, {"hexagram 2", 500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clickAt(1200);  // nothing selected
        clickAt(c.click);
        ASSERT_EQ(display->selbuffer->Count(), 1);
        const QImage frame = overlay();
        int framed = 0;
        for (int x = 200; x < 480; ++x) {
            if (qAlpha(frame.pixel(x, row)) == 0) continue;
            ++framed;
            EXPECT_TRUE(x <= left - 3 || x >= right + 3) << "the frame at x " << x << " touches the text in " << left
                                                         << ".." << right;
        }
        EXPECT_GT(framed, 0) << "a side of the frame crosses the row";
    }
}

TEST_F(Selection, ClicksAsAUserMakesThem) {
    build({63, 0, 21});
    const QPoint inColumn1(100, 300);  // far below the texts
    QTest::mouseClick(display->Canvas1, Qt::LeftButton, {}, inColumn1);
    EXPECT_EQ(display->recordtoedit, 1);
    EXPECT_TRUE(display->isrecordtoedit);
    QTest::mouseClick(display->Canvas1, Qt::LeftButton, {}, inColumn1);  // the selected item again
    EXPECT_EQ(display->recordtoedit, -1);
    EXPECT_FALSE(display->isrecordtoedit);
    // Scrolled by one column, x 100 of the canvas is hexagram 2.
    display->scrollbarH->setValue(430);
    QTest::mouseClick(display->Canvas1, Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_EQ(display->recordtoedit, 2);
    QTest::mouseClick(display->Canvas1, Qt::LeftButton, {}, QPoint(300, 50));  // the gap after it
    EXPECT_EQ(display->recordtoedit, 2);
    EXPECT_TRUE(display->recordtoeditis6and9);
    EXPECT_EQ(display->RectSel->X, 765);

    // A new hexagram takes the frame away but not the selection.
    display->newhex(42, true);
    EXPECT_EQ(display->selbuffer->Count(), 0);
    EXPECT_EQ(display->recordtoedit, 2);
    EXPECT_TRUE(display->recordtoeditis6and9);
    EXPECT_TRUE(display->isrecordtoedit);
}

TEST_F(Selection, AClickInAnEmptyWindowClearsTheSelection) {
    clickAt(100);
    EXPECT_EQ(display->recordtoedit, -1);
    EXPECT_FALSE(display->isrecordtoedit);
    EXPECT_TRUE(speech.calls.empty());
}

using Talk = DisplayTest;

TEST_F(Talk, EverySpokenText) {
    // 63 -> 45 changes lines 2 and 5; 45 -> 21 lines 4, 5 and 6.
    build({63, 45, 21});
    struct Step {
        const char* what;
        std::function<void()> act;
        QStringList spoken;  // every call interrupts
    };
    const QString chain = "name63.desc63.judg63.  Next hexagram.name45.desc45.judg45.  Next hexagram.name21.desc21.judg21";
    const Step steps[] = {
        {"Talk on, nothing selected: the whole chain", [&] { ChooseMenuItem(display, "OptionsTalk"); }, {"  ", chain}},
        {"a hexagram clicked", [&] { clickAt(500); }, {"  ", "name45.  desc45judg45"}},
        {"a transition clicked",
         [&] { clickAt(300); },
         {"  ", "From name63 to name45.  Above: from tri7 to tri5.  Below: from tri7 to tri5. The transition is, " + Tab +
                    "line63.2" + Tab + "line63.5" + Tab}},
        {"the selected transition again: the whole chain", [&] { clickAt(300); }, {"  ", chain}},
        {"beside the chain: silence", [&] { clickAt(1200); }, {" "}},
        {"Talk off", [&] { ChooseMenuItem(display, "OptionsTalk"); }, {"Bye"}},
        {"clicks say nothing while Talk is off", [&] { clickAt(100); clickAt(1200); }, {}},
        {"Talk on with the last hexagram selected", [&] { clickAt(1000); ChooseMenuItem(display, "OptionsTalk"); },
         {"  ", "name21.  desc21judg21"}},
        {"a selection left past the end counts as none",
         [&] { display->recordtoedit = 4; display->doSpeech(); }, {"  ", chain}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        speech.calls.clear();
        step.act();
        EXPECT_EQ(speech.texts(), step.spoken);
        for (const auto& call : speech.calls) EXPECT_TRUE(call.interrupt);
    }
    // The Talk item carries a check mark while Talk is on.
    runEnablingPass(display);
    EXPECT_TRUE(OptionsTalk()->Checked());
    EXPECT_TRUE(OptionsTalk()->Enabled());
    ChooseMenuItem(display, "OptionsTalk");
    runEnablingPass(display);
    EXPECT_FALSE(OptionsTalk()->Checked());
    EXPECT_FALSE(M_globals::isspeaking);
}

TEST_F(Talk, OneHexagramAndAnEmptyChain) {
    display->_OptionsTalk_Action();
    EXPECT_EQ(speech.texts(), QStringList{"  "});  // nothing to speak but the interruption
    speech.calls.clear();
    display->_OptionsTalk_Action();
    EXPECT_EQ(speech.texts(), QStringList{"Bye"});
    build({42});
    speech.calls.clear();
    display->_OptionsTalk_Action();
    EXPECT_EQ(speech.texts(), (QStringList{"  ", "name42.desc42.judg42"}));
    EXPECT_EQ(display->gettransition(0), "");
    display->_OptionsTalk_Action();
}

namespace {
// An engine that notes what it is asked, and speaks until the test says it is done.
class NotingEngine : public SpeechEngine {
public:
    void say(const QString& text) override {
        asked << "say " + text;
        speaking = true;
    }
    void stop() override {
        asked << "stop";
        speaking = false;
    }
    bool isSpeaking() const override { return speaking; }
    QStringList asked;
    bool speaking = false;
};
}  // namespace

TEST(SystemSpeech, InterruptionsReplaceAndOtherTextsWaitTheirTurn) {
    NotingEngine engine;
    EngineSpeech speech(engine);
    auto ready = [&] {
        engine.speaking = false;
        speech.engineReady();
    };
    speech.speak("  ", true);
    EXPECT_EQ(engine.asked, QStringList{"stop"}) << "silence only stops";
    speech.speak("The Creative. Six unbroken lines.", true);
    speech.speak("Next", false);
    speech.speak("After", false);
    EXPECT_EQ(engine.asked, (QStringList{"stop", "say The Creative. Six unbroken lines."})) << "the others wait";
    ready();
    EXPECT_EQ(engine.asked.last(), "say Next");
    ready();
    EXPECT_EQ(engine.asked.last(), "say After");
    ready();
    EXPECT_EQ(engine.asked.size(), 4) << "nothing more waits";

    // An interruption drops what waits.
    engine.asked.clear();
    speech.speak("One", false);
    speech.speak("Two", false);
    speech.speak("Bye", true);
    ready();
    EXPECT_EQ(engine.asked, (QStringList{"say One", "say Bye"}));
    // With the engine idle, a text that need not interrupt is said at once.
    speech.speak("Three", false);
    EXPECT_EQ(engine.asked.last(), "say Three");

    // The system's engine takes the same calls, with or without an audio device, and the
    // program goes on.
    Speak("  ", true);
    Speak("The Creative. Six unbroken lines.", true);
    Speak("Next", false);
    Speak("Bye", true);
    for (int i = 0; i < 10; ++i) QTest::qWait(20);
}
