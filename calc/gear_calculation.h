// The gear calculation: six workpiece values in, six results out.
//
// Pure and free of any toolkit: the window's Start command and the command
// line both call it, so both print the same digits.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "enum_array.h"

namespace involute::calc {

// The six inputs, in the order they are read.
enum class InputField { module, teeth, pressureAngle, helixAngle, tipDiameter, startDiameter };

inline constexpr std::array kInputsInReadingOrder{
    InputField::module,     InputField::teeth,       InputField::pressureAngle,
    InputField::helixAngle, InputField::tipDiameter, InputField::startDiameter};

// Their labels, keys and options: calc/gear_quantities.h.

// The six inputs, by field: m, z, αn and β in degrees, da, dS.
using GearInputs = EnumArray<InputField, double, kInputsInReadingOrder.size()>;

// How far the roll lengths along the base tangent could be taken. A start or
// tip diameter of exactly 0 means "not given": the window then shows "0" for
// what it cannot compute.
enum class ProfileBranch {
    startAndTip,  // gS and L computed
    startOnly,    // gS computed; L shown as 0 (tip diameter 0)
    none,         // both shown as 0 (start diameter 0, or not positive with tip 0)
};

// The quantities the program computes: first the window's six results in the
// order of its result fields (reference circle diameter, base circle
// diameter, base helix angle in degrees, base pitch in the normal section,
// setting distance gS: the roll length at the start circle, recording length
// L: the roll length from start to tip circle), then the transverse pressure
// angle and the roll angles (calc/roll_angles.h). Names and keys:
// calc/gear_quantities.h.
enum class Quantity { d, db, betaB, pbn, gS, L, alphaT, xiS, xiA };

// d to L: the quantities the calculation itself yields and the window shows.
inline constexpr std::size_t kShownResultCount = 6;

struct GearResults {
    // A failed run leaves every result from the failing step on empty.
    EnumArray<Quantity, std::optional<double>, kShownResultCount> shown;
    // Never shown; the roll angles are derived from them. Of other kinds than
    // the six: an intermediate length, an angle in radians, a case.
    std::optional<double> gA;             // roll length at the tip circle
    std::optional<double> alphaTRadians;  // transverse pressure angle
    ProfileBranch branch = ProfileBranch::startAndTip;
};

// Every quantity of a gear, as the command line prints them.
using QuantityValues = EnumArray<Quantity, std::optional<double>, 9>;

enum class FaultKind {
    emptyField,
    notANumber,
    outOfRange,
    overflow,
    baseHelixUndefined,
    startCircleInsideBaseCircle,
    tipCircleInsideBaseCircle,
};

// A stable English code for scripts: "not_a_number", ...
[[nodiscard]] std::string_view faultCode(FaultKind kind);

struct GearFault {
    FaultKind kind = FaultKind::notANumber;
    InputField field = InputField::module;  // the input to correct
    std::optional<Quantity> quantity;       // the result that could not be computed
    std::string message;                    // simplified Chinese, for the user
};

struct InputReading {
    double value = 0.0;
    std::optional<GearFault> fault;
};

// Converts one field's text, naming the field and the text in a fault.
[[nodiscard]] InputReading readInput(InputField field, std::string_view text);

struct InputsReading {
    GearInputs inputs;
    std::optional<GearFault> fault;  // the first field, in reading order, that is not a number
};

// Converts the six texts in reading order, stopping at the first that is not
// a number.
[[nodiscard]] InputsReading readInputs(const std::array<std::string_view, 6>& texts);

struct GearRun {
    GearResults results;
    std::optional<GearFault> fault;
};

// Runs the calculation step by step, stopping at the first step that fails.
[[nodiscard]] GearRun computeGear(GearInputs inputs);

}  // namespace involute::calc
