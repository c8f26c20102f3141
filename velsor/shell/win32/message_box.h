#pragma once
// The wizard's message boxes as Windows shows them: modal to the window that owns them.
#include "platform/window/windows_api.h"

#include "velsor/shell/page_ports.h"

namespace pillora {

// Shows the box with an OK button and returns when it is answered; an owner that is
// gone leaves the box without one.
void showWin32MessageBox(HWND owner, const MessageBox& box);

class Win32MessageBoxes : public MessageBoxes {
 public:
  explicit Win32MessageBoxes(HWND owner) : m_owner(owner) {}
  void showMessageBox(const MessageBox& box) override { showWin32MessageBox(m_owner, box); }

 private:
  HWND m_owner;
};

}  // namespace pillora
