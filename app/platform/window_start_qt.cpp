#include "app/platform/window_start.h"
#include "ui/qt/run_window.h"

namespace involute::platform {

int startWindow(int argc, char** argv) {
    return ui::qt::runWindow(argc, argv);
}

}  // namespace involute::platform
