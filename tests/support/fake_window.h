// A window that keeps its controls' state in maps and records every contract
// operation, in order, as one line of text.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "window.h"

namespace involute::testing {

class FakeWindow : public ui::Window {
  public:
    // Starts with the layout's initial texts, captions and colours.
    FakeWindow();

    [[nodiscard]] std::string text(ui::Control field) const override;
    void setText(ui::Control field, std::string_view text) override;
    void setCaption(ui::Control button, std::string_view caption) override;
    void setBackColor(ui::Control field, ui::ColourCode colour) override;
    void setSelStart(ui::Control field, int position) override;
    void setSelLength(ui::Control field, int length) override;
    void setFocus(ui::Control control) override;
    void reportError(std::string_view message) override;

    // Sets a field's text as the user would, without recording it.
    void type(ui::Control field, std::string_view text) { texts_[field] = std::string(text); }

    [[nodiscard]] std::string caption(ui::Control button) const { return captions_.at(button); }
    [[nodiscard]] ui::ColourCode backColor(ui::Control field) const { return colours_.at(field); }
    [[nodiscard]] ui::Control focus() const { return focus_; }
    [[nodiscard]] int selStart(ui::Control field) const { return selection_.at(field).first; }
    [[nodiscard]] int selLength(ui::Control field) const { return selection_.at(field).second; }

    [[nodiscard]] const std::vector<std::string>& operations() const { return operations_; }
    [[nodiscard]] const std::vector<std::string>& reports() const { return reports_; }
    void clearOperations() { operations_.clear(); }

  private:
    std::map<ui::Control, std::string> texts_;
    std::map<ui::Control, std::string> captions_;
    std::map<ui::Control, ui::ColourCode> colours_;
    std::map<ui::Control, std::pair<int, int>> selection_;
    ui::Control focus_ = ui::Control::Command1;
    std::vector<std::string> reports_;
    mutable std::vector<std::string> operations_;
};

}  // namespace involute::testing
