#include "module_entry.h"

#include <new>

namespace zc {

BOOL ModuleEntry(AFX_EXTENSION_MODULE& record, HINSTANCE instance, DWORD reason) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        if (!AfxInitExtensionModule(record, instance)) return FALSE;
        // MFC owns the chain entry from here on; a failed allocation leaves the module unlinked.
        new (std::nothrow) CDynLinkLibrary(record, FALSE);
        return TRUE;
    case DLL_PROCESS_DETACH:
        AfxTermExtensionModule(record, FALSE);
        return TRUE;
    default:
        return TRUE;
    }
}

}  // namespace zc
