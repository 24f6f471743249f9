// One figure of the machine's memory record each; the whole record on request. A failed query
// gives -1, as every failed 64-bit size of the library does, and leaves the record alone.
#include <ZetoCom.h>

#include <cstring>

namespace {

static_assert(sizeof(MEMORYSTATUSEX) == 64, "the memory record the callers receive");

__int64 MemoryFigure(DWORDLONG MEMORYSTATUSEX::*field, MEMORYSTATUSEX* pStatus) {
    MEMORYSTATUSEX status;
    std::memset(&status, 0, sizeof status);
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return -1;
    if (pStatus) *pStatus = status;
    return static_cast<__int64>(status.*field);
}

}  // namespace

__int64 Cm_GetTotalPhysMemory(MEMORYSTATUSEX* pStatus) { return MemoryFigure(&MEMORYSTATUSEX::ullTotalPhys, pStatus); }
__int64 Cm_GetAvailPhysMemory(MEMORYSTATUSEX* pStatus) { return MemoryFigure(&MEMORYSTATUSEX::ullAvailPhys, pStatus); }
__int64 Cm_GetTotalPageFileMemory(MEMORYSTATUSEX* pStatus) {
    return MemoryFigure(&MEMORYSTATUSEX::ullTotalPageFile, pStatus);
}
__int64 Cm_GetAvailPageFileMemory(MEMORYSTATUSEX* pStatus) {
    return MemoryFigure(&MEMORYSTATUSEX::ullAvailPageFile, pStatus);
}
__int64 Cm_GetTotalVirtualMemory(MEMORYSTATUSEX* pStatus) {
    return MemoryFigure(&MEMORYSTATUSEX::ullTotalVirtual, pStatus);
}
__int64 Cm_GetAvailVirtualMemory(MEMORYSTATUSEX* pStatus) {
    return MemoryFigure(&MEMORYSTATUSEX::ullAvailVirtual, pStatus);
}
