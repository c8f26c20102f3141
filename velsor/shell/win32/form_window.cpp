#include "velsor/shell/win32/form_window.h"

#include <algorithm>

#include "platform/files/wide_text.h"

namespace pillora {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

}  // namespace

Win32OptionPanel::Win32OptionPanel(DeviceScale scale)
    : m_scale(scale),
      m_window(createHandledWindow(
          {L"VelsorOptionPanel", L"Rimora Service Pack", kFormStyle, WS_EX_CONTROLPARENT, nullptr},
          *this)) {
  // The design's client area, in the middle of the screen's work area.
  RECT frame{0, 0, m_scale.pixels(frmOptionPanel::kDesignScaleWidth),
             m_scale.pixels(frmOptionPanel::kDesignScaleHeight)};
  AdjustWindowRectEx(&frame, kFormStyle, FALSE, WS_EX_CONTROLPARENT);
  RECT screen{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(m_window, nullptr, std::max(screen.left, (screen.left + screen.right - width) / 2),
               std::max(screen.top, (screen.top + screen.bottom - height) / 2), width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32OptionPanel::~Win32OptionPanel() {
  releaseHandledWindow(m_window);
}

void Win32OptionPanel::bind(frmOptionPanel& form) {
  m_form = &form;
  clientResized();
}

void Win32OptionPanel::clientResized() {
  RECT client{};
  GetClientRect(m_window, &client);
  m_form->resizeClient(m_scale.twips(client.right), m_scale.twips(client.bottom));
}

void Win32OptionPanel::captionChanged(const Text& caption) {
  SetWindowTextW(m_window, wideOf(caption).c_str());
}

void Win32OptionPanel::show() {
  ShowWindow(m_window, SW_SHOW);
  UpdateWindow(m_window);
}

void Win32OptionPanel::hide() {
  ShowWindow(m_window, SW_HIDE);
}

void Win32OptionPanel::unload() {
  DestroyWindow(m_window);
}

LRESULT Win32OptionPanel::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (m_form != nullptr && wParam != SIZE_MINIMIZED) clientResized();
      return 0;
    case WM_SETFOCUS:
      // The hosted page gives the focus to its own control.
      if (HWND page = GetWindow(window, GW_CHILD)) SetFocus(page);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace pillora
