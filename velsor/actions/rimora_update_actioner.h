#pragma once
// The update of Rimora itself: ends the running Rimora with the process-killer tool,
// replaces its program, copies the data files and QR-code tool files the service pack
// carries into Rimora's folder, deletes from the service pack what was copied, and starts
// the new Rimora.
#include <cstdint>
#include <filesystem>

#include "platform/files/file_store.h"
#include "velsor/actions/action_members.h"
#include "velsor/shell/iaction.h"
#include "velsor/shell/page_ports.h"

namespace pillora {

class CRimoraUpdateActioner : public IAction, public ActionMembers {
 public:
  using ActionMembers::ActionMembers;

  void setContext(const clsContext& context) { m_context = context; }
  Text getDescription() override;
  Text getAppName() override;
  void action(utlUpdatorView& p_form) override;
  static Text getMessageString(std::int16_t index);

 private:
  // Ends the running Rimora and deletes its program; false when the update runs from
  // Rimora's folder itself and nothing is to be done.
  bool prepare(const std::filesystem::path& host, const std::filesystem::path& pack);
  void copyPayload(const std::filesystem::path& host, const std::filesystem::path& pack);

  clsContext m_context;
};

}  // namespace pillora
