#include "velsor/app/silent_run.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "velsor/shell/mod_updatlet.h"
#include "velsor/shell/silent_view.h"
#include "velsor/shell/system_services.h"
#include "velsor/shell/utl_updator_view.h"

namespace pillora {

bool silentModeAsked() {
  const char* silent = std::getenv("VELSOR_SILENT");
  return silent != nullptr && std::strcmp(silent, "1") == 0;
}

int runSilent(std::ostream& out) {
  SilentPage page(out);
  SilentForm formView;
  // Ending the program is returning from here once OK has been handled.
  SystemServices services([] {});
  FileStore files;
  const ControlFactory factory{{Text(kUpdatorViewName), [&page, &services] {
                                  return std::make_unique<utlUpdatorView>(page, services);
                                }}};
  const std::unique_ptr<frmOptionPanel> form = Main(factory, formView, files, page);
  dynamic_cast<utlUpdatorView&>(*form->getUserControl()).btnOk_Click();
  return wizardExitStatus(*form, std::cerr);
}

}  // namespace pillora
