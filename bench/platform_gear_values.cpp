// The nine values of `gears` random gears (random_gears.h) on the platform's
// maths library, one line per gear, each value a hexadecimal float or "-"
// where the calculation stops: what gear_digits_change reads beside its own.
//
//   platform_gear_values gears
#include <cstdio>
#include <cstdlib>
#include <random>

#include "gear_values.h"
#include "random_gears.h"

int main(int argc, char** argv) {
    using namespace involute::calc;
    const long gears = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    std::mt19937_64 random(kRandomGearSeed);
    for (long i = 0; i < gears; ++i) {
        const GearValues values = gearValues(randomGear(random, i % 2 == 0));
        for (std::size_t k = 0; k < values.size(); ++k) {
            const char* separator = k + 1 < values.size() ? " " : "\n";
            if (values.values[k]) {
                std::printf("%a%s", *values.values[k], separator);
            } else {
                std::printf("-%s", separator);
            }
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
