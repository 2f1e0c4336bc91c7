// Resource IDs shared by the resource script and the code.
#pragma once

#define INVOLUTE_APP_ICON_ID 1

#ifndef RC_INVOKED
namespace involute::ui::win32 {
inline constexpr int kAppIconId = INVOLUTE_APP_ICON_ID;
}  // namespace involute::ui::win32
#endif
