// Drives the wizard's window of another process as the pharmacist would, for the
// end-to-end tests under Wine:
//   wizard_driver click TEXT   waits for the wizard's window and an enabled button captioned
//                              TEXT in it, and clicks the button
//   wizard_driver texts        prints the text of each of the window's controls, one a line
//   wizard_driver box          waits for a message box, prints "title|text" and answers OK
// Output is UTF-8. Exit status 1 when what is waited for does not come within half a minute.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/awaited.h"
#include "tests/support/window_text.h"

namespace {

using pillora::testing::awaited;
using pillora::testing::descendants;
using pillora::testing::windowText;

void print(const std::wstring& line) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), utf8.data(), size,
                      nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fputc('\n', stdout);
}

// The wizard's window once it is shown: made and filled in by then.
HWND wizard() {
  return awaited([]() -> HWND {
    HWND window = FindWindowW(L"VelsorOptionPanel", nullptr);
    return window != nullptr && IsWindowVisible(window) != 0 ? window : nullptr;
  });
}

int click(const std::wstring& caption) {
  HWND window = wizard();
  HWND button = window == nullptr ? nullptr : awaited([window, &caption]() -> HWND {
    for (HWND each : descendants(window)) {
      if (IsWindowEnabled(each) != 0 && windowText(each) == caption) return each;
    }
    return nullptr;
  });
  if (button == nullptr) return 1;
  PostMessageW(button, BM_CLICK, 0, 0);
  return 0;
}

int texts() {
  HWND window = wizard();
  if (window == nullptr) return 1;
  print(windowText(window));
  for (HWND each : descendants(window)) print(windowText(each));
  return 0;
}

int box() {
  HWND found = awaited([] { return FindWindowW(L"#32770", nullptr); });
  if (found == nullptr) return 1;
  print(pillora::testing::messageBoxText(found));
  PostMessageW(found, WM_COMMAND, IDOK, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"click" && argc == 3) return click(argv[2]);
  if (command == L"texts") return texts();
  if (command == L"box") return box();
  std::fputs("usage: wizard_driver click TEXT | texts | box\n", stderr);
  return 2;
}
