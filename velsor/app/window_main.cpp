#include "velsor/app/window_main.h"

#include "velsor/app/logged_run.h"
#include "velsor/app/window_run.h"

extern "C" int velsor_window_main(int argc, char** argv) {
  return pillora::loggedRun([&] { return pillora::runWindow(argc, argv); });
}
