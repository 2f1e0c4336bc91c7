#include "gear_calculation.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "gb2312.h"
#include "gear_from_texts.h"
#include "number_text.h"

namespace involute::calc {
namespace {

using involute::testing::fitsGb2312;

// Results as the window would show them; "-" for a result never computed.
std::vector<std::string> shown(const GearResults& results) {
    std::vector<std::string> texts;
    for (const std::optional<double>& value : results.shown) {
        texts.push_back(value ? textFromNumber(*value) : "-");
    }
    return texts;
}

struct GoodCase {
    const char* name;
    std::array<std::string_view, 6> inputs;  // m, z, αn, β, da, dS
    std::vector<std::string> results;        // d, db, βb, pbn, gS, L
    ProfileBranch branch;
};

void PrintTo(const GoodCase& row, std::ostream* os) {
    *os << row.name;
}

class GoodRun : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GoodRun, ShowsTheseResults) {
    const GearRun run = computeGearFromTexts(GetParam().inputs);
    ASSERT_FALSE(run.fault) << run.fault->message;
    EXPECT_EQ(shown(run.results), GetParam().results);
    EXPECT_EQ(run.results.branch, GetParam().branch);
}

const std::vector<std::string> kExampleTopFour = {"62.0650079416401", "57.5941477279766",
                                                  "23.3989618698559", "6.64229572671048"};

std::vector<std::string> exampleWith(std::string gS, std::string L) {
    std::vector<std::string> texts = kExampleTopFour;
    texts.push_back(std::move(gS));
    texts.push_back(std::move(L));
    return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Gear, GoodRun,
    ::testing::Values(GoodCase{"WorkedExample",
                               {"2.25", "25", "20", "25", "65.7", "57.9"},
                               exampleWith("2.97170605410439", "12.8349709170999"),
                               ProfileBranch::startAndTip},
                      GoodCase{"TipZeroKeepsSettingDistance",
                               {"2.25", "25", "20", "25", "0", "57.9"},
                               exampleWith("2.97170605410439", "0"),
                               ProfileBranch::startOnly},
                      GoodCase{"StartZeroShowsZeros",
                               {"2.25", "25", "20", "25", "65.7", "0"},
                               exampleWith("0", "0"),
                               ProfileBranch::none},
                      GoodCase{"StartZeroEvenWithTipInsideBaseCircle",
                               {"2.25", "25", "20", "25", "1", "0"},
                               exampleWith("0", "0"),
                               ProfileBranch::none},
                      GoodCase{"NegativeStartWithTipZero",
                               {"2.25", "25", "20", "25", "0", "-57.9"},
                               exampleWith("0", "0"),
                               ProfileBranch::none},
                      GoodCase{"NegativeStartAndTipUseSquares",
                               {"2.25", "25", "20", "25", "-65.7", "-57.9"},
                               exampleWith("2.97170605410439", "12.8349709170999"),
                               ProfileBranch::startAndTip},
                      GoodCase{"TipBelowStartGivesNegativeLength",
                               {"2.25", "25", "20", "25", "57.9", "65.7"},
                               exampleWith("15.8066769712043", "-12.8349709170999"),
                               ProfileBranch::startAndTip},
                      GoodCase{"SpurGear",
                               {"2", "20", "20", "0", "44", "38"},
                               {"40", "37.5877048314363", "0", "5.90426286818709",
                                "2.79125623621414", "8.64513792349391"},
                               ProfileBranch::startAndTip},
                      GoodCase{"FullWidthInputs",
                               {"２．２５", "２５", "２０", "２５", "６５。７", "５７．９"},
                               exampleWith("2.97170605410439", "12.8349709170999"),
                               ProfileBranch::startAndTip},
                      GoodCase{"ZeroModule",
                               {"0", "25", "20", "25", "65.7", "57.9"},
                               {"0", "0", "23.3989618698559", "0", "28.95", "3.9"},
                               ProfileBranch::startAndTip}),
    [](const auto& row) { return row.param.name; });

TEST(GearCalculation, AgreesWithTheTransversePressureAngle) {
    const GearRun run = computeGearFromTexts({"2.25", "25", "20", "25", "65.7", "57.9"});
    ASSERT_TRUE(run.results.alphaTRadians);
    EXPECT_EQ(textFromNumber(*run.results.alphaTRadians * 180.0 / 3.14159265358979),
              "21.8802326724052");
}

struct FaultCase {
    const char* name;
    std::array<std::string_view, 6> inputs;
    std::vector<std::string> results;  // what stays computed
    FaultKind kind;
    InputField field;
    const char* message;
};

void PrintTo(const FaultCase& row, std::ostream* os) {
    *os << row.name;
}

class FailedRun : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FailedRun, NamesTheFieldAndKeepsEarlierResults) {
    const FaultCase& row = GetParam();
    const GearRun run = computeGearFromTexts(row.inputs);
    ASSERT_TRUE(run.fault);
    EXPECT_EQ(run.fault->kind, row.kind);
    EXPECT_EQ(run.fault->field, row.field);
    EXPECT_EQ(run.fault->message, row.message);
    EXPECT_EQ(shown(run.results), row.results);
}

const std::vector<std::string> kNothing(6, "-");
const std::vector<std::string> kSpurTopFour = {
    "40", "37.5877048314363", "0", "5.90426286818709", "-", "-"};

INSTANTIATE_TEST_SUITE_P(
    Gear, FailedRun,
    ::testing::Values(
        FaultCase{"CommaInModule",
                  {"2,25", "25", "20", "25", "65.7", "57.9"},
                  kNothing,
                  FaultKind::notANumber,
                  InputField::module,
                  "模数 “2,25” 不是有效的数字"},
        FaultCase{"EmptyTeeth",
                  {"2.25", "", "20", "25", "65.7", "57.9"},
                  kNothing,
                  FaultKind::emptyField,
                  InputField::teeth,
                  "齿数未填写，请输入一个数字"},
        FaultCase{"UnitAfterHelixAngle",
                  {"2.25", "25", "20", "25°", "65.7", "57.9"},
                  kNothing,
                  FaultKind::notANumber,
                  InputField::helixAngle,
                  "螺旋角 “25°” 不是有效的数字"},
        FaultCase{"FirstBadFieldInReadingOrder",
                  {"2.25", "25", "x", "25", "y", "57.9"},
                  kNothing,
                  FaultKind::notANumber,
                  InputField::pressureAngle,
                  "压力角 “x” 不是有效的数字"},
        FaultCase{"TooLargeTip",
                  {"2.25", "25", "20", "25", "1e999", "57.9"},
                  kNothing,
                  FaultKind::outOfRange,
                  InputField::tipDiameter,
                  "大径 “1e999” 超出数值范围"},
        FaultCase{"LongTextIsCut",
                  {"2.25", "25", "20", "25", "65.7", "57.9 and a long remark that goes on"},
                  kNothing,
                  FaultKind::notANumber,
                  InputField::startDiameter,
                  "渐开线起始圆 “57.9 and a long remark t…” 不是有效的数字"},
        FaultCase{"StartCircleInsideBaseCircle",
                  {"2", "20", "20", "0", "44", "37"},
                  kSpurTopFour,
                  FaultKind::startCircleInsideBaseCircle,
                  InputField::startDiameter,
                  "渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离"},
        FaultCase{"StartCircleInsideBaseCircleWithTipZero",
                  {"2", "20", "20", "0", "0", "37"},
                  kSpurTopFour,
                  FaultKind::startCircleInsideBaseCircle,
                  InputField::startDiameter,
                  "渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离"},
        FaultCase{"TipCircleInsideBaseCircle",
                  {"2", "20", "20", "0", "37", "38"},
                  kSpurTopFour,
                  FaultKind::tipCircleInsideBaseCircle,
                  InputField::tipDiameter,
                  "大径 37 小于基圆直径 37.5877048314363，无法计算记录长度"},
        FaultCase{"BaseHelixOfNinetyDegrees",
                  {"2", "20", "0", "90", "44", "38"},
                  {"2.4759453024717E+16", "2.4759453024717E+16", "-", "-", "-", "-"},
                  FaultKind::baseHelixUndefined,
                  InputField::helixAngle,
                  "压力角 0、螺旋角 90 时基圆螺旋角为 90°，无法计算基圆螺旋角"},
        FaultCase{"BaseHelixOfMinusNinetyDegrees",
                  {"2", "20", "0", "-90", "44", "38"},
                  {"2.4759453024717E+16", "2.4759453024717E+16", "-", "-", "-", "-"},
                  FaultKind::baseHelixUndefined,
                  InputField::helixAngle,
                  "压力角 0、螺旋角 -90 时基圆螺旋角为 -90°，无法计算基圆螺旋角"},
        // The roll length takes squares: the magnitudes are compared.
        FaultCase{"NegativeStartCircleInsideNegativeBaseCircle",
                  {"2", "-40", "20", "0", "-76", "-74"},
                  {"-80", "-75.1754096628727", "0", "5.90426286818709", "-", "-"},
                  FaultKind::startCircleInsideBaseCircle,
                  InputField::startDiameter,
                  "渐开线起始圆直径 -74 的绝对值小于基圆直径 -75.1754096628727 的绝对值，"
                  "无法计算安装距离"},
        FaultCase{"ModuleTimesTeethOverflows",
                  {"1e200", "1e200", "20", "25", "65.7", "57.9"},
                  kNothing,
                  FaultKind::overflow,
                  InputField::module,
                  "计算分度圆直径时数值超出范围，请检查模数 1E+200"},
        // An overflow names the input of largest magnitude among the factors
        // of d = m·z / cos β.
        FaultCase{"TeethOverflowTheDiameter",
                  {"1", "1e308", "20", "60", "65.7", "57.9"},
                  kNothing,
                  FaultKind::overflow,
                  InputField::teeth,
                  "计算分度圆直径时数值超出范围，请检查齿数 1E+308"},
        FaultCase{"LargerFactorIsNamed",
                  {"1e5", "-1e305", "20", "0", "65.7", "57.9"},
                  kNothing,
                  FaultKind::overflow,
                  InputField::teeth,
                  "计算分度圆直径时数值超出范围，请检查齿数 -1E+305"},
        FaultCase{"BothSquaresOverflowInsideTheBaseCircle",
                  {"1e200", "1", "20", "0", "65.7", "9e199"},
                  {"1E+200", "9.39692620785908E+199", "0", "2.95213143409355E+200", "-", "-"},
                  FaultKind::startCircleInsideBaseCircle,
                  InputField::startDiameter,
                  "渐开线起始圆直径 9E+199 小于基圆直径 9.39692620785908E+199，无法计算安装距离"},
        FaultCase{"BasePitchOverflows",
                  {"1e308", "1", "20", "0", "65.7", "57.9"},
                  {"1E+308", "9.39692620785909E+307", "0", "-", "-", "-"},
                  FaultKind::overflow,
                  InputField::module,
                  "计算基节时数值超出范围，请检查模数 1E+308"},
        FaultCase{"StartSquareOverflows",
                  {"2.25", "25", "20", "25", "65.7", "1e200"},
                  {"62.0650079416401", "57.5941477279766", "23.3989618698559", "6.64229572671048",
                   "-", "-"},
                  FaultKind::overflow,
                  InputField::startDiameter,
                  "计算安装距离时数值超出范围，请检查渐开线起始圆 1E+200"}),
    [](const auto& row) { return row.param.name; });

TEST(GearFaults, MessagesAreGb2312) {
    const std::array<std::array<std::string_view, 6>, 7> failing{{
        {"2,25", "25", "20", "25", "65.7", "57.9"},
        {"2.25", " ", "20", "25", "65.7", "57.9"},
        {"2.25", "25", "20", "25", "1e999", "57.9"},
        {"2", "20", "20", "0", "44", "37"},
        {"2", "20", "20", "0", "37", "38"},
        {"2", "20", "0", "90", "44", "38"},
        {"1e200", "1e200", "20", "25", "65.7", "57.9"},
    }};
    for (const auto& inputs : failing) {
        const GearRun run = computeGearFromTexts(inputs);
        ASSERT_TRUE(run.fault);
        EXPECT_TRUE(fitsGb2312(run.fault->message)) << run.fault->message;
    }
}

TEST(GearFaults, CodesAreStable) {
    EXPECT_EQ(faultCode(FaultKind::emptyField), "empty_field");
    EXPECT_EQ(faultCode(FaultKind::notANumber), "not_a_number");
    EXPECT_EQ(faultCode(FaultKind::outOfRange), "out_of_range");
    EXPECT_EQ(faultCode(FaultKind::overflow), "overflow");
    EXPECT_EQ(faultCode(FaultKind::baseHelixUndefined), "base_helix_undefined");
    EXPECT_EQ(faultCode(FaultKind::startCircleInsideBaseCircle), "start_circle_inside_base_circle");
    EXPECT_EQ(faultCode(FaultKind::tipCircleInsideBaseCircle), "tip_circle_inside_base_circle");
}

TEST(GearCalculation, NeverShowsInfinityOrNan) {
    // Extremes of every input; each run either fails cleanly or shows finite results.
    const std::array<std::string_view, 7> extremes{"0",  "-1e308", "1e308",   "1e-308",
                                                   "90", "-90",    "4.9e-324"};
    for (const auto m : extremes) {
        for (const auto angle : extremes) {
            for (const auto diameter : extremes) {
                const GearRun run =
                    computeGearFromTexts({m, "25", angle, angle, diameter, diameter});
                for (const std::optional<double>& value : run.results.shown) {
                    if (value) {
                        EXPECT_TRUE(std::isfinite(*value)) << m << " " << angle << " " << diameter;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace involute::calc
