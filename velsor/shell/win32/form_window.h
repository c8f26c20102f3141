#pragma once
// The host form on a Windows screen: a top-level window whose client area the form model
// hosts its control in, at the screen's pixels per inch. Closing it is always accepted;
// when it is gone the message loop ends.
#include "platform/window/windows_api.h"

#include "platform/window/window_class.h"
#include "velsor/shell/frm_option_panel.h"
#include "velsor/shell/win32/screen_scale.h"

namespace pillora {

class Win32OptionPanel : public FormView, private WindowHandler {
 public:
  explicit Win32OptionPanel(DeviceScale scale);
  Win32OptionPanel(const Win32OptionPanel&) = delete;
  Win32OptionPanel& operator=(const Win32OptionPanel&) = delete;
  ~Win32OptionPanel() override;

  // The form model this window shows; its size follows the window's client area from then on.
  void bind(frmOptionPanel& form);
  HWND window() const { return m_window; }

  void captionChanged(const Text& caption) override;
  void show() override;
  void hide() override;
  void unload() override;

 private:
  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void clientResized();

  DeviceScale m_scale;
  HWND m_window;
  frmOptionPanel* m_form = nullptr;
};

}  // namespace pillora
