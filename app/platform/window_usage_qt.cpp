#include "app/platform/window_usage.h"

namespace involute::platform {

std::string_view windowUsage() {
    return "  involute [Qt 选项]                         打开计算窗口（需要图形显示）\n";
}

}  // namespace involute::platform
