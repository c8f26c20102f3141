#include "velsor/shell/silent_view.h"

#include "common/text/convert.h"
#include "common/text/log_field.h"

namespace pillora {

void SilentPage::progressShown(int value) {
  if (m_progress == value) return;
  m_progress = value;
  writeLine("progress\t" + decimal(value));
}

void SilentPage::messageShown(const Text& text) {
  writeLine("message\t" + escapeLogField(text));
}

void SilentPage::showMessageBox(const MessageBox& box) {
  writeLine("msgbox\t" + escapeLogField(box.title) + "\t" + escapeLogField(box.text));
}

void SilentPage::writeLine(const std::string& line) {
  m_out << line << "\n" << std::flush;
}

}  // namespace pillora
