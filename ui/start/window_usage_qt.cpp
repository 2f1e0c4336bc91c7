#include "window_usage.h"

namespace involute::ui {

std::string_view windowUsage() {
    return "  involute [Qt 选项]                         打开计算窗口（需要图形显示）\n";
}

}  // namespace involute::ui
