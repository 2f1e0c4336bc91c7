#include "colour_codes.h"

#include <gtest/gtest.h>

#include <ostream>

namespace involute {
namespace {

// A palette whose every role has a colour of its own, so each row shows
// which role a code picks.
QPalette distinctPalette() {
    QPalette palette;
    const std::pair<QPalette::ColorRole, const char*> roles[] = {
        {QPalette::Window, "#101010"},     {QPalette::Base, "#202020"},
        {QPalette::Button, "#303030"},     {QPalette::Text, "#404040"},
        {QPalette::WindowText, "#505050"}, {QPalette::Highlight, "#606060"},
        {QPalette::ButtonText, "#707070"}, {QPalette::ToolTipBase, "#808080"},
    };
    for (const auto& [role, colour] : roles) {
        palette.setColor(role, QColor(colour));
    }
    return palette;
}

struct ColourCase {
    const char* name;
    ui::ColourCode code;
    const char* colour;  // as QColor::name() gives it
};

void PrintTo(const ColourCase& row, std::ostream* os) {
    *os << row.name;
}

class ColourFromCode : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourFromCode, PicksThePaletteRoleOrTheRgbValue) {
    EXPECT_EQ(ui::qt::colourFromCode(GetParam().code, distinctPalette()).name().toStdString(),
              GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ColourFromCode,
    ::testing::Values(ColourCase{"MenuBarIsWindow", 0x80000004, "#101010"},
                      ColourCase{"WindowBackgroundIsBase", 0x80000005, "#202020"},
                      ColourCase{"ButtonFaceIsButton", 0x8000000F, "#303030"},
                      ColourCase{"WindowTextIsText", 0x80000008, "#404040"},
                      ColourCase{"MenuTextIsWindowText", 0x80000007, "#505050"},
                      ColourCase{"HighlightIsHighlight", 0x8000000D, "#606060"},
                      ColourCase{"ButtonTextIsButtonText", 0x80000012, "#707070"},
                      ColourCase{"TooltipBackgroundIsToolTipBase", 0x80000018, "#808080"},
                      ColourCase{"UnknownIndexIsFieldBackground", 0x800000FF, "#202020"},
                      ColourCase{"DarkRedHasRedInTheLowByte", 0x000000C0, "#c00000"},
                      ColourCase{"RgbByteOrder", 0x00123456, "#563412"},
                      ColourCase{"White", 0x00FFFFFF, "#ffffff"},
                      ColourCase{"HighBitsBelowTheTopAreIgnored", 0x7F0000FF, "#ff0000"}),
    [](const auto& row) { return row.param.name; });

struct SamePaletteCase {
    const char* name;
    const char* background;
};

void PrintTo(const SamePaletteCase& row, std::ostream* os) {
    *os << row.name;
}

class MenuColourOnUniformPalette : public ::testing::TestWithParam<SamePaletteCase> {};

// Stale results must stand out even where window and field backgrounds agree.
TEST_P(MenuColourOnUniformPalette, StillDiffersFromTheFieldBackground) {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(GetParam().background));
    palette.setColor(QPalette::Base, QColor(GetParam().background));
    const QColor menu = ui::qt::colourFromCode(0x80000004, palette);
    const QColor field = ui::qt::colourFromCode(0x80000005, palette);
    EXPECT_EQ(field.name().toStdString(), GetParam().background);
    EXPECT_NE(menu.name(), field.name());
}

INSTANTIATE_TEST_SUITE_P(Palettes, MenuColourOnUniformPalette,
                         ::testing::Values(SamePaletteCase{"Light", "#ffffff"},
                                           SamePaletteCase{"Dark", "#202020"},
                                           SamePaletteCase{"Black", "#000000"}),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute
