// gear_values.h's function as built on the platform's sin, cos, tan and atan.
#pragma once

#include <array>
#include <optional>

namespace involute::calc_platform {

[[nodiscard]] std::array<std::optional<double>, 9> gearValues(const std::array<double, 6>& inputs);

}  // namespace involute::calc_platform
