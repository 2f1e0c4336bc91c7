// Fuzzes reading a number from field text and writing a result as text.
//
// Whatever text is read as a number gives a finite double; its result text
// reads back and prints again unchanged; typing the same text full-width,
// between blanks or with a minus sign in front reads the same way.
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "number_text.h"

namespace {

using involute::calc::NumberFromText;
using involute::calc::numberFromText;
using involute::calc::textFromNumber;
using involute::fuzz::require;

// The same text as a Chinese input method in full-width mode types it: every
// ASCII digit, sign, e/E, point and space by its full-width form. Every other
// byte stays as it is.
std::string fullWidth(std::string_view text) {
    std::string out;
    bool ideographicStop = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            // U+FF10 + digit: EF BC 90..99
            out += "\xEF\xBC";
            out.push_back(static_cast<char>(0x90 + (c - '0')));
            continue;
        }
        switch (c) {
            case '+':
                out += "＋";
                break;
            case '-':
                out += "－";
                break;
            case 'e':
                out += "ｅ";
                break;
            case 'E':
                out += "Ｅ";
                break;
            case '.':
                // Both points an input method may type.
                out += ideographicStop ? "。" : "．";
                ideographicStop = !ideographicStop;
                break;
            case ' ':
                out += "\u3000";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

bool sameReading(const NumberFromText& a, const NumberFromText& b) {
    return a.fault == b.fault &&
           std::bit_cast<std::uint64_t>(a.value) == std::bit_cast<std::uint64_t>(b.value);
}

void checkResultText(double value, const std::string& input) {
    const std::string text = textFromNumber(value);
    require(text.find_first_of("abcdefghijklmnopqrstuvwxyz,") == std::string::npos,
            "a result text has only digits, sign, point and E", text);
    require(text != "-0", "negative zero prints 0", input);

    const NumberFromText again = numberFromText(text);
    require(again.ok(), "a result text reads back as a number", text);
    require(textFromNumber(again.value) == text, "a result text prints again unchanged", text);
    // Fifteen significant digits: within half a unit of the fifteenth digit.
    if (std::isnormal(value)) {
        require(std::fabs(again.value - value) <= std::fabs(value) * 5.1e-15,
                "a result text is within fifteen digits of its value", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const NumberFromText number = numberFromText(input);

    if (number.ok()) {
        require(std::isfinite(number.value), "a number read is finite", input);
        checkResultText(number.value, input);
    }

    require(sameReading(numberFromText(fullWidth(input)), number),
            "full-width text reads like its ASCII form", input);
    require(sameReading(numberFromText(" \t\u3000" + input + "\u3000 "), number),
            "blanks around the text change nothing", input);

    // A sign in front negates exactly, when the text starts with the number.
    if (!input.empty() && ((input[0] >= '0' && input[0] <= '9') || input[0] == '.')) {
        const NumberFromText negated = numberFromText("-" + input);
        require(negated.fault == number.fault, "a minus sign keeps the fault", input);
        if (number.ok()) {
            require(std::bit_cast<std::uint64_t>(negated.value) ==
                        std::bit_cast<std::uint64_t>(-number.value),
                    "a minus sign negates exactly", input);
        }
    }
    return 0;
}
