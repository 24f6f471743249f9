// The library's module entry, kept apart from DllMain so that its decisions can be exercised.
#pragma once

#include <afxdllx.h>

namespace zc {

// Process attach registers the module with the host's MFC chain (FALSE when MFC refuses), process
// detach takes it out again; thread attach and detach do nothing. Returns the entry's result.
BOOL ModuleEntry(AFX_EXTENSION_MODULE& record, HINSTANCE instance, DWORD reason);

}  // namespace zc
