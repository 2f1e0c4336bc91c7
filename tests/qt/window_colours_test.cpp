// The two colour codes of the result fields look different on screen in
// every style Qt ships with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <map>
#include <ostream>

#include "window_fixture.h"
#include "window_states.h"

namespace involute {
namespace {

using testing::WindowTest;
using ui::Control;

// The styles of Debian's qt6-base and of qt6ct, which the tests install; a
// new one fails AllShippedStylesAreCovered.
const char* const kShippedStyles[] = {"Fusion", "Windows", "qt6ct-style"};

TEST(ShippedStyles, AllShippedStylesAreCovered) {
    for (const QString& key : QStyleFactory::keys()) {
        EXPECT_TRUE(std::any_of(std::begin(kShippedStyles), std::end(kShippedStyles),
                                [&](const char* style) { return key == QLatin1String(style); }))
            << "style " << key.toStdString() << " is not in kShippedStyles";
    }
}

// The colour drawn inside a field: the commonest inside its frame, which is
// the background whatever the text.
QRgb fieldColour(QWidget* field) {
    const QImage image = field->grab().toImage();
    std::map<QRgb, int> counts;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

std::string hex(QRgb colour) {
    return QColor(colour).name().toStdString();
}

class ResultShading : public WindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ResultShading, StaleAndCurrentDifferOnScreen) {
    QApplication::setStyle(QString::fromUtf8(GetParam()));
    ASSERT_EQ(QApplication::style()->name().toLower().toStdString(),
              QString::fromUtf8(GetParam()).toLower().toStdString());
    QWidget* result = named("Text9");

    window().setBackColor(Control::Text9, ui::kResultsStale);
    const QRgb stale = fieldColour(result);
    window().setBackColor(Control::Text9, ui::kResultsCurrent);
    const QRgb current = fieldColour(result);

    EXPECT_NE(hex(stale), hex(current));
    // "Window background" is the background of an ordinary input field.
    EXPECT_EQ(hex(current), hex(fieldColour(named("Text1"))));
    EXPECT_EQ(hex(stale), hex(QApplication::palette(result).color(QPalette::Window).rgb()));
}

// The window is built under the default style; the user's palette and
// style may change while it runs.
TEST_P(ResultShading, FollowsAStyleChangeOfTheRunningWindow) {
    QApplication::setStyle(QString::fromUtf8(GetParam()));
    QCoreApplication::processEvents();
    const QPalette palette = QApplication::palette(named("Text9"));
    EXPECT_EQ(hex(fieldColour(named("Text9"))), hex(palette.color(QPalette::Window).rgb()));
    click("Command1");
    EXPECT_EQ(hex(fieldColour(named("Text9"))), hex(fieldColour(named("Text1"))));
}

TEST_F(WindowTest, ResultShadingFollowsAPaletteChange) {
    QPalette night = QApplication::palette();
    night.setColor(QPalette::Window, QColor("#203040"));
    night.setColor(QPalette::Base, QColor("#101418"));
    QApplication::setPalette(night);
    QCoreApplication::processEvents();  // Qt hands the palette on to widgets by posted events
    EXPECT_EQ(hex(fieldColour(named("Text9"))), "#203040");
    EXPECT_EQ(hex(fieldColour(named("Text1"))), "#101418");
    click("Command1");
    EXPECT_EQ(hex(fieldColour(named("Text9"))), "#101418");
}

INSTANTIATE_TEST_SUITE_P(Styles, ResultShading, ::testing::ValuesIn(kShippedStyles),
                         [](const auto& row) {
                             std::string name(row.param);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace involute
