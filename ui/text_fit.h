// How a text box shows a text too wide for it, whatever toolkit draws it:
// its font shrinks, a pixel of height at a time, to the largest size at
// which the text and its line fit; a result that does not fit even at the
// smallest size is cut and marked (ui/window_look.h). And where the line
// sits: the digits' ink centred in the field, since digits have no
// descender and a line box centred whole would put them low.
#pragma once

namespace involute::ui {

// Font heights in whole pixels, the unit a toolkit draws glyphs in.
struct FontPixels {
    int largest = 0;
    int smallest = 0;
};

// From kWindowFontPoints, rounded, down to kSmallestFieldPoints as a
// 96-DPI screen shows it (9 pixels), scaled to `dotsPerInch` and rounded
// down: rounded to the nearest pixel, 7 points would be relatively larger at
// 120, 144 and 192 DPI, and whole-pixel digit widths grow with it, so that
// the longest plain decimals would no longer fit.
[[nodiscard]] FontPixels fieldFontPixels(double dotsPerInch);

// What the binding measures of the field's text, in its font of that height.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    [[nodiscard]] virtual int textWidth(int fontPixels) const = 0;
    // The height the field must leave for the line to show whole.
    [[nodiscard]] virtual int lineHeight(int fontPixels) const = 0;

  protected:
    TextMeasure() = default;
    TextMeasure(const TextMeasure&) = default;
    TextMeasure& operator=(const TextMeasure&) = default;
};

// The room a field leaves for its text, in pixels.
struct TextRoom {
    int width = 0;
    int height = 0;
};

struct TextFit {
    int fontPixels = 0;
    bool cut = false;  // too wide even at the smallest size
};

// The largest height from `sizes.largest` down to `sizes.smallest` at which
// the text is no wider than the room and its line no taller; the smallest,
// cut, when there is none. Only a read-only field is ever cut: an input
// field scrolls its text as the user types.
[[nodiscard]] TextFit fitText(const TextMeasure& measure, TextRoom room, FontPixels sizes,
                              bool readOnly);

// The ink of the digit 0 in a line of text: its top below the line's top,
// and its height.
struct DigitInk {
    int top = 0;
    int height = 0;
};

// The top of the line, from the room's top, that centres the digits' ink in
// a room `roomHeight` high; an odd pixel left over goes below.
[[nodiscard]] int inkCentredLineTop(int roomHeight, DigitInk ink);

}  // namespace involute::ui
