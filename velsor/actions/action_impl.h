#pragma once
// The update start: opens Rimora's database, hands it in a context to the Rimora update,
// runs that on the same page and then completes the page.
#include "platform/files/file_store.h"
#include "velsor/shell/iaction.h"
#include "velsor/shell/page_ports.h"

namespace pillora {

class ActionImpl : public IAction {
 public:
  ActionImpl(FileStore& files, MessageBoxes& boxes) : m_files(files), m_boxes(boxes) {}

  Text getDescription() override;
  Text getAppName() override;
  // A database that does not open leaves at once with its DatabaseError: nothing runs.
  void action(utlUpdatorView& p_form) override;

 private:
  FileStore& m_files;
  MessageBoxes& m_boxes;
};

}  // namespace pillora
