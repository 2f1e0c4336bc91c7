// The Qt window is a module of its own, loaded only here, when the window
// opens: the command line never maps Qt, its X11 and font libraries.
#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <bit>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "window_module.h"
#include "window_start.h"

namespace involute::ui {

namespace {

std::filesystem::path programFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : program.parent_path();
}

// Next to the program in the build tree; installed, in the program's library
// folder, found from where the program is, so that a moved prefix works.
std::array<std::filesystem::path, 2> modulePlaces() {
    const std::filesystem::path folder = programFolder();
    return {
        folder / INVOLUTE_WINDOW_MODULE,
        (folder / INVOLUTE_INSTALLED_MODULE_FOLDER / INVOLUTE_WINDOW_MODULE).lexically_normal()};
}

int cannotOpen(const std::string& cause) {
    std::cerr << "involute: " << cause << "，无法打开计算窗口\n" << kCommandLineHint;
    return kExitNoWindow;
}

}  // namespace

int startWindow(int argc, char** argv) {
    const auto places = modulePlaces();
    const auto* found = std::find_if(places.begin(), places.end(), [](const auto& place) {
        std::error_code error;
        return std::filesystem::exists(place, error);
    });
    if (found == places.end()) {
        return cannotOpen("找不到窗口模块（" + places.front().string() + " 与 " +
                          places.back().string() + " 都不存在）");
    }
    // Never closed: Qt's libraries stay until the program ends.
    void* module = dlopen(found->c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        return cannotOpen("无法载入窗口模块 " + found->string() + "（" + dlerror() + "）");
    }
    void* entry = dlsym(module, kWindowEntryPointName);
    if (entry == nullptr) {
        return cannotOpen("窗口模块 " + found->string() + " 中没有入口 " + kWindowEntryPointName);
    }
    return std::bit_cast<WindowEntryPoint>(entry)(argc, argv);
}

}  // namespace involute::ui
