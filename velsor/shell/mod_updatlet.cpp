#include "velsor/shell/mod_updatlet.h"

#include "common/text/errors.h"
#include "velsor/actions/chosen_actioner.h"
#include "velsor/shell/utl_updator_view.h"

namespace pillora {

std::unique_ptr<frmOptionPanel> Main(const ControlFactory& factory, FormView& formView,
                                     FileStore& files, MessageBoxes& boxes) {
  auto form = std::make_unique<frmOptionPanel>(factory, formView);
  form->setUserControl(Text(kUpdatorViewName));
  auto* view = dynamic_cast<utlUpdatorView*>(form->getUserControl());
  if (view == nullptr) throw AppError("the wizard page QWK.utlUpdatorView cannot be created");
  view->setActioner(chosenActioner(files, boxes));
  form->show();
  return form;
}

}  // namespace pillora
