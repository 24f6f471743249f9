// Free and total space of the disk that holds a path, for the calling user. GetDiskFreeSpaceExW
// is looked up at every call so that the library also loads where kernel32 lacks it.
#include <ZetoCom.h>

#include <cstdlib>

namespace {

struct DiskSpace {
    ULARGE_INTEGER freeToCaller;
    ULARGE_INTEGER totalToCaller;
    ULARGE_INTEGER totalFree;
};

using GetDiskFreeSpaceExFn = BOOL(WINAPI*)(LPCWSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// The space of the path's drive ("C:"; empty without a drive letter); false when unknown.
bool QueryDiskSpace(LPCWSTR path, DiskSpace* space) {
    wchar_t drive[_MAX_DRIVE];  // only the drive is split off: a legal path's other parts may not fit _MAX_DIR
    _wsplitpath(path ? path : L"", drive, nullptr, nullptr, nullptr);

    auto query = reinterpret_cast<GetDiskFreeSpaceExFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetDiskFreeSpaceExW")));
    if (!query) return false;
    return query(drive, &space->freeToCaller, &space->totalToCaller, &space->totalFree) != FALSE;
}

}  // namespace

__int64 Cm_GetDispFreeSpace(LPCWSTR path) {
    DiskSpace space;
    return QueryDiskSpace(path, &space) ? static_cast<__int64>(space.freeToCaller.QuadPart) : -1;
}

__int64 Cm_GetDispTotalSpace(LPCWSTR path) {
    DiskSpace space;
    return QueryDiskSpace(path, &space) ? static_cast<__int64>(space.totalToCaller.QuadPart) : -1;
}
