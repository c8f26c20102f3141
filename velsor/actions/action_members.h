#pragma once
// The members every update action carries besides IAction: the update time stamp and main
// string its caller may hand it, the page it reports into while it runs, and the files and
// message boxes it works with.
#include "common/text/text.h"
#include "platform/files/file_store.h"
#include "velsor/shell/page_ports.h"

namespace pillora {

class utlUpdatorView;

class ActionMembers {
 public:
  ActionMembers(FileStore& files, MessageBoxes& boxes) : m_files(files), m_boxes(boxes) {}

  void UpdateTimeStamp(const Text& vData) { m_updateTimeStamp = vData; }
  const Text& UpdateTimeStamp() const { return m_updateTimeStamp; }
  void setMainString(const Text& p_strUpdate) { m_mainString = p_strUpdate; }

 protected:
  utlUpdatorView* m_view = nullptr;
  FileStore& m_files;
  MessageBoxes& m_boxes;

 private:
  Text m_mainString;
  Text m_updateTimeStamp;
};

}  // namespace pillora
