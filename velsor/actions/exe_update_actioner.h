#pragma once
// The plain file-replacing update: copies a new Rimora program, a new drug-bag program and
// the drug-profile database from the service pack into Rimora's folder and its "Tools"
// folder, then deletes from the service pack what was copied.
#include <cstdint>

#include "platform/files/file_store.h"
#include "velsor/actions/action_members.h"
#include "velsor/shell/iaction.h"
#include "velsor/shell/page_ports.h"

namespace pillora {

class CExeUpdateActioner : public IAction, public ActionMembers {
 public:
  using ActionMembers::ActionMembers;

  void setContext(const clsContext& context) { m_context = context; }
  Text getDescription() override;
  Text getAppName() override;
  void action(utlUpdatorView& p_form) override;
  static Text getMessageString(std::int16_t index);

 private:
  clsContext m_context;
};

}  // namespace pillora
