// A setting kept in the user scope: a run counter read, incremented, written and read back.
#include <ZetoCom.h>

#include "console.h"
#include "demos.h"

bool DemoRegistry() {
    PrintLine(L"== Registry ==");
    CRegistry registry(L"ZetoDemo");
    long runs = 0;
    registry.GetUserEntry(L"Settings", L"RunCount", runs);  // absent on the first run
    if (!registry.SetUserEntry(L"Settings", L"RunCount", runs + 1)) return false;
    if (!registry.SetUserEntry(L"Settings", L"LastHost", L"ZetoDemo デモ")) return false;

    CString text, host;
    if (!registry.GetUserEntry(L"Settings", L"RunCount", text)) return false;
    if (!registry.GetUserEntry(L"Settings", L"LastHost", host)) return false;
    PrintLine(L"HKEY_CURRENT_USER\\SOFTWARE\\ZetoDemo\\Settings: RunCount=%s LastHost=%s", text.GetString(),
              host.GetString());
    return text.GetLength() > 0;
}
