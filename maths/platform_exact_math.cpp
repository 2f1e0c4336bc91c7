// exact_math.h's functions on the platform's maths library, which rounds
// some results the other way: what the figures of bench/ compare with.
#include "exact_math.h"

#include <cmath>

namespace involute::maths {

double exactSin(double x) {
    return std::sin(x);
}
double exactCos(double x) {
    return std::cos(x);
}
double exactTan(double x) {
    return std::tan(x);
}
double exactAtan(double x) {
    return std::atan(x);
}

}  // namespace involute::maths
