#include "velsor/actions/action_impl.h"

#include "common/db/connection.h"
#include "velsor/actions/rimora_folder.h"
#include "velsor/actions/rimora_update_actioner.h"
#include "velsor/shell/utl_updator_view.h"

namespace pillora {

Text ActionImpl::getDescription() {
  return u"更新程序啟動";
}

Text ActionImpl::getAppName() {
  return {};
}

void ActionImpl::action(utlUpdatorView& p_form) {
  const auto connection = std::make_shared<Connection>();
  connection->ConnectionString(u"Provider=Microsoft.Jet.OleDb.4.0;data source=" +
                               (rimoraFolder() / "dbRimora.mdb").u16string());
  connection->Open();
  clsContext context;
  context.setCinnection(connection);
  CRimoraUpdateActioner update(m_files, m_boxes);
  update.setContext(context);
  update.action(p_form);
  p_form.fireActionCompleted();
}

}  // namespace pillora
