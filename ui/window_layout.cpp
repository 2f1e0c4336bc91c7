#include "window_layout.h"

#include <algorithm>
#include <string>

#include "involute_credit.h"
#include "window_states.h"

namespace involute::ui {

const std::string_view kCreditLine = INVOLUTE_CREDIT_LINE;

namespace {

using enum ControlKind;
using C = Control;

// Every field of a frame sits at 1440 twips, 1575 wide and 270 high; the rows
// have a pitch of 360 twips from 480.
constexpr TwipsRect fieldAt(int top) {
    return {1440, top, 1575, 270};
}

// A result field: read-only, on the menu-bar colour until the first run.
constexpr ControlExtras result() {
    ControlExtras extras;
    extras.readOnly = true;
    extras.backColour = kResultsStale;
    return extras;
}

// An input field: its GotFocus runs the input-focus handler.
constexpr ControlExtras input() {
    ControlExtras extras;
    extras.handler = Handler::inputFocus;
    return extras;
}

// A label that names a field.
constexpr ControlExtras naming(Control field) {
    ControlExtras extras;
    extras.labelFor = field;
    return extras;
}

constexpr ControlExtras clickRuns(Handler handler) {
    ControlExtras extras;
    extras.handler = handler;
    return extras;
}

// The credit line: dark red, in its own font.
constexpr ControlExtras credit() {
    ControlExtras extras;
    extras.foreColour = 0x000000C0;
    extras.font = FontRole::credit;
    return extras;
}

}  // namespace

const std::array<ControlRow, kLayoutRowCount> kWindowLayout{{
    {frame, C::Frame1, C::JKX1, "齿轮基本参数", {4200, 240, 3495, 2895}, 16, {}},
    {textBox, C::Text14, C::Frame1, "0", fieldAt(2280), 28, result()},
    {textBox, C::Text13, C::Frame1, "0", fieldAt(1920), 27, result()},
    {textBox, C::Text12, C::Frame1, "0", fieldAt(1560), 26, result()},
    {textBox, C::Text11, C::Frame1, "0", fieldAt(1200), 25, result()},
    {textBox, C::Text10, C::Frame1, "0", fieldAt(840), 24, result()},
    {textBox, C::Text9, C::Frame1, "0", fieldAt(480), 23, result()},
    {label, C::Label15, C::Frame1, "记录长度", {240, 2280, 735, 255}, 22, naming(C::Text14)},
    {label, C::Label14, C::Frame1, "安装距离", {240, 1920, 735, 255}, 21, naming(C::Text13)},
    {label, C::Label13, C::Frame1, "基    节", {240, 1560, 735, 255}, 20, naming(C::Text12)},
    {label, C::Label12, C::Frame1, "基圆螺旋角", {240, 1200, 975, 255}, 19, naming(C::Text11)},
    {label, C::Label11, C::Frame1, "基圆直径", {240, 840, 855, 255}, 18, naming(C::Text10)},
    {label, C::Label10, C::Frame1, "分度圆直径", {240, 480, 975, 255}, 17, naming(C::Text9)},

    {frame, C::GJ, C::JKX1, "输入零件参数", {360, 240, 3495, 2895}, 3, {}},
    {textBox, C::Text1, C::GJ, "2.25", fieldAt(480), 9, input()},
    {textBox, C::Text2, C::GJ, "25", fieldAt(840), 8, input()},
    {textBox, C::Text3, C::GJ, "20", fieldAt(1200), 7, input()},
    {textBox, C::Text4, C::GJ, "25", fieldAt(1560), 6, input()},
    {textBox, C::Text6, C::GJ, "65.7", fieldAt(1920), 5, input()},
    {textBox, C::Text8, C::GJ, "57.9", fieldAt(2280), 4, input()},
    {label, C::Label1, C::GJ, "模      数", {240, 480, 975, 255}, 15, naming(C::Text1)},
    {label, C::Label2, C::GJ, "齿      数", {240, 840, 975, 255}, 14, naming(C::Text2)},
    {label, C::Label3, C::GJ, "压  力  角", {240, 1200, 975, 255}, 13, naming(C::Text3)},
    {label, C::Label4, C::GJ, "螺  旋  角", {240, 1560, 975, 255}, 12, naming(C::Text4)},
    {label, C::Label6, C::GJ, "大      径", {240, 1920, 1095, 255}, 11, naming(C::Text6)},
    {label, C::Label8, C::GJ, "渐开线起始圆", {240, 2280, 1095, 255}, 10, naming(C::Text8)},

    {commandButton,
     C::Command2,
     C::JKX1,
     "退    出",
     {6000, 3480, 1455, 375},
     1,
     clickRuns(Handler::exitProgram)},
    {commandButton,
     C::Command1,
     C::JKX1,
     kCaptionInitial,
     {3840, 3480, 1455, 375},
     0,
     clickRuns(Handler::startCommand)},
    {label, C::Label9, C::JKX1, INVOLUTE_CREDIT_LINE, {480, 3480, 3015, 375}, 2, credit()},
}};

const ControlRow* findLayoutRow(Control control) {
    const auto* row =
        std::find_if(kWindowLayout.begin(), kWindowLayout.end(),
                     [control](const ControlRow& each) { return each.name == control; });
    return row == kWindowLayout.end() ? nullptr : row;
}

std::string withoutBlanks(std::string_view caption) {
    std::string compact;
    std::copy_if(caption.begin(), caption.end(), std::back_inserter(compact),
                 [](char c) { return c != ' '; });
    return compact;
}

std::string spokenName(const ControlRow& row) {
    if (row.kind == ControlKind::commandButton) {
        return withoutBlanks(row.caption);
    }
    const auto* label =
        std::find_if(kWindowLayout.begin(), kWindowLayout.end(),
                     [&row](const ControlRow& each) { return each.extras.labelFor == row.name; });
    return label == kWindowLayout.end() ? std::string() : withoutBlanks(label->caption);
}

}  // namespace involute::ui
