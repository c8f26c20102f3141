#include "velsor/shell/silent_view.h"

#include "common/text/convert.h"
#include "common/text/log_field.h"

namespace pillora {

void SilentPage::progressShown(int value) {
  m_out << "progress\t" << decimal(value) << "\n" << std::flush;
}

void SilentPage::messageShown(const Text& text) {
  m_out << "message\t" << escapeLogField(text) << "\n" << std::flush;
}

void SilentPage::showMessageBox(const MessageBox& box) {
  m_out << "msgbox\t" << escapeLogField(box.title) << "\t" << escapeLogField(box.text) << "\n"
        << std::flush;
}

}  // namespace pillora
