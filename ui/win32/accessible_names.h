// The names screen readers speak for the window's controls. An edit control
// has no caption of its own, so Active Accessibility would name it by the
// nearest static text before it, padding blanks and all; each field is given
// its label's name instead, and each button its caption, as annotations of
// their windows (IAccPropServices, oleacc). Without the service (COM refused)
// the window works the same, unnamed.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace involute::ui::win32 {

class AccessibleNames {
  public:
    // Joins this thread to a single-threaded COM apartment for as long as
    // the names live; a thread already in one keeps it.
    AccessibleNames();
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    void name(HWND control, const std::wstring& name);
    // Drops the annotation before the control's window goes.
    void forget(HWND control);

  private:
    bool leaveApartment_ = false;
    IAccPropServices* services_ = nullptr;
};

}  // namespace involute::ui::win32
