#pragma once
// Whether a window can be shown at all: Qt ends the process when it finds no display, so the
// window programs ask first.
#include <optional>
#include <string>

namespace pillora {

// Why no window can be shown: neither DISPLAY nor WAYLAND_DISPLAY names a display and
// QT_QPA_PLATFORM asks for no other window system. None when a display is named.
std::optional<std::string> missingDisplay();

}  // namespace pillora
