#include "window.h"

#include <array>
#include <utility>

#include "utf8.h"
#include "window_states.h"

namespace involute::ui {

namespace {

constexpr std::array<std::pair<Control, std::string_view>, 30> kControlNames{{
    {Control::JKX1, "JKX1"},       {Control::Frame1, "Frame1"},     {Control::GJ, "GJ"},
    {Control::Text1, "Text1"},     {Control::Text2, "Text2"},       {Control::Text3, "Text3"},
    {Control::Text4, "Text4"},     {Control::Text6, "Text6"},       {Control::Text8, "Text8"},
    {Control::Text9, "Text9"},     {Control::Text10, "Text10"},     {Control::Text11, "Text11"},
    {Control::Text12, "Text12"},   {Control::Text13, "Text13"},     {Control::Text14, "Text14"},
    {Control::Label1, "Label1"},   {Control::Label2, "Label2"},     {Control::Label3, "Label3"},
    {Control::Label4, "Label4"},   {Control::Label6, "Label6"},     {Control::Label8, "Label8"},
    {Control::Label9, "Label9"},   {Control::Label10, "Label10"},   {Control::Label11, "Label11"},
    {Control::Label12, "Label12"}, {Control::Label13, "Label13"},   {Control::Label14, "Label14"},
    {Control::Label15, "Label15"}, {Control::Command1, "Command1"}, {Control::Command2, "Command2"},
}};

}  // namespace

std::string_view controlName(Control control) {
    for (const auto& [each, name] : kControlNames) {
        if (each == control) {
            return name;
        }
    }
    return {};
}

int lengthInCharacters(std::string_view text) {
    return static_cast<int>(utf8::characterCount(text));
}

void setResultColour(Window& window, ColourCode colour) {
    for (const Control field : kResultFields) {
        window.setBackColor(field, colour);
    }
}

}  // namespace involute::ui
