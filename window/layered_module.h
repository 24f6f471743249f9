// The layered-window module: user32 as loaded by the window-creation call on a system that allows
// fading; null until then and after the destroy call. Shared by the fading calls, without a lock.
#pragma once

#include <windows.h>

namespace zc {

HMODULE& LayeredModule();

// SetLayeredWindowAttributes looked up in the layered-window module on every call: TRUE without a
// module (nothing to do), FALSE when the module lacks it, else the system's answer.
BOOL SetLayeredAlpha(HWND hWnd, COLORREF key, int alpha, DWORD flags);

}  // namespace zc
