// The module's name work area: one buffer of 512 UTF-16 units shared, without a lock, by the
// current-directory and module-path queries and the elevated restart. Each copies its result out
// before it returns.
#pragma once

#include <windows.h>

namespace zc {

constexpr DWORD kNameWorkAreaUnits = 512;

wchar_t* NameWorkArea();

}  // namespace zc
