#include "display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

bool DisplayReachable(std::string &problem)
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != 0 && std::strncmp(platform, "xcb", 3) != 0) return true;
    const char *display = std::getenv("DISPLAY");
    if (display == nullptr || *display == 0) {
        if (platform == nullptr && std::getenv("WAYLAND_DISPLAY") != nullptr) return true;
        problem = "DISPLAY is not set";
        return false;
    }
    xcb_connection_t *connection = xcb_connect(display, nullptr);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!answered) problem = std::string(display) + " does not answer";
    return answered;
}
