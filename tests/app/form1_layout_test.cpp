#include "app/form1_layout.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

bool Inside(const TwipRect& inner, int width, int height) {
    return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= width && inner.top + inner.height <= height;
}

TEST(Form1Layout, ControlsFitTheirContainersAndTheFocusableOnesComeFirstInTabOrder) {
    const FormDescription& form = Form1Description();
    const TwipRect frame = Form1Control("Frame1").position;
    EXPECT_TRUE(Inside(frame, form.clientWidth, form.clientHeight));
    int tabIndex = 0;
    for (const ControlDescription& control : Form1Controls()) {
        if (control.kind == ControlKind::Timer) continue;
        const bool inFrame = control.container == "Frame1";
        EXPECT_TRUE(Inside(control.position, inFrame ? frame.width : form.clientWidth,
                           inFrame ? frame.height : form.clientHeight))
            << control.name;
        if (control.tabIndex < 0) continue;
        EXPECT_EQ(control.tabIndex, tabIndex) << control.name;
        ++tabIndex;
    }
    EXPECT_EQ(tabIndex, 10);
    EXPECT_EQ(Form1Control("Label1", 2).caption, "Measure Interval");
    EXPECT_THROW(Form1Control("Label1"), std::out_of_range);
}

}  // namespace
}  // namespace tidemark
