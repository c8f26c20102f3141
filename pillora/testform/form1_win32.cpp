#include "pillora/testform/form1_win32.h"

#include <optional>

#include "common/text/convert.h"
#include "common/text/errors.h"
#include "pillora/testform/command1_click.h"
#include "pillora/testform/test_window.h"
#include "platform/files/wide_text.h"
#include "platform/files/windows_error.h"
#include "platform/window/message_loop.h"

namespace pillora {

namespace {

constexpr int kCommand1Id = 1;
// A small window with the button at its top left, in pixels.
constexpr SIZE kFormSize{320, 240};
constexpr RECT kCommand1Place{16, 16, 97, 49};

}  // namespace

Form1::Form1(Action onCommand1Click)
    : m_onCommand1Click(std::move(onCommand1Click)),
      m_window(createHandledWindow({L"PilloraTestForm1", L"Form1", WS_OVERLAPPEDWINDOW, 0, nullptr},
                                   *this)) {
  SetWindowPos(m_window, nullptr, 0, 0, kFormSize.cx, kFormSize.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  try {
    addCommand1();
  } catch (...) {
    releaseHandledWindow(m_window);
    throw;
  }
}

Form1::~Form1() {
  releaseHandledWindow(m_window);
}

void Form1::addCommand1() {
  const HWND button = CreateWindowExW(
      0, L"BUTTON", L"Command1", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
      kCommand1Place.left, kCommand1Place.top, kCommand1Place.right - kCommand1Place.left,
      kCommand1Place.bottom - kCommand1Place.top, m_window,
      carriedBy<HMENU>(static_cast<INT_PTR>(kCommand1Id)), GetModuleHandleW(nullptr), nullptr);
  if (button == nullptr) {
    throw AppError("cannot make the button Command1: " + windowsError());
  }
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
}

LRESULT Form1::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == kCommand1Id && HIWORD(wParam) == BN_CLICKED) {
    m_onCommand1Click(window);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
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
  const bool endedElsewhere = false;  // only closing the window or a failed click ends it
  return runMessageLoop(endedElsewhere);
}

}  // namespace pillora
