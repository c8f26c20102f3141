#include "velsor/actions/chosen_actioner.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "velsor/actions/action_impl.h"
#include "velsor/actions/drug_deploy_actioner.h"
#include "velsor/actions/exe_update_actioner.h"
#include "velsor/actions/price_update_actioner.h"
#include "velsor/actions/rimora_update_actioner.h"

namespace pillora {

namespace {

template <typename Action>
std::shared_ptr<IAction> make(FileStore& files, MessageBoxes& boxes) {
  return std::make_shared<Action>(files, boxes);
}

struct Choice {
  std::string_view name;
  std::shared_ptr<IAction> (*make)(FileStore&, MessageBoxes&);
};

constexpr std::array<Choice, 5> kChoices{{
    {"deploy", make<CDrugDeployActioner>},
    {"exe-update", make<CExeUpdateActioner>},
    {"rimora-update", make<CRimoraUpdateActioner>},
    {"price-update", make<C16180301>},
    {"start", make<ActionImpl>},
}};

}  // namespace

std::shared_ptr<IAction> chosenActioner(FileStore& files, MessageBoxes& boxes) {
  const char* asked = std::getenv("VELSOR_ACTION");
  const std::string_view name = asked != nullptr && *asked != '\0' ? asked : kChoices[0].name;
  for (const Choice& choice : kChoices) {
    if (choice.name == name) {
      currentRun().set("action", fromUtf8(name));
      return choice.make(files, boxes);
    }
  }
  throw AppError("VELSOR_ACTION names no action: " + std::string(name) +
                 " (deploy, exe-update, rimora-update, price-update or start)");
}

}  // namespace pillora
