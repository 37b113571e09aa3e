#include "ShellSupport.h"

#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

TEST(StartUp, ShowsTheDisplayAndTheInputWindow) {
    StartedProgram program;
    ASSERT_TRUE(program.started);
    ASSERT_EQ(WindowCount(), 2);
    EXPECT_NE(dynamic_cast<InputWindow*>(windowAt(0)), nullptr);
    EXPECT_NE(dynamic_cast<displayWindow*>(windowAt(1)), nullptr);
    EXPECT_TRUE(windowAt(0)->isVisible());
    EXPECT_TRUE(windowAt(1)->isVisible());
}
TEST(StartUp, Debug) {
    StartedProgram program;
    for (int i = 0; i < WindowCount(); ++i)
        printf("%d %s opened=%d visible=%d\n", i, windowAt(i)->metaObject()->className(), windowAt(i)->isOpened(), windowAt(i)->isVisible());
    printf("messages: %s\n", qPrintable(program.dialogs.messages.join("|")));
}
