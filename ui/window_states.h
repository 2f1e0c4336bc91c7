// The four window states, told apart by the Start button's caption and the
// colour of the result fields.
//
//   Initial  "开    始"  menu-bar colour, results "0"          start-up
//   Running  "正在计算"  window background                     Click of Command1
//   Done     "计算结束"  window background, results shown      a run that succeeded
//   Editing  "开  始"    menu-bar colour, old results kept     GotFocus of an input field
//                                                              or the report of a failed run
//                        (a run that failed while computing keeps only what it wrote)
#pragma once

#include <array>
#include <string_view>

#include "window.h"

namespace involute::ui {

inline constexpr std::string_view kCaptionInitial = "开    始";
inline constexpr std::string_view kCaptionRunning = "正在计算";
inline constexpr std::string_view kCaptionDone = "计算结束";
inline constexpr std::string_view kCaptionEditing = "开  始";

// Menu-bar colour: the results shown may not belong to the inputs shown.
inline constexpr ColourCode kResultsStale = 0x80000004;
// Window background: the results shown come from the last run.
inline constexpr ColourCode kResultsCurrent = 0x80000005;

// Input fields in reading order: module, teeth, pressure angle, helix angle,
// tip diameter, start circle diameter.
inline constexpr std::array kInputFields{Control::Text1, Control::Text2, Control::Text3,
                                         Control::Text4, Control::Text6, Control::Text8};

// Result fields, top row first.
inline constexpr std::array kResultFields{Control::Text9,  Control::Text10, Control::Text11,
                                          Control::Text12, Control::Text13, Control::Text14};

// Shades every result field, top row first.
void setResultColour(Window& window, ColourCode colour);

}  // namespace involute::ui
