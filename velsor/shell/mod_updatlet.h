#pragma once
// The wizard's start-up: the host form, the wizard page created from its registered name,
// and the one action this build installs, the drug-bag deploy unless VELSOR_ACTION names
// another (chosen_actioner.h).
#include <memory>
#include <ostream>

#include "platform/files/file_store.h"
#include "velsor/shell/frm_option_panel.h"

namespace pillora {

// The registered name of the wizard page.
inline constexpr TextView kUpdatorViewName = u"QWK.utlUpdatorView";

// Builds and shows the form; the program then runs on its events. AppError when the
// factory has no wizard page to give.
std::unique_ptr<frmOptionPanel> Main(const ControlFactory& factory, FormView& formView,
                                     FileStore& files, MessageBoxes& boxes);

// The run's exit status once the wizard is done: 1 when its action failed, the reason then
// told on `err` in one line; else 0.
int wizardExitStatus(const frmOptionPanel& form, std::ostream& err);

}  // namespace pillora
