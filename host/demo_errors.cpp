// Error texts of a few codes, and an error log written next to the host.
#include <ZetoCom.h>

#include "console.h"
#include "demos.h"

bool DemoErrors() {
    PrintLine(L"== Error texts ==");
    const long codes[] = {2, 5, 32, static_cast<long>(0x80070005)};
    for (long code : codes) Print(Cm_GetErrorMessage(code, 0));

    wchar_t log[MAX_PATH];
    if (!GetTempPathW(MAX_PATH, log)) return false;
    lstrcatW(log, L"ZetoDemo.log");
    if (!Cm_OpenErrorFile(log, 0)) return false;
    Cm_WriteErrorString(L"demo host started");
    Cm_WriteErrorMessage(2, 0);
    Cm_CloseErrorFile();
    PrintLine(L"error log written: %s", log);
    return true;
}
