#include "random_gears.h"

#include <cmath>

namespace involute::calc {

// The tip circle lies outside the reference circle and the start circle
// between the base and the reference circles.
GearInputs randomGear(std::mt19937_64& random, bool plausible) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    double m = 0;
    double z = 0;
    double alphaN = 0;
    double beta = 0;
    if (plausible) {
        constexpr std::array<double, 12> kModules{0.8, 1, 1.25, 1.5, 2, 2.25, 2.5, 3, 4, 5, 6, 8};
        constexpr std::array<double, 4> kPressureAngles{14.5, 20, 22.5, 25};
        m = kModules[random() % kModules.size()];
        z = 12.0 + static_cast<double>(random() % 140);
        alphaN = kPressureAngles[random() % 4];
        beta = static_cast<double>(random() % 3500) / 100.0;
    } else {
        m = std::exp(std::log(0.05) + unit(random) * std::log(1000.0));
        z = 3.0 + static_cast<double>(random() % 400);
        alphaN = 5.0 + 35.0 * unit(random);
        beta = -60.0 + 120.0 * unit(random);
    }
    const double radians = 3.14159265358979 / 180.0;
    const double d = m * z / std::cos(beta * radians);
    const double alphaT = std::atan(std::tan(alphaN * radians) / std::cos(beta * radians));
    const double db = d * std::cos(alphaT);
    return {{m, z, alphaN, beta, d + m * (0.5 + unit(random)), db + (d - db) * unit(random)}};
}

}  // namespace involute::calc
