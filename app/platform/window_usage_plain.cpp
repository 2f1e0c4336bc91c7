#include "app/platform/window_usage.h"

namespace involute::platform {

std::string_view windowUsage() {
    return "  involute                                   打开计算窗口\n";
}

}  // namespace involute::platform
