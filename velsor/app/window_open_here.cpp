// Windows: the window is part of velsor.exe.
#include "velsor/app/window_main.h"

namespace pillora {

int openWindow(int argc, char** argv) {
  return velsor_window_main(argc, argv);
}

}  // namespace pillora
