#pragma once
// The Win32 API for the programs' windows, without the macro that renames every MessageBox
// to MessageBoxW: the wizard has a MessageBox of its own, which must not be renamed in some
// files only.
#include <windows.h>

#undef MessageBox
