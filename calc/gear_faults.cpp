#include "calc/gear_faults.h"

#include <string>

#include "calc/number_text.h"
#include "utf8/printable_text.h"

namespace involute::calc {

namespace {

constexpr std::size_t kLongestQuotedText = 24;

std::string_view quantityName(Quantity quantity) {
    switch (quantity) {
        case Quantity::alphaT:
            return "端面压力角";
        case Quantity::d:
            return "分度圆直径";
        case Quantity::db:
            return "基圆直径";
        case Quantity::betaB:
            return "基圆螺旋角";
        case Quantity::pbn:
            return "基节";
        case Quantity::gS:
            return "安装距离";
        case Quantity::L:
            return "记录长度";
        case Quantity::xiS:
            return "起始圆展开角";
        case Quantity::xiA:
            return "齿顶圆展开角";
    }
    return {};
}

// The text as typed, cut short so that a pasted page fits a message box,
// with control characters and broken bytes escaped.
std::string quoted(std::string_view text) {
    return "“" + utf8::printableText(text, kLongestQuotedText) + "”";
}

}  // namespace

std::string_view fieldLabel(InputField field) {
    switch (field) {
        case InputField::module:
            return "模数";
        case InputField::teeth:
            return "齿数";
        case InputField::pressureAngle:
            return "压力角";
        case InputField::helixAngle:
            return "螺旋角";
        case InputField::tipDiameter:
            return "大径";
        case InputField::startDiameter:
            return "渐开线起始圆";
    }
    return {};
}

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
    const std::string label(fieldLabel(field));
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
            "计算" + std::string(quantityName(quantity)) + "时数值超出范围，请检查" +
                std::string(fieldLabel(field)) + " " + textFromNumber(fieldValue)};
}

GearFault baseHelixFault(double alphaNDegrees, double betaDegrees) {
    return {FaultKind::baseHelixUndefined, InputField::helixAngle, Quantity::betaB,
            "压力角 " + textFromNumber(alphaNDegrees) + "、螺旋角 " + textFromNumber(betaDegrees) +
                " 时基圆螺旋角为 90°，无法计算基圆螺旋角"};
}

GearFault insideBaseCircleFault(InputField field, double diameter, double db) {
    const bool start = field == InputField::startDiameter;
    return {start ? FaultKind::startCircleInsideBaseCircle : FaultKind::tipCircleInsideBaseCircle,
            field, start ? Quantity::gS : Quantity::L,
            std::string(start ? "渐开线起始圆直径 " : "大径 ") + textFromNumber(diameter) +
                " 小于基圆直径 " + textFromNumber(db) + "，无法计算" +
                (start ? "安装距离" : "记录长度")};
}

}  // namespace involute::calc
