#pragma once
// Whether the window system can be reached before Qt tries (and aborts when it cannot).
#include <string>

/// True when the X display the window would open answers, or when another platform than
/// X is chosen (QT_QPA_PLATFORM) or offered (WAYLAND_DISPLAY). Otherwise false and
/// `problem` says which display failed and why.
bool DisplayReachable(std::string &problem);
