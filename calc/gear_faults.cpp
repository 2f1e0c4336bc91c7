#include "gear_faults.h"

#include <string>

#include "gear_quantities.h"
#include "number_text.h"
#include "printable_text.h"

namespace involute::calc {

namespace {

constexpr std::size_t kLongestQuotedText = 24;

// The text as typed, cut short so that a pasted page fits a message box,
// with control characters and broken bytes escaped.
std::string quoted(std::string_view text) {
    return "“" + utf8::printableText(text, kLongestQuotedText) + "”";
}

}  // namespace

std::string_view faultCode(FaultKind kind) {
    switch (kind) {
        case FaultKind::emptyField:
            return "empty_field";
        case FaultKind::notANumber:
            return "not_a_number";
        case FaultKind::outOfRange:
            return "out_of_range";
        case FaultKind::overflow:
            return "overflow";
        case FaultKind::baseHelixUndefined:
            return "base_helix_undefined";
        case FaultKind::startCircleInsideBaseCircle:
            return "start_circle_inside_base_circle";
        case FaultKind::tipCircleInsideBaseCircle:
            return "tip_circle_inside_base_circle";
    }
    return {};
}

InputReading readInput(InputField field, std::string_view text) {
    const NumberFromText number = numberFromText(text);
    const std::string label(inputRow(field).label);
    switch (number.fault) {
        case NumberTextFault::none:
            return {number.value, std::nullopt};
        case NumberTextFault::empty:
            return {0.0, GearFault{FaultKind::emptyField, field, std::nullopt,
                                   label + "未填写，请输入一个数字"}};
        case NumberTextFault::tooLarge:
            return {0.0, GearFault{FaultKind::outOfRange, field, std::nullopt,
                                   label + " " + quoted(text) + " 超出数值范围"}};
        case NumberTextFault::notANumber:
            break;
    }
    return {0.0, GearFault{FaultKind::notANumber, field, std::nullopt,
                           label + " " + quoted(text) + " 不是有效的数字"}};
}

GearFault overflowFault(Quantity quantity, InputField field, double fieldValue) {
    return {FaultKind::overflow, field, quantity,
            "计算" + std::string(resultRow(quantity).name) + "时数值超出范围，请检查" +
                std::string(inputRow(field).label) + " " + textFromNumber(fieldValue)};
}

GearFault baseHelixFault(double alphaNDegrees, double betaDegrees, double baseHelixDegrees) {
    return {FaultKind::baseHelixUndefined, InputField::helixAngle, Quantity::betaB,
            std::string(inputRow(InputField::pressureAngle).label) + " " +
                textFromNumber(alphaNDegrees) + "、" +
                std::string(inputRow(InputField::helixAngle).label) + " " +
                textFromNumber(betaDegrees) + " 时" + std::string(resultRow(Quantity::betaB).name) +
                "为 " + textFromNumber(baseHelixDegrees) + "°，无法计算" +
                std::string(resultRow(Quantity::betaB).name)};
}

GearFault insideBaseCircleFault(InputField field, double diameter, double db) {
    const bool start = field == InputField::startDiameter;
    const Quantity quantity = start ? Quantity::gS : Quantity::L;
    // The start circle's label names the circle; the tip's, 大径, already
    // says diameter. The roll length takes the squares, so the test is of
    // the magnitudes, and a negative diameter is told so.
    const std::string ofMagnitude = diameter < 0.0 || db < 0.0 ? " 的绝对值" : "";
    return {start ? FaultKind::startCircleInsideBaseCircle : FaultKind::tipCircleInsideBaseCircle,
            field, quantity,
            std::string(inputRow(field).label) + (start ? "直径 " : " ") +
                textFromNumber(diameter) + (ofMagnitude.empty() ? " " : ofMagnitude) + "小于" +
                std::string(resultRow(Quantity::db).name) + " " + textFromNumber(db) + ofMagnitude +
                "，无法计算" + std::string(resultRow(quantity).name)};
}

}  // namespace involute::calc
