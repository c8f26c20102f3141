#pragma once
// The thread's message loop for the programs' windows. TAB and the arrow keys move between
// the controls of a window, as in a dialog box.
#include "platform/window/windows_api.h"

#include <exception>

namespace pillora {

// Handles messages until WM_QUIT, or until `ended` is set by one of them (the messages
// still waiting then are not handled). Returns the exit status of WM_QUIT, else 0; throws
// the failure a window's handler ended the loop with.
int runMessageLoop(const bool& ended);

// Ends the loop, which throws the failure (the first one, when there are several).
void endMessageLoopWith(std::exception_ptr failure);

// Handles the messages already waiting, once. A WM_QUIT among them ends this and is posted
// again, so that the loop around ends too.
void handlePendingMessages();

}  // namespace pillora
