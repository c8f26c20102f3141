#include "platform/window/window_class.h"

#include <set>
#include <string>

#include "common/text/convert.h"
#include "common/text/errors.h"
#include "platform/files/windows_error.h"
#include "platform/window/message_loop.h"

namespace pillora {

namespace {

LRESULT CALLBACK handledWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = carriedBy<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* handler = carriedBy<WindowHandler*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (handler == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return handler->handle(window, message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the system's frames.
    endMessageLoopWith(std::current_exception());
    return 0;
  }
}

void registerOnce(const wchar_t* className) {
  static std::set<std::wstring> registered;
  if (registered.contains(className)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;  // what a window paints follows its size
  windowClass.lpfnWndProc = handledWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = className;
  if (RegisterClassExW(&windowClass) == 0) {
    throw AppError("cannot register the window class: " + windowsError());
  }
  registered.insert(className);
}

}  // namespace

HWND createHandledWindow(const WindowSpec& spec, WindowHandler& handler) {
  registerOnce(spec.className);
  HWND window = CreateWindowExW(spec.exStyle, spec.className, spec.caption, spec.style,
                                CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, spec.parent, nullptr,
                                GetModuleHandleW(nullptr), &handler);
  if (window == nullptr) {
    throw AppError("cannot make a window: " + windowsError());
  }
  return window;
}

void releaseHandledWindow(HWND window) {
  if (IsWindow(window) == 0) return;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

}  // namespace pillora
