// The wizard in its Win32 window, on the thread's message loop.
#include "platform/window/windows_api.h"

#include <exception>
#include <iostream>
#include <memory>

#include "common/text/convert.h"
#include "platform/files/wide_text.h"
#include "platform/window/message_loop.h"
#include "velsor/app/window_run.h"
#include "velsor/shell/mod_updatlet.h"
#include "velsor/shell/system_services.h"
#include "velsor/shell/win32/form_window.h"
#include "velsor/shell/win32/message_box.h"
#include "velsor/shell/win32/page_window.h"

namespace pillora {

namespace {

int runWizard() {
  const DeviceScale scale = screenScale();
  Win32OptionPanel window(scale);
  Win32MessageBoxes boxes(window.window());
  bool ended = false;
  SystemServices services([&ended] {
    ended = true;
    PostQuitMessage(0);
  });
  FileStore files;
  std::unique_ptr<Win32UpdatorPage> page;
  const ControlFactory factory{{Text(kUpdatorViewName), [&] {
                                  page = std::make_unique<Win32UpdatorPage>(window.window(), scale);
                                  auto model = std::make_unique<utlUpdatorView>(*page, services);
                                  page->bind(*model);
                                  return model;
                                }}};
  const std::unique_ptr<frmOptionPanel> form = Main(factory, window, files, boxes);
  window.bind(*form);
  const int status = runMessageLoop(ended);
  return status != 0 ? status : wizardExitStatus(*form, std::cerr);
}

}  // namespace

// The program's manifest (velsor.exe.manifest) makes it aware of the screen's pixels per
// inch, so the window's sizes follow them instead of being stretched from 96.
int runWindow(int /*argc*/, char** /*argv*/) {
  try {
    return runWizard();
  } catch (const std::exception& error) {
    // The pharmacist sees no console: the failure is shown, then reported as usual.
    showWin32MessageBox(nullptr, {fromUtf8(error.what()), u"velsor", MessageBox::Icon::Critical});
    throw;
  }
}

}  // namespace pillora
