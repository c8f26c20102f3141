#include "pillora/testform/form1_win32.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "pillora/testform/command1_click.h"
#include "pillora/testform/test_window.h"
#include "platform/files/wide_text.h"

namespace pillora {

namespace {

constexpr const wchar_t* kWindowClass = L"PilloraTestForm1";
constexpr int kCommand1Id = 1;
// A small window with the button at its top left, in pixels.
constexpr SIZE kFormSize{320, 240};
constexpr RECT kCommand1Place{16, 16, 97, 49};

void registerWindowClass(WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  // A second window of the process finds the class already there.
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("Windows cannot register the test window (error " +
                             std::to_string(GetLastError()) + ")");
  }
}

HWND madeOrFailed(HWND window, const char* what) {
  if (window == nullptr) {
    throw std::runtime_error(std::string("Windows cannot make the ") + what + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  return window;
}

}  // namespace

Form1::Form1(Action onCommand1Click) : m_onCommand1Click(std::move(onCommand1Click)) {
  registerWindowClass(&Form1::procedure);
  m_window = madeOrFailed(CreateWindowExW(0, kWindowClass, L"Form1", WS_OVERLAPPEDWINDOW,
                                          CW_USEDEFAULT, CW_USEDEFAULT, kFormSize.cx, kFormSize.cy,
                                          nullptr, nullptr, GetModuleHandleW(nullptr), this),
                          "test window");
  try {
    addCommand1();
  } catch (...) {
    DestroyWindow(m_window);
    throw;
  }
}

Form1::~Form1() {
  DestroyWindow(m_window);
}

void Form1::addCommand1() {
  const HWND button = madeOrFailed(
      CreateWindowExW(0, L"BUTTON", L"Command1", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                      kCommand1Place.left, kCommand1Place.top,
                      kCommand1Place.right - kCommand1Place.left,
                      kCommand1Place.bottom - kCommand1Place.top, m_window,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCommand1Id)),
                      GetModuleHandleW(nullptr), nullptr),
      "button Command1");
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
}

LRESULT CALLBACK Form1::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_COMMAND && LOWORD(wParam) == kCommand1Id && HIWORD(wParam) == BN_CLICKED &&
      form != nullptr) {
    form->m_onCommand1Click(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    // Closing the window ends the program.
    PostQuitMessage(0);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::unique_ptr<Form1> makeTestWindow(Printers& printers, RunState& run) {
  return std::make_unique<Form1>([click = Command1Click(printers, run)](HWND form) {
    if (const std::optional<Text> failure = click()) {
      MessageBoxW(form, wideOf(*failure).c_str(), wideOf(kTestFormTitle).c_str(),
                  MB_OK | MB_ICONERROR);
      PostQuitMessage(kClickFailedStatus);
    }
  });
}

int runTestWindow(int& /*argc*/, char** /*argv*/, Printers& printers, RunState& run) {
  const std::unique_ptr<Form1> form = makeTestWindow(printers, run);
  ShowWindow(form->window(), SW_SHOWDEFAULT);
  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : kClickFailedStatus;
}

}  // namespace pillora
