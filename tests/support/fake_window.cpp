#include "fake_window.h"

#include <cstdio>

#include "gear_quantities.h"
#include "window_states.h"

namespace involute::testing {

using ui::Control;

namespace {

std::string hex(ui::ColourCode colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", colour);
    return buffer;
}

std::string name(Control control) {
    return std::string(ui::controlName(control));
}

}  // namespace

FakeWindow::FakeWindow() {
    for (std::size_t i = 0; i < ui::kInputFields.size(); ++i) {
        texts_[ui::kInputFields[i]] = calc::kInputRows[i].example;
        selection_[ui::kInputFields[i]] = {0, 0};
    }
    for (const Control field : ui::kResultFields) {
        texts_[field] = "0";
        colours_[field] = ui::kResultsStale;
        selection_[field] = {0, 0};
    }
    captions_[Control::Command1] = std::string(ui::kCaptionInitial);
    captions_[Control::Command2] = "退    出";
}

std::string FakeWindow::text(Control field) const {
    operations_.push_back("text " + name(field));
    return texts_.at(field);
}

void FakeWindow::setText(Control field, std::string_view text) {
    operations_.push_back("setText " + name(field) + " " + std::string(text));
    texts_.at(field) = std::string(text);
}

void FakeWindow::setCaption(Control button, std::string_view caption) {
    operations_.push_back("setCaption " + name(button) + " " + std::string(caption));
    captions_.at(button) = std::string(caption);
}

void FakeWindow::setBackColor(Control field, ui::ColourCode colour) {
    operations_.push_back("setBackColor " + name(field) + " " + hex(colour));
    colours_.at(field) = colour;
}

void FakeWindow::setSelStart(Control field, int position) {
    operations_.push_back("setSelStart " + name(field) + " " + std::to_string(position));
    selection_.at(field) = {position, 0};
}

void FakeWindow::setSelLength(Control field, int length) {
    operations_.push_back("setSelLength " + name(field) + " " + std::to_string(length));
    selection_.at(field).second = length;
}

void FakeWindow::setFocus(Control control) {
    operations_.push_back("setFocus " + name(control));
    focus_ = control;
}

void FakeWindow::reportError(std::string_view message) {
    operations_.push_back("reportError " + std::string(message));
    reports_.emplace_back(message);
}

}  // namespace involute::testing
