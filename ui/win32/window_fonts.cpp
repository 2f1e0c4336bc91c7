#include "window_fonts.h"

#include <cwchar>

namespace involute::ui::win32 {

namespace {

constexpr int kPointsPerInchHundredths = 7200;

// True when GDI maps a request for `face` onto that face itself, under its
// own name or, on a Chinese Windows, under its localised one.
bool isInstalled(const wchar_t* face) {
    const Font font = createFont(face, kWindowFontHundredths, USER_DEFAULT_SCREEN_DPI);
    return font && _wcsicmp(actualFace(font.get()).c_str(), face) == 0;
}

template <std::size_t count>
std::wstring firstInstalled(const std::array<const wchar_t*, count>& faces) {
    for (const wchar_t* face : faces) {
        if (isInstalled(face)) {
            return face;
        }
    }
    return {};
}

}  // namespace

WindowFaces chooseWindowFaces() {
    static const WindowFaces chosen = [] {
        WindowFaces faces;
        faces.ui = firstInstalled(kUiFaces);
        faces.credit = firstInstalled(kCreditFaces);
        if (faces.credit.empty()) {
            faces.credit = faces.ui;
        }
        return faces;
    }();
    return chosen;
}

int fontPixels(int hundredths, UINT dpi) {
    return MulDiv(hundredths, static_cast<int>(dpi), kPointsPerInchHundredths);
}

int smallestFieldFontPixels(UINT dpi) {
    const int atDefaultDpi = fontPixels(kSmallestFieldFontHundredths, USER_DEFAULT_SCREEN_DPI);
    return atDefaultDpi * static_cast<int>(dpi) / USER_DEFAULT_SCREEN_DPI;
}

Font createFont(const std::wstring& face, int hundredths, UINT dpi) {
    return createFontOfPixels(face, fontPixels(hundredths, dpi));
}

Font createFontOfPixels(const std::wstring& face, int pixels) {
    LOGFONTW request{};
    request.lfHeight = -pixels;
    request.lfWeight = FW_NORMAL;
    request.lfCharSet = GB2312_CHARSET;
    request.lfOutPrecision = OUT_TT_PRECIS;
    request.lfQuality = CLEARTYPE_QUALITY;
    wcsncpy(request.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&request));
}

std::wstring actualFace(HFONT font) {
    HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    std::array<wchar_t, LF_FACESIZE> face{};
    const int length = GetTextFaceW(screen, static_cast<int>(face.size()), face.data());
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return length > 0 ? std::wstring(face.data()) : std::wstring();
}

}  // namespace involute::ui::win32
