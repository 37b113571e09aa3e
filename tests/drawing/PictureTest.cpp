#include "core/M_globals.h"
#include "platform/Application.h"
#include "platform/Graphics.h"
#include "platform/VectorShapes.h"
#include "platform/Window.h"
#include "platform/WindowRegistry.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A picture with pixels of the given colours set.
struct Dot {
    int x, y;
    Color colour;
};
std::shared_ptr<Picture> pictureWith(int width, int height, int depth, std::initializer_list<Dot> dots) {
    auto picture = NewPicture(width, height, depth);
    Graphics& g = *picture->graphics();
    for (const Dot& d : dots) {
        g.ForeColor = d.colour;
        g.FillRect(d.x, d.y, 1, 1);
    }
    return picture;
}

const Color Black = RGB(0, 0, 0);
const Color Faint = RGB(250, 250, 252);
const Color DarkGrey = RGB(0, 0, 1);

}  // namespace

TEST(Picture, StartsWhiteAndKeepsExactColoursAtEveryDepth) {
    for (int depth : {16, 32}) {
        SCOPED_TRACE(depth);
        auto picture = pictureWith(4, 3, depth, {{1, 1, RGB(30, 100, 100)}, {2, 1, RGB(30, 30, 200)}});
        EXPECT_EQ(picture->Depth(), depth);
        EXPECT_EQ(picture->Pixel(0, 0), RGB(255, 255, 255));
        EXPECT_EQ(picture->Pixel(1, 1), RGB(30, 100, 100));
        EXPECT_EQ(picture->Pixel(2, 1), RGB(30, 30, 200));
    }
    EXPECT_EQ(NewPicture(0, 10, 32), nullptr);

    // A vector picture shows its shapes where it is drawn.
    auto overlay = NewPicture(20, 20, 0);
    auto line = std::make_shared<CurveShape>();
    line->X = 0, line->Y = 5, line->X2 = 20, line->Y2 = 5, line->BorderWidth = 2;
    overlay->Objects->Append(line);
    overlay->graphics()->ClearRect(0, 0, 20, 20);  // clearing leaves it transparent
    auto target = NewPicture(30, 30, 32);
    target->graphics()->DrawPicture(*overlay, 10, 10);
    EXPECT_EQ(target->Pixel(15, 15), Black);
    EXPECT_EQ(target->Pixel(5, 5), RGB(255, 255, 255));  // the overlay's own pixels are clear
}

TEST(PictureTrim, FindsTheLowestRowAndRightMostColumnOfInk) {
    struct Case {
        const char* name;
        std::initializer_list<Dot> dots;
        int top;
        int right;
    };
    const Case cases[] = {
        {"no ink", {}, 0, 0},
        {"ink in row and column 0 only", {{0, 0, Black}, {7, 0, Black}, {0, 9, Black}}, 9, 7},
        {"dark grey below and right of the black counts", {{4, 12, Black}, {18, 25, DarkGrey}}, 25, 18},
        {"so does the faint grey at the edge of antialiased text", {{4, 12, Black}, {9, 22, Faint}}, 22, 9},
        {"the bottom row and the last column", {{19, 29, Black}}, 29, 19},
        {"several", {{3, 3, Black}, {12, 8, Black}, {5, 20, Black}}, 20, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto picture = pictureWith(20, 30, 16, c.dots);
        EXPECT_EQ(M_globals::findWhiteSpaceTop(*picture), c.top);
        EXPECT_EQ(M_globals::findWhiteSpaceRight(*picture), c.right);
    }
}

TEST(PictureTrim, CutsToTenRowsBelowTheLowestInkedRow) {
    struct Case {
        const char* name;
        int width, height;
        std::initializer_list<Dot> dots;
        int expectedHeight;  // equal to height: left as it was
    };
    const Case cases[] = {
        {"the display's first drawing", 250, 500, {{40, 299, Black}}, 309},
        {"exactly y + 10 rows high", 250, 309, {{40, 299, Black}}, 309},
        {"one row more", 250, 310, {{40, 299, Black}}, 309},
        {"fewer rows than y + 10", 250, 305, {{40, 299, Black}}, 305},
        {"no black at all", 430, 500, {}, 10},
        {"black only in row 0", 20, 30, {{3, 0, Black}}, 10},
        {"faint grey counts", 20, 60, {{3, 5, Black}, {3, 40, Faint}}, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto original = pictureWith(c.width, c.height, 16, c.dots);
        auto picture = original;
        M_globals::trimpicture(picture);
        EXPECT_EQ(picture->Width(), c.width);
        EXPECT_EQ(picture->Height(), c.expectedHeight);
        if (c.expectedHeight == c.height) {
            EXPECT_EQ(picture, original);  // the same picture, depth kept
            EXPECT_EQ(picture->Depth(), 16);
        } else {
            EXPECT_EQ(picture->Depth(), 32);
            for (const Dot& d : c.dots) {
                if (d.y < c.expectedHeight) {
                    EXPECT_EQ(picture->Pixel(d.x, d.y), d.colour);
                }
            }
        }
    }
}

TEST(PictureTrim, OnAColouredBackgroundOnlyWhatDiffersFromItIsInk) {
    const Color paper = RGB(240, 230, 200);
    auto picture = pictureWith(20, 60, 16, {});
    picture->graphics()->ForeColor = paper;
    picture->graphics()->FillRect(0, 0, 20, 60);
    picture->graphics()->ForeColor = Black;
    picture->graphics()->FillRect(3, 5, 1, 1);
    EXPECT_EQ(M_globals::findWhiteSpaceTop(*picture, paper), 5);
    EXPECT_EQ(M_globals::findWhiteSpaceRight(*picture, paper), 3);
    EXPECT_EQ(M_globals::findWhiteSpaceTop(*picture), 59);  // on white, the fill itself is ink
    M_globals::trimpicture(picture, paper);
    EXPECT_EQ(picture->Height(), 15);
}

namespace {

// A window of the platform's list that counts its refreshes.
class TestWindow : public Window, public RefreshableWindow {
public:
    explicit TestWindow(std::function<void()> onRefresh) : onRefresh(std::move(onRefresh)) {}
    void refreshAfterTablesChanged() override {
        ++refreshed;
        if (onRefresh) onRefresh();
    }
    int refreshed = 0;
    std::function<void()> onRefresh;
};

TestWindow* openTestWindow(std::function<void()> onRefresh = {}) {
    auto* window = new TestWindow(std::move(onRefresh));
    window->startUp();
    return window;
}

// A window of the list that is not refreshable.
class OtherWindow : public Window {};

}  // namespace

TEST(UpdateWindows, RefreshesEachOpenWindowOnceWhileWindowsComeAndGo) {
    Application application;
    application.Start();
    M_globals::updatewindows();  // no window is open: nothing happens
    windowInstance<OtherWindow>();  // never touched

    QPointer<TestWindow> closing;
    QPointer<TestWindow> opened;
    // The rearmost window's refresh closes a window whose turn is still to come and opens a new one.
    TestWindow* first = openTestWindow([&] {
        closing->Close();
        opened = openTestWindow();
    });
    closing = openTestWindow();
    TestWindow* last = openTestWindow();

    M_globals::updatewindows();
    EXPECT_EQ(first->refreshed, 1);
    EXPECT_EQ(last->refreshed, 1);
    ASSERT_TRUE(closing);
    EXPECT_TRUE(closing->isClosed());
    EXPECT_EQ(closing->refreshed, 0);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->refreshed, 0);  // opened during the walk: not in its snapshot

    first->onRefresh = {};
    M_globals::updatewindows();
    EXPECT_EQ(first->refreshed, 2);
    EXPECT_EQ(last->refreshed, 2);
    EXPECT_EQ(opened->refreshed, 1);
}
