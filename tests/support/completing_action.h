#pragma once
// An action for the wizard's window tests: it sets the progress bar to 50, gives the test
// a turn while it runs, and reports completion.
#include <functional>

#include "velsor/shell/iaction.h"
#include "velsor/shell/utl_updator_view.h"

namespace pillora::testing {

class CompletingAction : public IAction {
 public:
  Text getDescription() override { return u"說明"; }
  Text getAppName() override { return u"藥袋模組更新程式"; }
  void action(utlUpdatorView& p_form) override {
    p_form.setProgressBarValue(50);
    if (whileRunning) whileRunning();
    p_form.fireActionCompleted();
  }
  std::function<void()> whileRunning;
};

}  // namespace pillora::testing
