#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "qt/app_icon.h"

namespace tidemark::qt {
namespace {

TEST(AppIcon, TheBuiltInCopyHasEveryThemeSizeDrawnAtThatSize) {
    const QIcon icon = BuiltInIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        const QImage drawn = icon.pixmap(QSize(size, size)).toImage();
        EXPECT_EQ(drawn.size(), QSize(size, size)) << size;
        // Opaque in the middle: the tile, not an empty frame.
        EXPECT_EQ(qAlpha(drawn.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(AppIcon, TheWindowsGetAnIconWithOrWithoutTheTheme) {
    EXPECT_FALSE(ApplicationIcon().isNull());
    EXPECT_FALSE(ApplicationIcon().pixmap(QSize(32, 32)).isNull());
}

}  // namespace
}  // namespace tidemark::qt
