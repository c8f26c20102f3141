#pragma once
// The wizard page on a Windows screen: one child window per control of the page model
// (static labels and icon, a multi-line edit box, the common-controls progress bar, push
// buttons), placed at the screen's pixels per inch; the page paints the lines of the
// etched separator itself.
#include "platform/window/windows_api.h"

#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/print/gdi_objects.h"
#include "platform/window/window_class.h"
#include "velsor/shell/utl_updator_view.h"
#include "velsor/shell/win32/screen_scale.h"

namespace pillora {

class Win32UpdatorPage : public PageView, private WindowHandler {
 public:
  Win32UpdatorPage(HWND parent, DeviceScale scale);
  Win32UpdatorPage(const Win32UpdatorPage&) = delete;
  Win32UpdatorPage& operator=(const Win32UpdatorPage&) = delete;
  ~Win32UpdatorPage() override;

  // Makes the windows of the model's controls; the model reports every change from then on.
  void bind(utlUpdatorView& model);
  HWND window() const { return m_window; }
  // The window that shows a control (none for a line).
  HWND child(TextView controlName) const;

  void pageChanged() override;
  void progressShown(int value) override;
  void messageShown(const Text& text) override;
  void letEventsThrough() override;
  void showMessageBox(const MessageBox& box) override;

 private:
  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  HWND makeChild(const Control& control);
  void stack();
  void show(const Control& control, HWND shown);
  void showText(const Control& control, HWND shown);
  void moveFocus();
  void clicked(HWND button);
  LRESULT colours(HDC context, HWND shown);
  void paintLines();
  HFONT font(const ControlFont& wanted);
  HBRUSH brush(COLORREF colour);

  DeviceScale m_scale;
  HWND m_window;
  utlUpdatorView* m_model = nullptr;
  std::vector<std::pair<Text, HWND>> m_children;
  std::map<HWND, Text> m_shownText;
  std::map<std::tuple<Text, double, bool>, GdiObject> m_fonts;
  std::map<COLORREF, GdiObject> m_brushes;
};

}  // namespace pillora
