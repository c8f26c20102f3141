#include "velsor/actions/action_failure.h"

#include "velsor/shell/utl_updator_view.h"

namespace pillora {

void failAction(MessageBoxes& boxes, utlUpdatorView& page, MessageBox box,
                const std::string& reason) {
  page.actionFailed(reason);
  box.text += u"\r\n" + fromUtf8(reason);
  boxes.showMessageBox(box);
}

void showUpdateFailure(MessageBoxes& boxes, utlUpdatorView& page, const std::string& reason) {
  failAction(boxes, page,
             {u"在進行更新程式前，請關閉目前正在執行的申報軟體。", u"更新失敗",
              MessageBox::Icon::Critical},
             reason);
}

}  // namespace pillora
