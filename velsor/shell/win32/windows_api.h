#pragma once
// The Win32 API for the wizard's views, without the macro that would rename the wizard's
// own MessageBox to MessageBoxW in some files only.
#include <windows.h>

#undef MessageBox
