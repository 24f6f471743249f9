// The executable names of the running processes, appended in snapshot order.
#include <ZetoCom.h>
#include <tlhelp32.h>

#include "../files/file_handles.h"

int Cm_GetProcessList(CStringList* pList) {
    zc::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid()) {
        Cm_ErrorMessage(static_cast<long>(GetLastError()), 0);
        return 0;
    }
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry))
        if (pList) pList->AddTail(CString(entry.szExeFile));
    DWORD code = GetLastError();
    if (code == ERROR_NO_MORE_FILES) return 1;
    Cm_ErrorMessage(static_cast<long>(code), 0);
    return 0;
}
