// The colour a system colour is shown in, on made-up schemes.
#include "colour_codes.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>

namespace involute::ui {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGrey{240, 240, 240};

struct SchemeCase {
    const char* name;
    unsigned index;
    Rgb menu;
    Rgb window;
    Rgb buttonFace;
    Rgb shown;
};

void PrintTo(const SchemeCase& row, std::ostream* os) {
    *os << row.name;
}

class SchemeColour : public ::testing::TestWithParam<SchemeCase> {};

TEST_P(SchemeColour, MarksStaleResultsInEveryScheme) {
    const SchemeCase& row = GetParam();
    const std::map<unsigned, Rgb> scheme{{kMenuColour, row.menu},
                                         {kMenuBarColour, row.menu},
                                         {kWindowColour, row.window},
                                         {kButtonFaceColour, row.buttonFace}};
    const Rgb shown = shownSystemColour(row.index, [&scheme](unsigned index) {
        return scheme.count(index) != 0 ? scheme.at(index) : Rgb{1, 2, 3};
    });
    EXPECT_EQ(codeOf(shown), codeOf(row.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, SchemeColour,
    ::testing::Values(
        SchemeCase{"MenuOfItsOwn", kMenuColour, kGrey, kWhite, kWhite, kGrey},
        SchemeCase{"MenuLikeTheFieldShowsButtonFace", kMenuColour, kWhite, kWhite, kGrey, kGrey},
        SchemeCase{"FlatMenuBarToo", kMenuBarColour, kWhite, kWhite, kGrey, kGrey},
        SchemeCase{
            "AllWhiteShadedTowardsBlack", kMenuColour, kWhite, kWhite, kWhite, {224, 224, 224}},
        SchemeCase{"NavyShadedTowardsWhite",
                   kMenuColour,
                   {0, 0, 128},
                   {0, 0, 128},
                   {0, 0, 128},
                   {31, 31, 143}},
        // By the mean of red, green and blue, yellow is light (its HSL
        // lightness is not).
        SchemeCase{"YellowIsLight",
                   kMenuColour,
                   {255, 255, 0},
                   {255, 255, 0},
                   {255, 255, 0},
                   {224, 224, 0}},
        SchemeCase{"OtherIndexesAsTheSchemeSays", kWindowColour, kWhite, kWhite, kWhite, kWhite},
        SchemeCase{"AnyIndexAsTheSchemeSays", 8, kWhite, kWhite, kWhite, {1, 2, 3}}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute::ui
