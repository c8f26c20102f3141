#pragma once
// What a Win32 window shows, read as a user would see it: its text (asked with WM_GETTEXT,
// so an edit box of another process answers too) and a message box's title and texts.
#include "platform/window/windows_api.h"

#include <string>
#include <vector>

namespace pillora::testing {

inline std::wstring windowText(HWND window) {
  std::wstring text(4096, L'\0');
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_BLOCK, 5000, &length);
  text.resize(length);
  return text;
}

// Every window below `window`, in Windows' order. The callback is a function of the Win32
// calling convention (a lambda converts to it only where that is the C one: not on 32-bit).
inline BOOL CALLBACK collectWindow(HWND each, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(each);  // NOLINT(performance-no-int-to-ptr)
  return TRUE;
}
inline std::vector<HWND> descendants(HWND window) {
  std::vector<HWND> found;
  EnumChildWindows(window, collectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// "title|text", the box's static texts in their order.
inline std::wstring messageBoxText(HWND box) {
  std::wstring seen = windowText(box);
  for (HWND each : descendants(box)) {
    wchar_t className[16] = {};
    GetClassNameW(each, className, 16);
    const std::wstring text = windowText(each);
    if (std::wstring(className) == L"Static" && !text.empty()) seen += L"|" + text;
  }
  return seen;
}

}  // namespace pillora::testing
