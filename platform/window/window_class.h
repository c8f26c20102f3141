#pragma once
// Windows of this program's own classes hand their messages to a C++ object: the object
// given when the window is made receives every message from WM_NCCREATE on. A handler's
// exception ends the message loop and is thrown again from it (message_loop.h).
#include "platform/window/windows_api.h"

namespace pillora {

class WindowHandler {
 public:
  WindowHandler() = default;
  WindowHandler(const WindowHandler&) = delete;
  WindowHandler& operator=(const WindowHandler&) = delete;

  // DefWindowProcW unless the handler answers the message itself.
  virtual LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

 protected:
  ~WindowHandler() = default;
};

// The handle or pointer a message carries in one of its integer parameters.
template <typename Carried, typename Integer>
Carried carriedBy(Integer parameter) {
  return reinterpret_cast<Carried>(parameter);  // NOLINT(performance-no-int-to-ptr)
}

struct WindowSpec {
  const wchar_t* className;
  const wchar_t* caption;
  DWORD style;
  DWORD exStyle;
  HWND parent;
};

// Registers the class on first use (button-face background, arrow cursor, the stock
// application icon) and makes a window of it, zero-sized; a top-level window where Windows
// places new windows, a child window at its parent's origin. AppError when the window
// cannot be made.
HWND createHandledWindow(const WindowSpec& spec, WindowHandler& handler);

// The window no longer reaches its handler, and is destroyed unless it is gone already.
void releaseHandledWindow(HWND window);

}  // namespace pillora
