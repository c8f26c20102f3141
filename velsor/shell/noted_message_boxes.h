#pragma once
// The wizard's failure boxes on record: a box that reports a failure (critical icon) is
// also one line on the notices stream (standard error, and with it the job log), since the
// box is gone once the pharmacist has answered it. Other boxes are shown only.
#include <ostream>

#include "velsor/shell/page_ports.h"

namespace pillora {

class NotedMessageBoxes final : public MessageBoxes {
 public:
  NotedMessageBoxes(MessageBoxes& shown, std::ostream& notices)
      : m_shown(shown), m_notices(notices) {}

  void showMessageBox(const MessageBox& box) override;

 private:
  MessageBoxes& m_shown;
  std::ostream& m_notices;
};

}  // namespace pillora
