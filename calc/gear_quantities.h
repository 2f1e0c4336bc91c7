// The six inputs and the nine results, one row each, as every part of the
// program names them: the fault messages, the command line's options,
// defaults, keys, table headers and text report, and the tests' fake window.
// The window's padded captions stay in its own layout table
// (ui/window_layout.cpp), which cannot read this one: ui/ sits below calc/.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "gear_calculation.h"

namespace involute::calc {

struct InputRow {
    InputField field;
    std::string_view label;      // the window's label without padding: messages, headers
    std::string_view key;        // the stable English key in JSON and CSV
    std::string_view option;     // calc's long option, without "--"
    std::string_view shortName;  // one letter: calc's "-m"; longer: a second long option
    std::string_view example;    // the window's example value, calc's default
};

// In reading order, which is the order of InputField.
inline constexpr std::array<InputRow, 6> kInputRows{{
    {InputField::module, "模数", "module", "module", "m", "2.25"},
    {InputField::teeth, "齿数", "teeth", "teeth", "z", "25"},
    {InputField::pressureAngle, "压力角", "pressure_angle", "pressure-angle", "alpha", "20"},
    {InputField::helixAngle, "螺旋角", "helix_angle", "helix-angle", "beta", "25"},
    {InputField::tipDiameter, "大径", "tip_diameter", "tip-diameter", "da", "65.7"},
    {InputField::startDiameter, "渐开线起始圆", "start_diameter", "start-diameter", "ds", "57.9"},
}};

[[nodiscard]] constexpr const InputRow& inputRow(InputField field) {
    return kInputRows[static_cast<std::size_t>(field)];
}

struct ResultRow {
    Quantity quantity;
    std::string_view key;     // the stable English key in JSON and CSV
    std::string_view name;    // Chinese name: messages and the text report
    std::string_view symbol;  // after the name in the text report
};

// The window's six results in the order it writes them, then the angles a
// profile tester is set up with (calc/roll_angles.h); the order of Quantity.
inline constexpr std::array<ResultRow, 9> kResultRows{{
    {Quantity::d, "d", "分度圆直径", "d"},
    {Quantity::db, "db", "基圆直径", "db"},
    {Quantity::betaB, "beta_b", "基圆螺旋角", "βb"},
    {Quantity::pbn, "p_bn", "基节", "pbn"},
    {Quantity::gS, "g_s", "安装距离", "gS"},
    {Quantity::L, "L", "记录长度", "L"},
    {Quantity::alphaT, "alpha_t", "端面压力角", "αt"},
    {Quantity::xiS, "xi_s", "起始圆展开角", "ξs"},
    {Quantity::xiA, "xi_a", "齿顶圆展开角", "ξa"},
}};

[[nodiscard]] constexpr const ResultRow& resultRow(Quantity quantity) {
    return kResultRows[static_cast<std::size_t>(quantity)];
}

// Each row sits at the index of its enumerator, so the lookups above hold.
static_assert([] {
    for (std::size_t i = 0; i < kInputRows.size(); ++i) {
        if (kInputRows[i].field != kInputsInReadingOrder[i] ||
            static_cast<std::size_t>(kInputRows[i].field) != i) {
            return false;
        }
    }
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        if (static_cast<std::size_t>(kResultRows[i].quantity) != i) {
            return false;
        }
    }
    return true;
}());

}  // namespace involute::calc
