#pragma once
// The action the wizard installs. The shipped one is the drug-bag deploy; VELSOR_ACTION
// names another for tests and support staff: "deploy", "exe-update", "rimora-update",
// "price-update" or "start".
#include <memory>

#include "platform/files/file_store.h"
#include "velsor/shell/iaction.h"
#include "velsor/shell/page_ports.h"

namespace pillora {

// AppError for a VELSOR_ACTION that names no action.
std::shared_ptr<IAction> chosenActioner(FileStore& files, MessageBoxes& boxes);

}  // namespace pillora
