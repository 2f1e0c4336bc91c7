// The window on systems without the newer DPI functions: Windows 7 and 8 with
// none of them, Windows 8.1 with shcore's GetDpiForMonitor only. The run-time
// lookup is emptied before the window is made, so the window takes the very
// path those systems take, at the DPI the test's wine prefix was given.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "dpi_functions.h"
#include "twips.h"
#include "window_driver.h"
#include "window_layout.h"

namespace involute::testing {
namespace {

using ui::win32::DpiFunctions;
using ui::win32::dpiFunctions;

struct OlderSystem {
    const char* name;
    bool hasDpiForMonitor;
};

class Win32WindowOnOlderSystem : public Win32WindowTest,
                                 public ::testing::WithParamInterface<OlderSystem> {
  protected:
    void SetUp() override {
        found_ = dpiFunctions();
        DpiFunctions older;
        if (GetParam().hasDpiForMonitor) {
            older.getDpiForMonitor = found_.getDpiForMonitor;
        }
        dpiFunctions() = older;
        Win32WindowTest::SetUp();
    }
    void TearDown() override {
        Win32WindowTest::TearDown();
        dpiFunctions() = found_;
    }

  private:
    DpiFunctions found_;
};

TEST_P(Win32WindowOnOlderSystem, StartsAtTheScreenDpiInItsDesignSizeWithEveryTextWhole) {
    if (const char* configured = std::getenv("INVOLUTE_TEST_DPI")) {
        EXPECT_EQ(window().dpi(), static_cast<UINT>(std::stoul(configured)));
    }
    EXPECT_EQ(window().dpi(), ui::win32::systemDpi());
    RECT client{};
    GetClientRect(window().handle(), &client);
    EXPECT_EQ(client.right, ui::pixelsFromTwips(ui::kDesignClientArea.width, window().dpi()));
    EXPECT_EQ(client.bottom, ui::pixelsFromTwips(ui::kDesignClientArea.height, window().dpi()));
    EXPECT_EQ(controlsCuttingTheirText(), std::vector<std::string>{});

    type(ui::Control::Text1, "2,25");
    click(ui::Control::Command1);
    ASSERT_EQ(watchdog_.reports().size(), 1U);
    EXPECT_EQ(watchdog_.reports()[0].button, "确定");
}

INSTANTIATE_TEST_SUITE_P(Systems, Win32WindowOnOlderSystem,
                         ::testing::Values(OlderSystem{"Windows7And8", false},
                                           OlderSystem{"Windows81", true}),
                         [](const ::testing::TestParamInfo<OlderSystem>& system) {
                             return std::string(system.param.name);
                         });

}  // namespace
}  // namespace involute::testing
