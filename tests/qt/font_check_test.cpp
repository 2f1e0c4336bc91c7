// The missing-font report under a font configuration of chosen folders only:
// tests/CMakeLists.txt runs each test with its own FONTCONFIG_FILE.
#include <gtest/gtest.h>

#include <QWidget>
#include <string>
#include <vector>

#include "font_check.h"
#include "fonts.h"
#include "modal_dialog_watchdog.h"

namespace {

using involute::testing::ModalDialogWatchdog;
using namespace involute::ui::qt;

std::vector<involute::testing::DialogRecord> reportsOverAWindow() {
    installWindowFonts();
    QWidget window;
    ModalDialogWatchdog watchdog;
    reportMissingFonts(&window);
    return watchdog.take();
}

// DejaVu alone: Latin letters and digits, no Chinese.
TEST(FontCheckLatinOnly, TheWindowSaysWhatToInstall) {
    EXPECT_FALSE(charactersNotShown().isEmpty());
    const auto reports = reportsOverAWindow();
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_NE(reports[0].text.find("fonts-noto-cjk"), std::string::npos) << reports[0].text;
    EXPECT_NE(reports[0].text.find("请安装简体中文字体"), std::string::npos) << reports[0].text;
}

// Droid Sans Fallback has the Chinese but no digits, DejaVu the digits: no
// one family has every character, yet each shows.
TEST(FontCheckDroidFallback, EveryCharacterShowsAndNothingIsReported) {
    ASSERT_TRUE(cjkUiFamily(windowCharacters()).isEmpty());
    EXPECT_EQ(charactersNotShown().toStdString(), "");
    EXPECT_TRUE(reportsOverAWindow().empty());
}

}  // namespace
