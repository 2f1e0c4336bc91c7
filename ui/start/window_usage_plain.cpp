#include "window_usage.h"

namespace involute::ui {

std::string_view windowUsage() {
    return "  involute                                   打开计算窗口\n";
}

}  // namespace involute::ui
