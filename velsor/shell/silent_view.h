#pragma once
// Silent mode (VELSOR_SILENT=1): no window; what the wizard would show is written as lines
// (UTF-8, TAB-separated, text fields escaped as in the print log):
//   msgbox <title> <text>      each message box, answered OK at once
//   progress <n>               each progress value that differs from the last one written
//   message <text>             each text of the text area
// Each line is written out at once: a caller sees the progress as it comes, and the answer
// a message box waits for. The reading count of an import comes some 100 times, not once a
// line, so the lines stay few.
#include <optional>
#include <ostream>
#include <string>

#include "velsor/shell/page_ports.h"

namespace pillora {

class SilentPage : public PageView {
 public:
  explicit SilentPage(std::ostream& out) : m_out(out) {}

  void pageChanged() override {}
  void progressShown(int value) override;
  void messageShown(const Text& text) override;
  void letEventsThrough() override {}
  void showMessageBox(const MessageBox& box) override;

 private:
  void writeLine(const std::string& line);

  std::ostream& m_out;
  std::optional<int> m_progress;  // the last progress value written
};

class SilentForm : public FormView {
 public:
  void captionChanged(const Text& /*caption*/) override {}
  void show() override {}
  void hide() override {}
  void unload() override { m_unloaded = true; }
  bool unloaded() const { return m_unloaded; }

 private:
  bool m_unloaded = false;
};

}  // namespace pillora
