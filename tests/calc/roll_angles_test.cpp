#include "roll_angles.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <string>

#include "exact_math.h"
#include "number_text.h"

namespace involute::calc {

using maths::exactTan;
namespace {

// An angle as it would be printed; "-" when absent.
std::string shown(const std::optional<double>& value) {
    return value ? textFromNumber(*value) : "-";
}

struct AngleCase {
    const char* name;
    std::array<std::string_view, 6> inputs;  // m, z, αn, β, da, dS
    const char* alphaT;
    const char* xiS;
    const char* xiA;
};

void PrintTo(const AngleCase& row, std::ostream* os) {
    *os << row.name;
}

class ProfileAnglesOf : public ::testing::TestWithParam<AngleCase> {};

TEST_P(ProfileAnglesOf, Gear) {
    const AngleCase& row = GetParam();
    const InputsReading reading = readInputs(row.inputs);
    ASSERT_FALSE(reading.fault);
    const GearRun run = computeGear(reading.inputs);
    ASSERT_FALSE(run.fault) << run.fault->message;
    const ProfileAngles angles = profileAngles(run.results);
    EXPECT_EQ(shown(angles.alphaT), row.alphaT);
    EXPECT_EQ(shown(angles.xiS), row.xiS);
    EXPECT_EQ(shown(angles.xiA), row.xiA);
}

INSTANTIATE_TEST_SUITE_P(RollAngles, ProfileAnglesOf,
                         ::testing::Values(AngleCase{"WorkedExample",
                                                     {"2.25", "25", "20", "25", "65.7", "57.9"},
                                                     "21.8802326724052",
                                                     "5.91262208298812",
                                                     "31.4495800112938"},
                                           // gS + L rounds away from gA here.
                                           AngleCase{"TipAngleFromTheTipRollLength",
                                                     {"2.25", "26", "14.5", "15.42", "65.1845",
                                                      "59.6482"},
                                                     "15.0174029546194",
                                                     "10.8215993911208",
                                                     "27.8841966835823"},
                                           AngleCase{"TipZeroHasNoTipAngle",
                                                     {"2.25", "25", "20", "25", "0", "57.9"},
                                                     "21.8802326724052",
                                                     "5.91262208298812",
                                                     "-"},
                                           AngleCase{"StartZeroHasNeither",
                                                     {"2.25", "25", "20", "25", "65.7", "0"},
                                                     "21.8802326724052",
                                                     "-",
                                                     "-"},
                                           AngleCase{"NegativeStartWithTipZeroHasNeither",
                                                     {"2.25", "25", "20", "25", "0", "-57.9"},
                                                     "21.8802326724052",
                                                     "-",
                                                     "-"},
                                           AngleCase{"ZeroModuleHasNoBaseCircle",
                                                     {"0", "25", "20", "25", "65.7", "57.9"},
                                                     "21.8802326724052",
                                                     "-",
                                                     "-"},
                                           AngleCase{"SpurGear",
                                                     {"2", "20", "20", "0", "44", "38"},
                                                     "20",
                                                     "8.50954867246306",
                                                     "34.8655030222177"},
                                           // A base circle of 1e-160 against roll
                                           // lengths near 1e150: the angles are out of
                                           // range, the six results stand.
                                           AngleCase{"AnglesTooLargeForADoubleAreAbsent",
                                                     {"1e-160", "1", "20", "0", "1e150", "1e150"},
                                                     "20",
                                                     "-",
                                                     "-"},
                                           AngleCase{"OnlyTheTipAngleTooLarge",
                                                     {"1e-160", "1", "20", "0", "1e150", "1e-150"},
                                                     "20",
                                                     "609728950145.03",
                                                     "-"},
                                           AngleCase{"TipBelowStartSwapsTheAngles",
                                                     {"2.25", "25", "20", "25", "57.9", "65.7"},
                                                     "21.8802326724052",
                                                     "31.4495800112938",
                                                     "5.91262208298812"}),
                         [](const auto& row) { return row.param.name; });

// The roll angle at a circle of diameter D is the tangent of the transverse
// pressure angle there, cos α = db / D: the involute's own definition, a
// different path to the same number.
TEST(RollAngles, AreTheTangentOfThePressureAngleAtTheCircle) {
    const std::array<std::array<std::string_view, 6>, 4> gears{{
        {"2.25", "25", "20", "25", "65.7", "57.9"},
        {"2", "20", "20", "0", "44", "38"},
        {"5", "31", "25", "-12", "170", "150.5"},
        {"0.8", "113", "14.5", "30", "106", "104.6"},
    }};
    for (const auto& texts : gears) {
        const InputsReading reading = readInputs(texts);
        const GearRun run = computeGear(reading.inputs);
        ASSERT_FALSE(run.fault) << run.fault->message;
        const ProfileAngles angles = profileAngles(run.results);
        ASSERT_TRUE(angles.xiS && angles.xiA);
        const double db = *run.results.db;
        const double toDegrees = 180.0 / 3.14159265358979;
        const double xiS = exactTan(std::acos(db / reading.inputs.dS)) * toDegrees;
        const double xiA = exactTan(std::acos(db / reading.inputs.da)) * toDegrees;
        EXPECT_NEAR(*angles.xiS, xiS, 1e-11 * xiS) << texts[0];
        EXPECT_NEAR(*angles.xiA, xiA, 1e-11 * xiA) << texts[0];
    }
}

}  // namespace
}  // namespace involute::calc
