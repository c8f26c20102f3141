#pragma once
// The wizard's window run as one entry: on Linux the window module "velsor-window.so"
// (Qt and the libraries it needs), which velsor loads only when a window is to open; on
// Windows part of velsor.exe.

extern "C" int velsor_window_main(int argc, char** argv);

namespace pillora {

// Opens the window: loads the window module and runs its entry (Linux), or runs it here.
// Returns the exit status; the run is in "velsor.log" either way.
int openWindow(int argc, char** argv);

}  // namespace pillora
