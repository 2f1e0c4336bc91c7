// Stands in for calc/exact_math.h when bench/CMakeLists.txt builds today's
// calculation on the platform's maths library, for side-by-side figures.
#pragma once

#include <cmath>

namespace involute::calc {

[[nodiscard]] inline double exactSin(double x) {
    return std::sin(x);
}
[[nodiscard]] inline double exactCos(double x) {
    return std::cos(x);
}
[[nodiscard]] inline double exactTan(double x) {
    return std::tan(x);
}
[[nodiscard]] inline double exactAtan(double x) {
    return std::atan(x);
}

}  // namespace involute::calc
