// The window's fonts on Windows.
//
// Every control but the credit line uses a face that shows GB2312 on any
// Windows, Chinese or not: the first installed of kUiFaces, at 9 points, the
// size the layout's rows were drawn for. A result field whose text does not fit
// takes a smaller size, down to 7 points as a 96-DPI screen shows them. The credit line asks for
// 楷体_GB2312 at 15.75 points, and on a Windows without it for another Kai face, or else the
// window's face. Font mapping substitutes silently, so a face counts as installed only when GDI
// reports that it got it (GetTextFaceW).
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "gdi_object.h"

namespace involute::ui::win32 {

inline constexpr int kWindowFontHundredths = 900;
inline constexpr int kSmallestFieldFontHundredths = 700;
inline constexpr int kCreditFontHundredths = 1575;

// Faces with every GB2312 character, the Windows UI faces first.
inline constexpr std::array<const wchar_t*, 9> kUiFaces{
    L"Microsoft YaHei UI",
    L"Microsoft YaHei",
    L"SimSun",
    L"NSimSun",
    L"SimHei",
    L"Noto Sans CJK SC",
    L"Source Han Sans SC",
    L"WenQuanYi Micro Hei",
    L"Droid Sans Fallback",
};

// 楷体_GB2312 and the Kai faces that stand in for it, closest first.
inline constexpr std::array<const wchar_t*, 7> kCreditFaces{
    L"楷体_GB2312", L"KaiTi_GB2312",    L"KaiTi",         L"楷体",
    L"STKaiti",     L"AR PL KaitiM GB", L"AR PL UKai CN",
};

struct WindowFaces {
    std::wstring ui;      // empty: none of kUiFaces is installed
    std::wstring credit;  // the UI face when no Kai face is installed
};

// Looks the faces up once; the answer holds for the life of the program.
[[nodiscard]] WindowFaces chooseWindowFaces();

// The height in pixels of a size in hundredths of a point at that DPI.
[[nodiscard]] int fontPixels(int hundredths, UINT dpi);

// The smallest height a result field's font takes: 7 points at 96 DPI are
// 9 pixels, and the same physical size at any DPI, rounded down. Rounded to
// the nearest pixel, 7 points would be relatively larger at 120, 144 and
// 192 DPI, and GDI's whole-pixel digit widths grow with it, so that the
// longest plain decimals no longer fit.
[[nodiscard]] int smallestFieldFontPixels(UINT dpi);

// A GB2312 font of that face and size (hundredths of a point) at that DPI,
// or of that height in pixels; normal weight, upright, neither underlined nor
// struck out.
[[nodiscard]] Font createFont(const std::wstring& face, int hundredths, UINT dpi);
[[nodiscard]] Font createFontOfPixels(const std::wstring& face, int pixels);

// The face GDI actually chose for the font.
[[nodiscard]] std::wstring actualFace(HFONT font);

}  // namespace involute::ui::win32
