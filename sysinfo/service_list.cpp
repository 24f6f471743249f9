// The Win32 services of the local machine with their status, in one malloc block.
#include <ZetoCom.h>

#include <cstdlib>

#include "../files/file_handles.h"

namespace {

using ServiceManager = zc::ScopedHandle<SC_HANDLE, 0, CloseServiceHandle>;

}  // namespace

ENUM_SERVICE_STATUSW* Cm_GetServiceEnum(DWORD* pdwCount) {
    DWORD ignored = 0;
    DWORD* count = pdwCount ? pdwCount : &ignored;
    *count = 0;
    ServiceManager manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE));
    if (!manager.Valid()) return nullptr;
    DWORD needed = 0;
    // A size query that fails for another reason than a small buffer sets no size: nothing to
    // allocate. One that succeeds (no service) gets its empty block like any other.
    if (!EnumServicesStatusW(manager.Get(), SERVICE_WIN32, SERVICE_STATE_ALL, nullptr, 0, &needed, count, nullptr) &&
        GetLastError() != ERROR_MORE_DATA)
        return nullptr;
    auto* block = static_cast<ENUM_SERVICE_STATUSW*>(malloc(needed));
    if (block)
        EnumServicesStatusW(manager.Get(), SERVICE_WIN32, SERVICE_STATE_ALL, block, needed, &needed, count, nullptr);
    return block;
}
