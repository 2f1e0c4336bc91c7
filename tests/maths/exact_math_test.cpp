// The correctly rounded functions against MPFR's correctly rounded results.
//
// INVOLUTE_EXACT_MATH_ARGS sets the random arguments per function (default
// 10^6, fewer in a sanitizer build); INVOLUTE_EXACT_MATH_SEED replays a run.
#include "exact_math.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "exact_math_slow.h"

namespace involute::maths {
namespace {

#ifdef INVOLUTE_SANITIZED_BUILD
constexpr long kDefaultRandomArguments = 100'000;
constexpr long kSlowRandomArguments = 10'000;
constexpr long kNearMidpointArguments = 2'000;
constexpr std::size_t kSlowValueStride = 10;  // every tenth hard place
#else
constexpr std::size_t kSlowValueStride = 1;
constexpr long kDefaultRandomArguments = 1'000'000;
constexpr long kSlowRandomArguments = 80'000;
constexpr long kNearMidpointArguments = 20'000;
#endif

using MpfrFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

struct Function {
    const char* name;
    double (*fast)(double);
    double (*slow)(double);
    MpfrFunction referee;
    SlowFunction slowFunction;
};

void PrintTo(const Function& function, std::ostream* os) {
    *os << function.name;
}

const std::array kFunctions{
    Function{"sin", &exactSin, &slowSin, &mpfr_sin, SlowFunction::sin},
    Function{"cos", &exactCos, &slowCos, &mpfr_cos, SlowFunction::cos},
    Function{"tan", &exactTan, &slowTan, &mpfr_tan, SlowFunction::tan},
    Function{"atan", &exactAtan, &slowAtan, &mpfr_atan, SlowFunction::atan},
};

// A number of MPFR precision `bits`, freed on leaving scope.
class Mpfr {
  public:
    explicit Mpfr(mpfr_prec_t bits) { mpfr_init2(value_, bits); }
    ~Mpfr() { mpfr_clear(value_); }
    Mpfr(const Mpfr&) = delete;
    Mpfr& operator=(const Mpfr&) = delete;
    mpfr_ptr get() { return value_; }

  private:
    mpfr_t value_;
};

// MPFR's result rounded to nearest in the double format, subnormals included.
double referee(const Function& function, double x) {
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    Mpfr argument(53);
    Mpfr result(53);
    mpfr_set_d(argument.get(), x, MPFR_RNDN);
    const int inexact = function.referee(result.get(), argument.get(), MPFR_RNDN);
    mpfr_subnormalize(result.get(), inexact, MPFR_RNDN);
    const double value = mpfr_get_d(result.get(), MPFR_RNDN);
    mpfr_set_emin(mpfr_get_emin_min());
    mpfr_set_emax(mpfr_get_emax_max());
    return value;
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
           (std::isnan(a) && std::isnan(b));
}

long environmentCount(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr ? std::strtol(text, nullptr, 10) : fallback;
}

std::uint64_t seed() {
    static const auto value = static_cast<std::uint64_t>(
        environmentCount("INVOLUTE_EXACT_MATH_SEED", static_cast<long>(std::random_device{}())));
    return value;
}

// Three kinds of argument in turn: angles in radians up to 300, any finite
// double (sign, exponent and significand uniform: log-uniform over the whole
// range, subnormals included) and |x| < 4.
double randomArgument(std::mt19937_64& random, long i) {
    switch (i % 3) {
        case 0:
            return std::uniform_real_distribution<double>(-300.0, 300.0)(random);
        case 1: {
            const std::uint64_t exponent = random() % 2047;
            const std::uint64_t bits = (random() & 0x800fffffffffffffu) | (exponent << 52);
            return std::bit_cast<double>(bits);
        }
        default:
            return std::uniform_real_distribution<double>(-4.0, 4.0)(random);
    }
}

// Counts disagreements with MPFR, printing the first few.
struct Mismatches {
    long count = 0;
    void check(const char* what, double x, double got, double expected) {
        if (sameBits(got, expected)) {
            return;
        }
        if (++count <= 5) {
            std::printf("%s(%a) = %a, MPFR %a\n", what, x, got, expected);
        }
    }
};

class ExactMath : public ::testing::TestWithParam<Function> {};

TEST_P(ExactMath, AgreesWithMpfrOnRandomArguments) {
    const Function& function = GetParam();
    const long count = environmentCount("INVOLUTE_EXACT_MATH_ARGS", kDefaultRandomArguments);
    std::mt19937_64 random(seed());
    Mismatches mismatches;
    for (long i = 0; i < count; ++i) {
        const double x = randomArgument(random, i);
        mismatches.check(function.name, x, function.fast(x), referee(function, x));
    }
    EXPECT_EQ(mismatches.count, 0) << count << " arguments, seed " << seed();
}

// The double nearest to k·π/2, by MPFR.
double nearestToQuarterTurns(double k) {
    Mpfr value(2400);
    mpfr_const_pi(value.get(), MPFR_RNDN);
    mpfr_mul_d(value.get(), value.get(), k / 2.0, MPFR_RNDN);
    return mpfr_get_d(value.get(), MPFR_RNDN);
}

// Arguments where reductions and tiny-argument shortcuts go wrong first.
std::vector<double> hardPlaces() {
    std::vector<double> places;
    const auto addWithNeighbours = [&places](double x) {
        double below = x;
        double above = x;
        places.push_back(x);
        for (int i = 0; i < 3; ++i) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, std::numeric_limits<double>::infinity());
            places.push_back(below);
            places.push_back(above);
        }
    };
    for (int k = 1; k <= 2000; ++k) {
        addWithNeighbours(nearestToQuarterTurns(k));
    }
    for (int e = 0; e <= 1023; ++e) {
        for (const double factor : {1.0, 1.3, 1.7}) {
            addWithNeighbours(nearestToQuarterTurns(std::round(std::ldexp(factor, e) / 1.57)));
        }
    }
    // The double closest to a multiple of π/2 of all.
    addWithNeighbours(std::ldexp(6381956970095103.0, 797));
    for (int e = -40; e <= -20; ++e) {
        addWithNeighbours(std::ldexp(1.0, e));
    }
    addWithNeighbours(std::numeric_limits<double>::min());
    addWithNeighbours(std::numeric_limits<double>::denorm_min());
    addWithNeighbours(std::ldexp(0x1.23456789abcdep0, -1060));
    addWithNeighbours(std::numeric_limits<double>::max());
    addWithNeighbours(0x1p1023);
    addWithNeighbours(0x1p60);
    addWithNeighbours(1.0);
    addWithNeighbours(0x1.921fb54442d18p-1);  // below π/4
    places.push_back(0.0);
    const std::size_t positive = places.size();
    for (std::size_t i = 0; i < positive; ++i) {
        places.push_back(-places[i]);
    }
    return places;
}

TEST_P(ExactMath, AgreesWithMpfrAtHardPlaces) {
    const Function& function = GetParam();
    Mismatches fast;
    Mismatches slow;
    for (const double x : hardPlaces()) {
        const double expected = referee(function, x);
        fast.check(function.name, x, function.fast(x), expected);
        slow.check("slow", x, function.slow(x), expected);
    }
    EXPECT_EQ(fast.count, 0);
    EXPECT_EQ(slow.count, 0);
}

// x - sin x, tan x - x, x - atan x or 1 - cos x: how far the result lies
// from x (from 1 for the cosine), and its derivative.
void distance(const Function& function, mpfr_ptr h, mpfr_ptr slope, mpfr_ptr x) {
    Mpfr f(mpfr_get_prec(h));
    const std::string name = function.name;
    function.referee(f.get(), x, MPFR_RNDN);
    if (name == "sin") {  // h = x - sin x, h' = 1 - cos x
        mpfr_sub(h, x, f.get(), MPFR_RNDN);
        mpfr_cos(slope, x, MPFR_RNDN);
        mpfr_ui_sub(slope, 1, slope, MPFR_RNDN);
    } else if (name == "tan") {  // h = tan x - x, h' = tan² x
        mpfr_sub(h, f.get(), x, MPFR_RNDN);
        mpfr_sqr(slope, f.get(), MPFR_RNDN);
    } else if (name == "atan") {  // h = x - atan x, h' = x² / (1 + x²)
        mpfr_sub(h, x, f.get(), MPFR_RNDN);
        mpfr_sqr(slope, x, MPFR_RNDN);
        mpfr_add_ui(f.get(), slope, 1, MPFR_RNDN);
        mpfr_div(slope, slope, f.get(), MPFR_RNDN);
    } else {  // h = 1 - cos x, h' = sin x
        mpfr_ui_sub(h, 1, f.get(), MPFR_RNDN);
        mpfr_sin(slope, x, MPFR_RNDN);
    }
}

// An argument 2^e < x < 2^(e+1) whose result lies almost exactly halfway
// between two doubles. For small x the results are x - h(x) (1 - h(x) for
// the cosine) with h slowly varying: h(x) = (n + 1/2) ulp is solved by
// Newton's method at 300 bits and rounded to a double, which misses by
// h'(x) · ulp(x)/2, about 2^(2e) ulp of the result. Returns that miss in
// ulps through `miss`.
double nearMidpoint(const Function& function, std::mt19937_64& random, int e, double& miss) {
    const std::string name = function.name;
    const double ulp = name == "cos" ? 0x1p-53 : std::ldexp(1.0, e - 52);
    Mpfr x(300);
    Mpfr h(300);
    Mpfr slope(300);
    mpfr_set_d(x.get(), std::ldexp(std::uniform_real_distribution<double>(1.1, 1.9)(random), e),
               MPFR_RNDN);
    distance(function, h.get(), slope.get(), x.get());
    mpfr_div_d(h.get(), h.get(), ulp, MPFR_RNDN);
    Mpfr target(300);
    mpfr_floor(target.get(), h.get());
    mpfr_add_d(target.get(), target.get(), 0.5, MPFR_RNDN);
    mpfr_mul_d(target.get(), target.get(), ulp, MPFR_RNDN);
    for (int step = 0; step < 20; ++step) {
        distance(function, h.get(), slope.get(), x.get());
        mpfr_sub(h.get(), h.get(), target.get(), MPFR_RNDN);
        mpfr_div(h.get(), h.get(), slope.get(), MPFR_RNDN);
        mpfr_sub(x.get(), x.get(), h.get(), MPFR_RNDN);
    }
    const double argument = mpfr_get_d(x.get(), MPFR_RNDN);
    mpfr_set_d(x.get(), argument, MPFR_RNDN);
    distance(function, h.get(), slope.get(), x.get());
    mpfr_sub(h.get(), h.get(), target.get(), MPFR_RNDN);
    miss = std::fabs(mpfr_get_d(h.get(), MPFR_RNDN) / ulp);
    return argument;
}

// The slow path called directly, on random arguments and on arguments whose
// results lie within 2^-16 ... 2^-80 ulp of a midpoint; the fast path must
// hand the latter over and agree too.
TEST_P(ExactMath, SlowPathAgreesWithMpfrAlsoNearMidpoints) {
    const Function& function = GetParam();
    std::mt19937_64 random(seed());
    Mismatches slow;
    Mismatches fast;
    for (long i = 0; i < kSlowRandomArguments; ++i) {
        const double x = randomArgument(random, i);
        slow.check("slow", x, function.slow(x), referee(function, x));
    }
    double closest = 1.0;
    const int lowestExponent = std::string(function.name) == "cos" ? -26 : -40;
    for (long i = 0; i < kNearMidpointArguments; ++i) {
        const int e = lowestExponent + static_cast<int>(random() % (-8 - lowestExponent));
        double miss = 0.0;
        const double x = nearMidpoint(function, random, e, miss);
        closest = std::min(closest, miss);
        const double expected = referee(function, x);
        slow.check("slow", x, function.slow(x), expected);
        fast.check(function.name, x, function.fast(x), expected);
    }
    EXPECT_EQ(slow.count, 0) << "seed " << seed();
    EXPECT_EQ(fast.count, 0) << "seed " << seed();
    EXPECT_LT(closest, 0x1p-50) << "the arguments should come within 2^-50 ulp of a midpoint";
}

// The slow path's value before rounding lies within the error bound it
// states, at each precision of its Ziv loop: a wrong constant word or series
// term shows here even where no result happens to round differently.
TEST_P(ExactMath, SlowValueIsWithinItsStatedBound) {
    const Function& function = GetParam();
    std::mt19937_64 random(seed());
    std::vector<double> arguments = hardPlaces();
    for (long i = 0; i < kSlowRandomArguments / 10; ++i) {
        arguments.push_back(randomArgument(random, i));
    }
    long outside = 0;
    for (const int limbs : {5, 8, kMaxLimbs}) {
        const std::size_t stride = kSlowValueStride * (limbs == kMaxLimbs ? 7 : 1);
        for (std::size_t i = 0; i < arguments.size(); i += stride) {
            const double x = arguments[i];
            if (x == 0.0 || !std::isfinite(x)) {
                continue;
            }
            const SlowValue value = slowValue(function.slowFunction, x, limbs);
            const mpfr_prec_t bits = 32 * limbs + 256;
            Mpfr computed(bits);
            mpfr_set_ui(computed.get(), 0, MPFR_RNDN);
            for (int w = limbs - 1; w >= 0; --w) {
                mpfr_mul_2ui(computed.get(), computed.get(), 32, MPFR_RNDN);
                mpfr_add_ui(computed.get(), computed.get(), value.m.word[w], MPFR_RNDN);
            }
            const int fractionBits = value.m.fractionBits();
            mpfr_div_2si(computed.get(), computed.get(), fractionBits + value.scale, MPFR_RNDN);
            if (value.negative) {
                mpfr_neg(computed.get(), computed.get(), MPFR_RNDN);
            }
            Mpfr exact(bits);
            Mpfr argument(53);
            mpfr_set_d(argument.get(), x, MPFR_RNDN);
            function.referee(exact.get(), argument.get(), MPFR_RNDN);
            mpfr_sub(computed.get(), computed.get(), exact.get(), MPFR_RNDN);
            mpfr_abs(computed.get(), computed.get(), MPFR_RNDN);
            mpfr_mul_2si(computed.get(), computed.get(),
                         fractionBits + value.scale - value.errorLog2, MPFR_RNDN);
            if (mpfr_cmp_ui(computed.get(), 1) > 0 && ++outside <= 5) {
                std::printf("%s(%a) at %d words: error %g times the bound\n", function.name, x,
                            limbs, mpfr_get_d(computed.get(), MPFR_RNDN));
            }
        }
    }
    EXPECT_EQ(outside, 0);
}

INSTANTIATE_TEST_SUITE_P(EachFunction, ExactMath, ::testing::ValuesIn(kFunctions),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ExactMathNonFinite, GivesNaNOrQuarterTurn) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const double x : {kInfinity, -kInfinity, kNaN}) {
        EXPECT_TRUE(std::isnan(exactSin(x)));
        EXPECT_TRUE(std::isnan(exactCos(x)));
        EXPECT_TRUE(std::isnan(exactTan(x)));
    }
    EXPECT_TRUE(std::isnan(exactAtan(kNaN)));
    EXPECT_EQ(exactAtan(kInfinity), 0x1.921fb54442d18p+0);
    EXPECT_EQ(exactAtan(-kInfinity), -0x1.921fb54442d18p+0);
}

}  // namespace
}  // namespace involute::maths
