#pragma once
// The action the wizard installs: deploys the new drug-bag program and its drug-profile
// database from the service pack into the "tools" folder of Rimora's folder, then deletes
// the payload. The old program and database stay in place, both of them, unless the new
// ones both take their places.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/files/file_store.h"
#include "velsor/actions/action_members.h"
#include "velsor/shell/iaction.h"
#include "velsor/shell/page_ports.h"

namespace pillora {

class CDrugDeployActioner : public IAction, public ActionMembers {
 public:
  using ActionMembers::ActionMembers;

  Text getDescription() override;
  Text getAppName() override;
  void action(utlUpdatorView& p_form) override;
  static Text getMessageString(std::int16_t index);

 private:
  struct Paths {
    std::filesystem::path sourceProgram;
    std::filesystem::path sourceDatabase;
    std::filesystem::path targetProgram;
    std::filesystem::path targetDatabase;
  };
  // The paths of the deployment; nothing when the update runs from the target folder itself.
  std::optional<Paths> prepare();
  void replaceTargets(const Paths& paths);
};

}  // namespace pillora
