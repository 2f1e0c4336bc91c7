// One gear as the command line reports it: the six results of the
// calculation and the three angles derived from them, or the fault that
// stopped it, with the forms calc and batch print it in.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "gear_calculation.h"
#include "gear_quantities.h"

namespace involute::cli {

inline constexpr std::size_t kResultCount = calc::kResultRows.size();

struct GearReport {
    // In calc::kResultRows order. All absent when the gear could not be
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
