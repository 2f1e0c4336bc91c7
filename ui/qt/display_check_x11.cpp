#include "display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

#include "window_module.h"

namespace involute::ui::qt {

namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// The value after `option` among the words (Qt's "-platform xcb",
// "-display :1"); empty when the option is not given.
std::string_view optionValue(std::span<const std::string_view> words, std::string_view option) {
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == option) {
            return words[i + 1];
        }
    }
    return {};
}

// Connects as Qt would, authentication included, and hangs up at once.
bool xServerAnswers(const std::string& display) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// Whether a Wayland compositor listens on `display`: a socket in
// XDG_RUNTIME_DIR, or the socket's own path.
bool waylandAnswers(const std::string& display) {
    std::string path = display;
    if (!path.starts_with('/')) {
        if (!isSet("XDG_RUNTIME_DIR")) {
            return false;
        }
        path = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/" + display;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

}  // namespace

std::optional<std::string> displayProblem(std::span<const std::string_view> words) {
    // The -platform option wins over the variable, as in Qt.
    std::string_view platform = optionValue(words, "-platform");
    if (platform.empty() && isSet("QT_QPA_PLATFORM")) {
        platform = std::getenv("QT_QPA_PLATFORM");
    }
    if (!platform.empty() && !platform.starts_with("xcb")) {
        return std::nullopt;
    }
    // A Wayland session's display is Qt's to find; one that does not answer
    // leaves X11, to which Qt falls back, and then Qt aborts.
    const std::string wayland = platform.empty() && isSet("WAYLAND_DISPLAY")
                                    ? std::string(std::getenv("WAYLAND_DISPLAY"))
                                    : std::string();
    if (!wayland.empty() && waylandAnswers(wayland)) {
        return std::nullopt;
    }
    std::string display(optionValue(words, "-display"));
    if (display.empty() && isSet("DISPLAY")) {
        display = std::getenv("DISPLAY");
    }
    if (display.empty() && !wayland.empty()) {
        return "involute: 无法连接 Wayland 显示 " + wayland +
               "，也没有 X 显示（环境变量 DISPLAY 未设置），无法打开计算窗口\n" +
               std::string(kCommandLineHint);
    }
    if (display.empty()) {
        return "involute: 没有图形显示（环境变量 DISPLAY 未设置），无法打开计算窗口\n" +
               std::string(kCommandLineHint);
    }
    if (!xServerAnswers(display)) {
        return "involute: 无法连接图形显示 " + display + "，无法打开计算窗口\n" +
               std::string(kCommandLineHint);
    }
    return std::nullopt;
}

}  // namespace involute::ui::qt
