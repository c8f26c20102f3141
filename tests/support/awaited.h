#pragma once
// Waiting for what another program (or Wine) does in its own time.
#include <chrono>
#include <thread>

namespace pillora::testing {

// Asks again every 50 ms until the answer is something or half a minute has passed (Wine
// starts programs slowly on a busy machine); the last answer.
template <class Answer>
auto awaited(Answer answer) -> decltype(answer()) {
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  auto found = answer();
  while (!found && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(50ms);
    found = answer();
  }
  return found;
}

}  // namespace pillora::testing
