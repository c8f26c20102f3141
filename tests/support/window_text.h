#pragma once
// What a Win32 window shows, read as a user would see it: its text (asked with WM_GETTEXT,
// so an edit box of another process answers too) and a message box's title and texts.
#include "platform/window/windows_api.h"

#include <string>

namespace pillora::testing {

inline std::wstring windowText(HWND window) {
  std::wstring text(4096, L'\0');
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_BLOCK, 5000, &length);
  text.resize(length);
  return text;
}

// "title|text", the box's static texts in their order.
inline std::wstring messageBoxText(HWND box) {
  std::wstring seen = windowText(box);
  EnumChildWindows(
      box,
      [](HWND each, LPARAM collected) {
        wchar_t className[16] = {};
        GetClassNameW(each, className, 16);
        const std::wstring text = windowText(each);
        if (std::wstring(className) == L"Static" && !text.empty()) {
          *reinterpret_cast<std::wstring*>(collected) += L"|" + text;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&seen));
  return seen;
}

}  // namespace pillora::testing
