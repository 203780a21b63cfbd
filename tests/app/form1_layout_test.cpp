#include "app/form1_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace tidemark {
namespace {

bool Inside(const TwipRect& inner, int width, int height) {
    return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= width &&
           inner.top + inner.height <= height;
}

TEST(Form1Layout, ControlsFitTheirContainersAndFocusFollowsTheTabOrder) {
    const FormDescription& form = Form1Description();
    const TwipRect frame = Form1Control("Frame1").position;
    EXPECT_TRUE(Inside(frame, form.clientWidth, form.clientHeight));

    int expectedTabIndex = 0;
    bool focusablePart = true;
    std::set<std::pair<std::string_view, int>> names;
    for (const ControlDescription& control : Form1Controls()) {
        EXPECT_TRUE(names.insert({control.name, control.index}).second) << control.name;
        if (control.kind == ControlKind::Timer) continue;
        if (control.container == "Frame1")
            EXPECT_TRUE(Inside(control.position, frame.width, frame.height)) << control.name;
        else
            EXPECT_TRUE(Inside(control.position, form.clientWidth, form.clientHeight)) << control.name;
        if (control.tabIndex < 0) {
            focusablePart = false;
            continue;
        }
        EXPECT_TRUE(focusablePart) << control.name << " takes focus but comes after the others";
        EXPECT_EQ(control.tabIndex, expectedTabIndex++) << control.name;
    }
    EXPECT_EQ(expectedTabIndex, 9);
    EXPECT_THROW(Form1Control("Label1"), std::out_of_range);
    EXPECT_EQ(Form1Control("Label1", 2).caption, "Measure Interval");
}

}  // namespace
}  // namespace tidemark
