// Memory figures, the admin flag, the process count, the volume record of C:\ and the interfaces.
#include <ZetoCom.h>

#include <cstdlib>

#include "console.h"
#include "demos.h"

bool DemoMachine() {
    PrintLine(L"== Machine ==");
    MEMORYSTATUSEX status;
    __int64 total = Cm_GetTotalPhysMemory(&status);
    PrintLine(L"memory: %s physical, %s available, working set %s", Cm_DispByteSize(total).GetString(),
              Cm_DispByteSize(Cm_GetAvailPhysMemory(nullptr)).GetString(),
              Cm_DispByteSize(Cm_GetProcessUsedMemory(nullptr)).GetString());
    PrintLine(L"administrator: %d", Cm_UserIsNTAdmin());
    CStringList processes;
    int walked = Cm_GetProcessList(&processes);
    PrintLine(L"processes: %d", static_cast<int>(processes.GetCount()));
    CmVolumeInfo volume = Cm_GetVolumeInfo(L"C:\\");
    PrintLine(L"C:\\ volume \"%s\", %s, serial %08lX, component %lu, flags %08lX", volume.szVolumeName,
              volume.szFileSystemName, volume.dwVolumeSerialNumber, volume.dwMaximumComponentLength,
              volume.dwFileSystemFlags);
    MIB_IFTABLE* table = nullptr;
    int ok = Cm_GetIfTable(&table);
    PrintLine(L"network interfaces: %lu", ok && table ? table->dwNumEntries : 0);
    free(table);
    return total > 0 && walked == 1 && ok == 1;
}
