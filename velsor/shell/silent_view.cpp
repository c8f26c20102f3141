#include "velsor/shell/silent_view.h"

#include "common/text/convert.h"
#include "common/text/log_field.h"

namespace pillora {

void SilentPage::progressShown(int value) {
  if (m_progress == value) return;
  m_progress = value;
  m_out << "progress\t" << decimal(value) << "\n";
}

void SilentPage::messageShown(const Text& text) {
  m_out << "message\t" << escapeLogField(text) << "\n";
}

void SilentPage::showMessageBox(const MessageBox& box) {
  m_out << "msgbox\t" << escapeLogField(box.title) << "\t" << escapeLogField(box.text) << "\n"
        << std::flush;
}

}  // namespace pillora
