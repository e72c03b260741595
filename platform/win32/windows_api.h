// <windows.h> for the backend, without the macros that would rename the portable
// interfaces' methods (MessageBox, LoadString) in the files that include both.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef MessageBox
#undef LoadString
