#include "velsor/shell/noted_message_boxes.h"

#include "common/text/text.h"

namespace pillora {

void NotedMessageBoxes::showMessageBox(const MessageBox& box) {
  if (box.icon == MessageBox::Icon::Critical) {
    // The box's lines joined into one: "velsor: <title>: <text>".
    m_notices << "velsor: " << toUtf8(box.title) << ": "
              << toUtf8(replaceAll(replaceAll(box.text, u"\r\n", u" "), u"\n", u" ")) << "\n"
              << std::flush;
  }
  m_shown.showMessageBox(box);
}

}  // namespace pillora
