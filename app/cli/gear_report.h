// One gear as the command line reports it: the six results of the
// calculation and the three angles derived from them, or the fault that
// stopped it, with the forms calc and batch print it in.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/gear_calculation.h"

namespace involute::cli {

inline constexpr std::size_t kResultCount = 9;

struct ResultColumn {
    std::string_view key;    // fixed English key, in JSON and CSV
    std::string_view label;  // Chinese name and symbol, in text
};

inline constexpr std::array<ResultColumn, kResultCount> kResultColumns{{
    {"d", "分度圆直径 d"},
    {"db", "基圆直径 db"},
    {"beta_b", "基圆螺旋角 βb"},
    {"p_bn", "基节 pbn"},
    {"g_s", "安装距离 gS"},
    {"L", "记录长度 L"},
    {"alpha_t", "端面压力角 αt"},
    {"xi_s", "起始圆展开角 ξs"},
    {"xi_a", "齿顶圆展开角 ξa"},
}};

// The stable English key of an input: "module", "teeth", "pressure_angle",
// "helix_angle", "tip_diameter", "start_diameter".
[[nodiscard]] std::string_view fieldKey(calc::InputField field);

struct GearReport {
    // In kResultColumns order. All absent when the gear could not be
    // computed; a roll angle alone is absent when it does not exist.
    std::array<std::optional<double>, kResultCount> values;
    std::optional<calc::GearFault> fault;
};

// Reads the six texts (m, z, αn, β, da, dS) and computes the gear.
[[nodiscard]] GearReport evaluateGear(const std::array<std::string_view, 6>& texts);

// One line per result, Chinese label and symbol, values in one column; an
// absent value shows "无" (none).
void appendTextResults(std::string& out, const GearReport& report);

// "d":62.0650079416401,...,"xi_a":null (the members, without braces).
void appendJsonResults(std::string& out, const GearReport& report);

// "code":"...","field":"...","message":"..." (the members, without braces).
void appendJsonFault(std::string& out, const calc::GearFault& fault);

// d,db,...,xi_a and the cells of one report, without the record end.
void appendCsvResultHeader(std::string& out);
void appendCsvResults(std::string& out, const GearReport& report);

}  // namespace involute::cli
