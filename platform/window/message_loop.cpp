#include "platform/window/message_loop.h"

#include <stdexcept>
#include <utility>

namespace pillora {

namespace {

std::exception_ptr& pendingFailure() {
  static std::exception_ptr failure;
  return failure;
}

void dispatch(MSG& message) {
  HWND root = message.hwnd == nullptr ? nullptr : GetAncestor(message.hwnd, GA_ROOT);
  if (root != nullptr && IsDialogMessageW(root, &message) != 0) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

int runMessageLoop(const bool& ended) {
  MSG message{};
  BOOL got = TRUE;
  while (!ended && (got = GetMessageW(&message, nullptr, 0, 0)) > 0) dispatch(message);
  if (std::exception_ptr failure = std::exchange(pendingFailure(), nullptr)) {
    std::rethrow_exception(failure);
  }
  if (got == -1) throw std::runtime_error("the message loop failed");
  return got == 0 ? static_cast<int>(message.wParam) : 0;
}

void endMessageLoopWith(std::exception_ptr failure) {
  if (!pendingFailure()) pendingFailure() = std::move(failure);
  PostQuitMessage(1);
}

void handlePendingMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    dispatch(message);
  }
}

}  // namespace pillora
