// Linux: the window lives in the module "velsor-window.so" beside velsor, so that a silent
// run, the help and the version never load Qt.
#include <iostream>

#include "platform/files/files.h"
#include "platform/process/loaded_library.h"
#include "velsor/app/logged_run.h"
#include "velsor/app/window_main.h"

namespace pillora {

namespace {

constexpr const char* kWindowModule = "velsor-window.so";

}  // namespace

int openWindow(int argc, char** argv) {
  decltype(&velsor_window_main) windowMain = nullptr;
  try {
    const LoadedLibrary module((executableFolder() / kWindowModule).string());
    module.bind(windowMain, "velsor_window_main");
  } catch (const LibraryError& error) {
    return loggedRun([&error] {
      std::cerr << "velsor: cannot load the window: " << error.what() << "\n";
      return 1;
    });
  }
  return windowMain(argc, argv);
}

}  // namespace pillora
