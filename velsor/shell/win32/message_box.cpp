#include "velsor/shell/win32/message_box.h"

#include "platform/files/wide_text.h"

namespace pillora {

void showWin32MessageBox(HWND owner, const MessageBox& box) {
  const UINT icon = box.icon == MessageBox::Icon::Critical ? MB_ICONERROR : MB_ICONINFORMATION;
  ::MessageBoxW(IsWindow(owner) != 0 ? owner : nullptr, wideOf(box.text).c_str(),
                wideOf(box.title).c_str(), MB_OK | icon);
}

}  // namespace pillora
