#pragma once
// The wizard in its window, on Qt's event loop.

namespace pillora {

// Returns the exit status.
int runWindow(int argc, char** argv);

}  // namespace pillora
