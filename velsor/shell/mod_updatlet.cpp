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

int wizardExitStatus(const frmOptionPanel& form, std::ostream& err) {
  const auto* view = dynamic_cast<const utlUpdatorView*>(form.getUserControl());
  if (view == nullptr || !view->failure()) return 0;
  err << "velsor: " << *view->failure() << "\n";
  return 1;
}

}  // namespace pillora
