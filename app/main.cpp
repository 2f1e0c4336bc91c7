// The calculator: with no arguments, the window.
#include "ui/qt/run_window.h"

int main(int argc, char** argv) {
    return involute::ui::qt::runWindow(argc, argv);
}
