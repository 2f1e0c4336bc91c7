// Over random gears, counts the printed values that change from the
// platform's maths library to the correctly rounded functions, and how many
// of those move closer to the same formulas (same order of operations, the
// same double constants) evaluated with 50 significant digits by MPFR. The
// platform's values come from the program platform_gear_values, the gear
// calculation linked with involute::maths_platform, which it runs.
//
//   gear_digits_change [gears]        (default 10^6; half plausible gears,
//                                      half drawn from wider ranges)
#include <mpfr.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

#include "angle_functions.h"
#include "gear_values.h"
#include "number_text.h"
#include "random_gears.h"

namespace {

using namespace involute;

constexpr mpfr_prec_t kFiftyDigits = 170;

class Mpfr {
  public:
    Mpfr() { mpfr_init2(value_, kFiftyDigits); }
    explicit Mpfr(double value) : Mpfr() { mpfr_set_d(value_, value, MPFR_RNDN); }
    ~Mpfr() { mpfr_clear(value_); }
    Mpfr(const Mpfr&) = delete;
    Mpfr& operator=(const Mpfr&) = delete;
    mpfr_ptr get() { return value_; }

  private:
    mpfr_t value_;
};

// The nine printed values with 50 digits, in the calculation's order of
// operations; only gears both builds compute come here.
void referenceValues(const std::array<double, 6>& in, std::array<Mpfr, 9>& out) {
    Mpfr pi(calc::kPi);
    Mpfr toRadians;
    mpfr_div_ui(toRadians.get(), pi.get(), 180, MPFR_RNDN);
    Mpfr toDegrees;
    mpfr_ui_div(toDegrees.get(), 180, pi.get(), MPFR_RNDN);
    Mpfr alphaN(in[2]);
    mpfr_mul(alphaN.get(), alphaN.get(), toRadians.get(), MPFR_RNDN);
    Mpfr beta(in[3]);
    mpfr_mul(beta.get(), beta.get(), toRadians.get(), MPFR_RNDN);
    Mpfr cosBeta;
    mpfr_cos(cosBeta.get(), beta.get(), MPFR_RNDN);
    Mpfr alphaT;
    mpfr_tan(alphaT.get(), alphaN.get(), MPFR_RNDN);
    mpfr_div(alphaT.get(), alphaT.get(), cosBeta.get(), MPFR_RNDN);
    mpfr_atan(alphaT.get(), alphaT.get(), MPFR_RNDN);
    Mpfr& d = out[0];
    mpfr_set_d(d.get(), in[0], MPFR_RNDN);
    mpfr_mul_d(d.get(), d.get(), in[1], MPFR_RNDN);
    mpfr_div(d.get(), d.get(), cosBeta.get(), MPFR_RNDN);
    Mpfr& db = out[1];
    mpfr_cos(db.get(), alphaT.get(), MPFR_RNDN);
    mpfr_mul(db.get(), db.get(), d.get(), MPFR_RNDN);
    Mpfr x;
    Mpfr sinBeta;
    mpfr_cos(x.get(), alphaN.get(), MPFR_RNDN);
    mpfr_sin(sinBeta.get(), beta.get(), MPFR_RNDN);
    mpfr_mul(x.get(), x.get(), sinBeta.get(), MPFR_RNDN);
    Mpfr root;  // Atn(x / Sqr(1 - x·x))
    mpfr_sqr(root.get(), x.get(), MPFR_RNDN);
    mpfr_ui_sub(root.get(), 1, root.get(), MPFR_RNDN);
    mpfr_sqrt(root.get(), root.get(), MPFR_RNDN);
    mpfr_div(out[2].get(), x.get(), root.get(), MPFR_RNDN);
    mpfr_atan(out[2].get(), out[2].get(), MPFR_RNDN);
    mpfr_mul(out[2].get(), out[2].get(), toDegrees.get(), MPFR_RNDN);
    mpfr_mul_d(out[3].get(), pi.get(), in[0], MPFR_RNDN);
    mpfr_cos(x.get(), alphaN.get(), MPFR_RNDN);
    mpfr_mul(out[3].get(), out[3].get(), x.get(), MPFR_RNDN);
    // Half the tangent length from the base circle to a diameter.
    const auto rollLength = [&db](mpfr_ptr result, double diameter) {
        Mpfr squares(diameter);
        mpfr_sqr(squares.get(), squares.get(), MPFR_RNDN);
        Mpfr base;
        mpfr_sqr(base.get(), db.get(), MPFR_RNDN);
        mpfr_sub(squares.get(), squares.get(), base.get(), MPFR_RNDN);
        mpfr_sqrt(result, squares.get(), MPFR_RNDN);
        mpfr_div_2ui(result, result, 1, MPFR_RNDN);
    };
    rollLength(out[4].get(), in[5]);
    Mpfr gA;
    rollLength(gA.get(), in[4]);
    mpfr_sub(out[5].get(), gA.get(), out[4].get(), MPFR_RNDN);
    mpfr_mul(out[6].get(), alphaT.get(), toDegrees.get(), MPFR_RNDN);
    // ξ = ((2·g) / db) · 180/π, g = gS and gS + L.
    mpfr_mul_2ui(out[7].get(), out[4].get(), 1, MPFR_RNDN);
    mpfr_div(out[7].get(), out[7].get(), db.get(), MPFR_RNDN);
    mpfr_mul(out[7].get(), out[7].get(), toDegrees.get(), MPFR_RNDN);
    mpfr_mul_2ui(out[8].get(), gA.get(), 1, MPFR_RNDN);
    mpfr_div(out[8].get(), out[8].get(), db.get(), MPFR_RNDN);
    mpfr_mul(out[8].get(), out[8].get(), toDegrees.get(), MPFR_RNDN);
}

// |text - reference|.
void distance(mpfr_ptr result, const std::string& text, mpfr_ptr reference) {
    mpfr_set_str(result, text.c_str(), 10, MPFR_RNDN);
    mpfr_sub(result, result, reference, MPFR_RNDN);
    mpfr_abs(result, result, MPFR_RNDN);
}

// One line of platform_gear_values's output.
bool readPlatformValues(std::FILE* input, calc::GearValues& values) {
    for (auto& value : values) {
        std::array<char, 64> field{};
        if (std::fscanf(input, "%63s", field.data()) != 1) {
            return false;
        }
        value.reset();
        if (std::string_view(field.data()) != "-") {
            value = std::strtod(field.data(), nullptr);
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const long gears = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1'000'000;
    const std::string command = INVOLUTE_PLATFORM_GEAR_VALUES " " + std::to_string(gears);
    std::FILE* platformValues = popen(command.c_str(), "r");
    if (platformValues == nullptr) {
        std::perror(INVOLUTE_PLATFORM_GEAR_VALUES);
        return 1;
    }
    std::mt19937_64 random(calc::kRandomGearSeed);
    long values = 0;
    long changed = 0;
    long closer = 0;
    long fartherOrEqual = 0;
    long gearsChanged = 0;
    for (long i = 0; i < gears; ++i) {
        const std::array<double, 6> gear = calc::randomGear(random, i % 2 == 0);
        const calc::GearValues exact = calc::gearValues(gear);
        calc::GearValues platform;
        if (!readPlatformValues(platformValues, platform)) {
            std::fprintf(stderr, "%s: ended after %ld gears\n", INVOLUTE_PLATFORM_GEAR_VALUES, i);
            pclose(platformValues);
            return 1;
        }
        bool gearChanged = false;
        for (std::size_t k = 0; k < exact.size(); ++k) {
            if (!exact[k] || !platform[k]) {
                continue;
            }
            ++values;
            const std::string exactText = calc::textFromNumber(*exact[k]);
            const std::string platformText = calc::textFromNumber(*platform[k]);
            if (exactText == platformText) {
                continue;
            }
            ++changed;
            gearChanged = true;
            std::array<Mpfr, 9> reference;
            referenceValues(gear, reference);
            Mpfr exactDistance;
            Mpfr platformDistance;
            distance(exactDistance.get(), exactText, reference[k].get());
            distance(platformDistance.get(), platformText, reference[k].get());
            if (mpfr_less_p(exactDistance.get(), platformDistance.get()) != 0) {
                ++closer;
            } else {
                ++fartherOrEqual;
            }
        }
        gearsChanged += gearChanged ? 1 : 0;
    }
    if (pclose(platformValues) != 0) {
        std::fprintf(stderr, "%s failed\n", INVOLUTE_PLATFORM_GEAR_VALUES);
        return 1;
    }
    std::printf("gears %ld, printed values %ld\n", gears, values);
    std::printf("gears with a changed value %ld (%.3f%%)\n", gearsChanged,
                100.0 * static_cast<double>(gearsChanged) / static_cast<double>(gears));
    std::printf("changed values %ld, of which closer to 50 digits %ld, not closer %ld\n", changed,
                closer, fartherOrEqual);
    return 0;
}
