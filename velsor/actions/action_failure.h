#pragma once
// The failure exit of an action: its message box, with the reason on a line of its own
// below the box's text, and the page told the reason, so that the run ends as failed and
// says why (standard error, the job log, the exit status).
#include <string>

#include "velsor/shell/page_ports.h"

namespace pillora {

class utlUpdatorView;

void failAction(MessageBoxes& boxes, utlUpdatorView& page, MessageBox box,
                const std::string& reason);

// "更新失敗": the update did not take place and the old program stays in place.
void showUpdateFailure(MessageBoxes& boxes, utlUpdatorView& page, const std::string& reason);

}  // namespace pillora
