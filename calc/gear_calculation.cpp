#include "gear_calculation.h"

#include <array>
#include <cmath>
#include <span>

#include "angle_functions.h"
#include "exact_math.h"
#include "gear_faults.h"

namespace involute::calc {

using maths::exactAtan;
using maths::exactCos;
using maths::exactSin;
using maths::exactTan;

namespace {

bool isFinite(double value) {
    return checkStep(value) == ArithmeticFault::none;
}

// Roll length along the base tangent from the base circle to the circle of
// diameter `diameter`: half the tangent length Sqr(D² - db²).
struct RollLength {
    double value = 0.0;
    std::optional<GearFault> fault;
};

// The input of largest magnitude among the factors of a product that
// overflowed: the one that drove it out of range. On a tie the first, in
// reading order, is named.
struct Factor {
    InputField field;
    double magnitude;  // how much the factor enlarges the product
    double value;      // the input as the user gave it
};

GearFault productOverflowFault(Quantity quantity, std::span<const Factor> factors) {
    const Factor* largest = &factors.front();
    for (const Factor& factor : factors) {
        if (factor.magnitude > largest->magnitude) {
            largest = &factor;
        }
    }
    return overflowFault(quantity, largest->field, largest->value);
}

RollLength rollLength(InputField field, Quantity quantity, double diameter, double db) {
    const double squares = diameter * diameter - db * db;
    if (std::isnan(squares)) {
        // Both squares overflowed: the circle lies inside the base circle,
        // or the diameter is the larger number and the one to blame.
        if (std::fabs(diameter) < std::fabs(db)) {
            return {0.0, insideBaseCircleFault(field, diameter, db)};
        }
        return {0.0, overflowFault(quantity, field, diameter)};
    }
    if (squares < 0.0) {
        return {0.0, insideBaseCircleFault(field, diameter, db)};
    }
    const double half = std::sqrt(squares) / 2;
    if (!isFinite(half)) {
        return {0.0, overflowFault(quantity, field, diameter)};
    }
    return {half, std::nullopt};
}

}  // namespace

void GearInputs::set(InputField field, double value) {
    switch (field) {
        case InputField::module:
            m = value;
            break;
        case InputField::teeth:
            z = value;
            break;
        case InputField::pressureAngle:
            alphaN = value;
            break;
        case InputField::helixAngle:
            beta = value;
            break;
        case InputField::tipDiameter:
            da = value;
            break;
        case InputField::startDiameter:
            dS = value;
            break;
    }
}

GearRun computeGear(GearInputs inputs) {
    // The order of every operation below fixes the last printed digit: keep
    // it as it is, including the cosines that are computed twice.
    GearRun run;
    GearResults& out = run.results;
    const auto fail = [&run](GearFault fault) {
        run.fault = std::move(fault);
        return run;
    };

    const double pi = kPi;
    const double toRadians = degToRad();
    const double alphaNDegrees = inputs.alphaN;
    const double betaDegrees = inputs.beta;

    const double alphaN = inputs.alphaN * toRadians;
    const double beta = inputs.beta * toRadians;
    if (!isFinite(alphaN) || !isFinite(beta)) {
        return fail(overflowFault(Quantity::alphaT, InputField::pressureAngle, alphaNDegrees));
    }

    const double c = exactCos(beta);
    const double t = exactTan(alphaN) / c;
    if (!isFinite(t)) {
        return fail(overflowFault(Quantity::alphaT, InputField::pressureAngle, alphaNDegrees));
    }
    const double alphaT = exactAtan(t);

    const double mz = inputs.m * inputs.z;
    const double d = mz / exactCos(beta);
    // d = m·z / cos β, and db = d·cos αt with |cos αt| <= 1: one of the
    // three factors of d is to blame when either is out of range.
    const auto diameterOverflow = [&](Quantity quantity) {
        const std::array<Factor, 3> factors{{
            {InputField::module, std::fabs(inputs.m), inputs.m},
            {InputField::teeth, std::fabs(inputs.z), inputs.z},
            {InputField::helixAngle, 1.0 / std::fabs(c), betaDegrees},
        }};
        return productOverflowFault(quantity, factors);
    };
    if (!isFinite(mz) || !isFinite(d)) {
        return fail(diameterOverflow(Quantity::d));
    }
    out.alphaT = alphaT;
    out.d = d;

    const double db = d * exactCos(alphaT);
    if (!isFinite(db)) {
        return fail(diameterOverflow(Quantity::db));
    }
    out.db = db;

    const double x = exactCos(alphaN) * exactSin(beta);
    const CheckedValue a = Asin(x);
    if (!isFinite(x) || !a.ok()) {
        return fail(baseHelixFault(alphaNDegrees, betaDegrees, x < 0.0 ? -90.0 : 90.0));
    }
    out.betaB = a.value * radToDeg();

    const double mPi = inputs.m * pi;
    const double pbn = mPi * exactCos(alphaN);
    if (!isFinite(mPi) || !isFinite(pbn)) {
        return fail(overflowFault(Quantity::pbn, InputField::module, inputs.m));
    }
    out.pbn = pbn;

    if (inputs.dS == 0.0 || inputs.da == 0.0) {
        if (inputs.dS > 0.0) {
            const RollLength gS =
                rollLength(InputField::startDiameter, Quantity::gS, inputs.dS, db);
            if (gS.fault) {
                return fail(*gS.fault);
            }
            out.gS = gS.value;
            out.L = 0.0;
            out.branch = ProfileBranch::startOnly;
        } else {
            out.gS = 0.0;
            out.L = 0.0;
            out.branch = ProfileBranch::none;
        }
        return run;
    }

    // Both roots are taken before either result is kept.
    const RollLength gS = rollLength(InputField::startDiameter, Quantity::gS, inputs.dS, db);
    if (gS.fault) {
        return fail(*gS.fault);
    }
    const RollLength gA = rollLength(InputField::tipDiameter, Quantity::L, inputs.da, db);
    if (gA.fault) {
        return fail(*gA.fault);
    }
    out.gS = gS.value;
    out.L = gA.value - gS.value;
    out.gA = gA.value;
    out.branch = ProfileBranch::startAndTip;
    return run;
}

InputsReading readInputs(const std::array<std::string_view, 6>& texts) {
    InputsReading reading;
    for (std::size_t i = 0; i < kInputsInReadingOrder.size(); ++i) {
        const InputField field = kInputsInReadingOrder[i];
        InputReading input = readInput(field, texts[i]);
        if (input.fault) {
            reading.fault = std::move(input.fault);
            return reading;
        }
        reading.inputs.set(field, input.value);
    }
    return reading;
}

}  // namespace involute::calc
