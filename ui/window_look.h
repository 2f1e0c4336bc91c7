// How the window looks, whatever draws it: the sizes of its fonts, the Kai
// families that stand in for the credit line's, the dark red it uses, the
// mark of a cut text and the error report's one button. Both bindings take
// these from here, so the two windows cannot drift apart.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "window.h"

namespace involute::ui {

// Every control but the credit line: the size the layout's rows (255-twip
// labels, 270-twip fields, 360-twip pitch) were drawn for.
inline constexpr double kWindowFontPoints = 9.0;
// The smallest size a result's font shrinks to so that a long result shows
// whole: 21 half-width characters at 7 points fit the 1575-twip field.
inline constexpr double kSmallestFieldPoints = 7.0;
inline constexpr double kCreditFontPoints = 15.75;
inline constexpr std::string_view kCreditFontFamily = "楷体_GB2312";

// Kai families that can stand in for kCreditFontFamily, closest first: its
// own Latin name, its GBK successor under both names, then the Kai fonts of
// other systems, the GB2312 ones before the others.
inline constexpr std::array<std::string_view, 7> kKaiStandIns{
    "KaiTi_GB2312", "KaiTi", "楷体", "STKaiti", "AR PL KaitiM GB", "AR PL UKai CN", "TW-Kai",
};

// Dark red: the credit line's ink and the mark of a cut text.
inline constexpr ColourCode kDarkRed = 0x000000C0;

// The mark of a text too wide for its field even at kSmallestFieldPoints: a
// dark red triangle in the top right corner of the field's inside, as
// spreadsheets mark a cell with more to read. Its two sides are a third of
// the inside's height, and at least three pixels, so that it shows in the
// smallest field.
[[nodiscard]] constexpr int cutMarkPixels(int insideHeight) {
    return std::max(3, insideHeight / 3);
}

// The one button of the report of a failed run, in the window's own
// language rather than the system's.
inline constexpr std::string_view kErrorReportButton = "确定";

}  // namespace involute::ui
