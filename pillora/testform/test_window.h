#pragma once
// The test window on the platform's window toolkit: Qt (form1.h) on Linux, Win32
// (form1_win32.h) on Windows.
#include "common/print/printer_surface.h"
#include "pillora/records/run_state.h"

namespace pillora {

// Shows the test window printing on these printers until it is closed (status 0) or a
// click fails (kClickFailedStatus). Returns the program's exit status.
int runTestWindow(int& argc, char** argv, Printers& printers, RunState& run);

}  // namespace pillora
