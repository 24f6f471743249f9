// Windows entry point of ZetoCom.dll.
#include "module_entry.h"

namespace {
AFX_EXTENSION_MODULE g_extensionModule = {};
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    return zc::ModuleEntry(g_extensionModule, instance, reason);
}
