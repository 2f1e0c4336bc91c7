#include "app_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

namespace involute::ui::qt {
namespace {

class ApplicationIcon : public ::testing::TestWithParam<int> {};

// Every size a window manager may ask for is drawn at that size, not scaled
// from another, and shows the picture (opaque in the middle, transparent in
// the rounded corner).
TEST_P(ApplicationIcon, HasAnImageOfThisSize) {
    const int size = GetParam();
    const QIcon icon = applicationIcon();
    ASSERT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    const QImage image = icon.pixmap(QSize(size, size)).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

INSTANTIATE_TEST_SUITE_P(WindowManagerSizes, ApplicationIcon,
                         ::testing::Values(16, 32, 48, 64, 128, 256));

}  // namespace
}  // namespace involute::ui::qt
