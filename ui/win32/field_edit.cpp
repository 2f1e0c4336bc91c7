#include "field_edit.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "number_text.h"

#include "system_colours.h"

namespace involute::ui::win32 {

namespace {

constexpr UINT_PTR kFieldSubclassId = 1;
// The field's border, drawn here rather than by the edit control, which would
// draw it around its client area, that is around the line of text.
constexpr int kBorderPixels = 1;
// Set on a field while its text is cut.
constexpr const wchar_t* kCutProperty = L"InvoluteTextCut";

// The dark red of the credit line marks a cut text.
constexpr ColourCode kCutMarkColour = 0x000000C0;

// Where a line of text of the field's font has its digits: the top of their
// ink below the line's top, their height, and the line's height.
struct LineShape {
    int inkTop = 0;
    int inkHeight = 0;
    int height = 0;
};

LineShape lineShape(HWND edit) {
    auto* font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    HDC dc = GetDC(edit);
    const HGDIOBJ previous = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    GLYPHMETRICS digit{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    const bool measured =
        GetGlyphOutlineW(dc, L'0', GGO_METRICS, &digit, 0, nullptr, &identity) != GDI_ERROR;
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    if (!measured) {
        return {0, metrics.tmHeight, metrics.tmHeight};
    }
    return {metrics.tmAscent - digit.gmptGlyphOrigin.y, static_cast<int>(digit.gmBlackBoxY),
            metrics.tmHeight};
}

// The client area in the field's window coordinates.
RECT clientInWindow(HWND edit) {
    RECT client{};
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT window{};
    GetWindowRect(edit, &window);
    OffsetRect(&client, -window.left, -window.top);
    return client;
}

// Makes the client area of a field whose window takes `client` the line of
// text with the digits' ink centred in the field, as far as the line stays
// whole. A CJK face's line has much blank above its digits, so the line may
// cover the top border, which is drawn again after the line.
void placeLine(RECT& client, const LineShape& line) {
    const LONG outerTop = client.top;
    InflateRect(&client, -kBorderPixels, -kBorderPixels);
    const int room = client.bottom - client.top;
    if (line.height <= 0) {
        return;
    }
    const LONG centred = client.top + (room - line.inkHeight) / 2 - line.inkTop;
    const LONG lowest = client.bottom - line.height;
    const LONG top = lowest < outerTop ? outerTop : std::clamp(centred, outerTop, lowest);
    client.top = top;
    client.bottom = std::min(client.bottom, top + line.height);
}

void paintBorder(HDC dc, const RECT& interior) {
    RECT outline = interior;
    InflateRect(&outline, kBorderPixels, kBorderPixels);
    FrameRect(dc, &outline, GetSysColorBrush(COLOR_BTNSHADOW));
}

// Only the line of text is client area, so the edit control paints only that:
// the bands above and below it take the field's colour as the parent gives it,
// inside a border in the 3-D shadow colour.
void paintAroundLine(HWND edit) {
    HDC dc = GetWindowDC(edit);
    const RECT interior = fieldInterior(edit);
    const RECT client = clientInWindow(edit);
    paintBorder(dc, interior);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    const bool readOnly = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
    auto* brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(edit), readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
    FillRect(dc, &interior, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
    ReleaseDC(edit, dc);
}

// A third of the field's inner height, as spreadsheets mark a cell with more
// to read; drawn over whatever lies in the corner.
void paintCutMark(HWND edit) {
    HDC dc = GetWindowDC(edit);
    const RECT interior = fieldInterior(edit);
    const int size = std::max(3, static_cast<int>(interior.bottom - interior.top) / 3);
    const COLORREF colour = colourFromCode(kCutMarkColour);
    const HGDIOBJ previousPen = SelectObject(dc, GetStockObject(DC_PEN));
    const HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, colour);
    SetDCBrushColor(dc, colour);
    const LONG right = interior.right - 1;
    const POINT corner[] = {
        {right - size + 1, interior.top}, {right, interior.top}, {right, interior.top + size - 1}};
    Polygon(dc, corner, 3);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    ReleaseDC(edit, dc);
}

// The edit control's word boundaries split a number at its point, sign or
// exponent; a double click selects all of it, so that a copied number is
// whole. False when the click is on no number.
bool selectNumberAt(HWND edit, LPARAM where) {
    const auto found = static_cast<DWORD>(SendMessageW(edit, EM_CHARFROMPOS, 0, where));
    const int length = GetWindowTextLengthW(edit);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(edit, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    const calc::TextSpan number = calc::numberAround(text, LOWORD(found));
    if (number.begin == number.end) {
        return false;
    }
    SendMessageW(edit, EM_SETSEL, number.begin, static_cast<LPARAM>(number.end));
    return true;
}

LRESULT CALLBACK fieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                           DWORD_PTR /*data*/) {
    switch (message) {
        case WM_LBUTTONDOWN:
            // The click that brings the focus would put the caret where it
            // lands and so undo the focus handler's whole-text selection: the
            // field takes the focus and the click goes no further.
            if (GetFocus() != edit) {
                SetFocus(edit);
                return 0;
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (selectNumberAt(edit, lParam)) {
                return 0;
            }
            break;
        case WM_NCCALCSIZE: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            // The first rectangle of NCCALCSIZE_PARAMS, or the lone one.
            placeLine(*reinterpret_cast<RECT*>(lParam), lineShape(edit));
            return result;
        }
        case WM_NCHITTEST:
            // The bands around the line are the field too.
            return HTCLIENT;
        case WM_SETFONT: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            SetWindowPos(
                edit, nullptr, 0, 0, 0, 0,
                SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return result;
        }
        case WM_NCPAINT: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            paintAroundLine(edit);
            if (hasCutMark(edit)) {
                paintCutMark(edit);
            }
            return result;
        }
        case WM_PAINT: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            HDC dc = GetWindowDC(edit);
            paintBorder(dc, fieldInterior(edit));
            ReleaseDC(edit, dc);
            if (hasCutMark(edit)) {
                paintCutMark(edit);
            }
            return result;
        }
        case WM_NCDESTROY:
            RemovePropW(edit, kCutProperty);
            RemoveWindowSubclass(edit, &fieldProc, kFieldSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void makeFieldEdit(HWND edit) {
    SetWindowSubclass(edit, &fieldProc, kFieldSubclassId, 0);
}

RECT fieldInterior(HWND edit) {
    RECT window{};
    GetWindowRect(edit, &window);
    RECT interior{0, 0, window.right - window.left, window.bottom - window.top};
    InflateRect(&interior, -kBorderPixels, -kBorderPixels);
    return interior;
}

void setCutMark(HWND edit, bool cut) {
    if (hasCutMark(edit) == cut) {
        return;
    }
    if (cut) {
        SetPropW(edit, kCutProperty, edit);
    } else {
        RemovePropW(edit, kCutProperty);
    }
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

bool hasCutMark(HWND edit) {
    return GetPropW(edit, kCutProperty) != nullptr;
}

}  // namespace involute::ui::win32
