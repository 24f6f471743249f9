// Working set of a process through psapi, looked up at run time.
#include <ZetoCom.h>
#include <psapi.h>

#include "loaded_module.h"

static_assert(sizeof(DWORD) == 4 && sizeof(PROCESS_MEMORY_COUNTERS) == (sizeof(void*) == 8 ? 72 : 40),
              "the counters record: 40 bytes on 32-bit Windows");

long Cm_GetProcessUsedMemory(void* hProcess) {
    using GetInfo = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);
    if (!hProcess) hProcess = GetCurrentProcess();
    zc::LoadedModule psapi(L"psapi.dll");
    if (!psapi) return -1;
    auto getInfo = psapi.Find<GetInfo>("GetProcessMemoryInfo");
    if (!getInfo) return -1;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!getInfo(hProcess, &counters, sizeof counters)) return -1;
    // The count as a signed 32-bit number: 2 GiB and more come out negative.
    return static_cast<long>(static_cast<DWORD>(counters.WorkingSetSize));
}
