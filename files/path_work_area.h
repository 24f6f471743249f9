// The module's path work area: one buffer of 512 UTF-16 units shared, without a lock, by the
// functions that expand and unexpand environment references, find temporary names, find the
// documents folder and run the folder-browse dialog. Each copies its result out before it returns.
#pragma once

#include <windows.h>

namespace zc {

constexpr DWORD kPathWorkAreaUnits = 512;

// The work area itself (kPathWorkAreaUnits units).
wchar_t* PathWorkArea();
// The work area, every unit set to zero.
wchar_t* ClearedPathWorkArea();

}  // namespace zc
