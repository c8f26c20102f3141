#pragma once
// The test window as a Win32 window (the Windows build): caption "Form1" and one push
// button "Command1" that runs the given action on every click, handing it the window (the
// owner of any box the action shows).
#include <functional>
#include <memory>

#include "common/print/printer_surface.h"
#include "pillora/records/run_state.h"
#include "platform/window/window_class.h"

namespace pillora {

class Form1 : private WindowHandler {
 public:
  // The window, hidden until shown. AppError when Windows cannot make it (no display, for
  // one). Closing it ends the message loop.
  using Action = std::function<void(HWND form)>;
  explicit Form1(Action onCommand1Click);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;
  ~Form1();

  HWND window() const { return m_window; }

 private:
  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void addCommand1();

  Action m_onCommand1Click;
  HWND m_window = nullptr;
};

// The test window of the drug-bag program: each click prints one sample bag on the current
// printer, in documents named Form1. A failed print shows its message in a box and ends the
// message loop with status 1 (command1_click.h).
std::unique_ptr<Form1> makeTestWindow(Printers& printers, RunState& run);

}  // namespace pillora
