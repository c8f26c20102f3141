#include "velsor/app/window_run.h"

#include <iostream>

#include <QApplication>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/print/fonts_conf.h"
#include "platform/process/display.h"
#include "velsor/shell/mod_updatlet.h"
#include "velsor/shell/option_panel_window.h"
#include "velsor/shell/qt_message_box.h"
#include "velsor/shell/system_services.h"
#include "velsor/shell/updator_page_widget.h"

namespace pillora {

int runWindow(int argc, char** argv) {
  if (const std::optional<std::string> missing = missingDisplay()) {
    throw std::runtime_error(*missing);
  }
  // "微軟正黑體" and the other Windows font names through the project's mapping.
  makeProjectFontsCurrent("VELSOR_HOME", "velsor");
  QApplication app(argc, argv);
  OptionPanelWindow window;
  QtMessageBoxes boxes(&window);
  SystemServices services([] { QCoreApplication::exit(0); });
  FileStore files;
  const ControlFactory factory{{Text(kUpdatorViewName), [&window, &services] {
                                  auto* page = new UpdatorPageWidget(&window);
                                  auto model = std::make_unique<utlUpdatorView>(*page, services);
                                  page->bind(*model);
                                  return model;
                                }}};
  const std::unique_ptr<frmOptionPanel> form = Main(factory, window, files, boxes);
  window.bind(*form);
  const int status = QApplication::exec();
  return status != 0 ? status : wizardExitStatus(*form, std::cerr);
}

}  // namespace pillora
